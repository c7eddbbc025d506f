#include "button/render/colour_functions.h"
#include "button/render/style_renderers.h"

namespace quellan {

namespace {

struct ToolbarPalette {
    win::COLORREF tint;
    win::COLORREF frame;
};

ToolbarPalette PaletteOf(std::int32_t scheme, win::COLORREF back) {
    switch (scheme) {
        case ColorSchemeBlue:
            return {0xEED2C1, 0xC56A31};
        case ColorSchemeOlive:
            return {0xBAD6D4, 0x70A093};
        case ColorSchemeSilver:
            return {0xE3DFE0, 0xBFB4B2};
        case ColorSchemeCustom:
            return {back, ShiftColor(back, -0.12f)};
        default:
            return {0, 0};
    }
}

}  // namespace

void DrawToolbarHighlight(const StylePaint& p) {
    const ToolbarPalette palette = PaletteOf(p.view.ColorScheme(), p.back);
    if (p.Checked()) {
        p.Fill(ShiftColor(palette.tint, -0.05f));
        p.Frame(0, 0, p.w, p.h, palette.frame);
        if (p.view.CursorOver()) {
            p.Fill(ShiftColor(palette.tint, -0.01f));
            p.Frame(0, 0, p.w, p.h, palette.frame);
        }
        p.Content();
        return;
    }
    if (p.state == StateHot) {
        p.Fill(ShiftColor(palette.tint, 0.03f));
    } else if (p.state == StateDown) {
        p.Fill(ShiftColor(palette.tint, -0.08f));
    } else {
        p.Fill(p.back);
    }
    p.Content();
    if (p.state == StateHot || p.state == StateDown) {
        p.Frame(0, 0, p.w, p.h, palette.frame);
    }
}

void DrawAmberHighlight(const StylePaint& p) {
    constexpr win::COLORREF kNavy = 0x800000;
    constexpr win::COLORREF kWhite = 0xFFFFFF;
    if (p.Checked()) {
        if (p.view.CursorOver()) {
            p.Band(0, 0, p.w, p.h, 0x4E91FE, 0x8ED3FF);
        } else {
            p.Band(0, 0, p.w, p.h, 0x8CD5FF, 0x55ADFF);
        }
        p.Content();
        p.Frame(0, 0, p.w, p.h, kNavy);
        return;
    }
    if (p.state == StateHot) {
        p.Band(0, 0, p.w, p.h, 0xCCF4FF, 0x91D0FF);
    } else if (p.state == StateDown) {
        p.Band(0, 0, p.w, p.h, 0x4E91FE, 0x8ED3FF);
    } else {
        p.Region();
        const int half = StylePaint::Round(p.h / 2.0);
        p.Band(0, 0, p.w, half, AverageColors(kWhite, ShiftColor(p.back, 0.08f)), p.back);
        p.Band(0, half, p.w, StylePaint::Round(p.h / 2.0 + 1), p.back, ShiftColor(p.back, -0.15f));
    }
    p.Content();
    if (p.state == StateHot || p.state == StateDown) {
        p.Frame(0, 0, p.w, p.h, kNavy);
    }
}

}  // namespace quellan
