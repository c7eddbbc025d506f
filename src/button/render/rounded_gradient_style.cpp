#include <array>

#include "button/render/colour_functions.h"
#include "button/render/style_renderers.h"
#include "platform/gdi/gdi.h"

namespace quellan {

namespace {

constexpr win::COLORREF kWhite = 0xFFFFFF;

// The eight glow lines along the inside of the frame, in the order their colours are given.
using GlowColours = std::array<win::COLORREF, 8>;

constexpr GlowColours kHotGlow = {0x89D8FD, 0xCFF0FF, 0x49BDF9, 0x49BDF9,
                                  0x7AD2FC, 0x7AD2FC, 0x30B3F8, 0x0097E5};

GlowColours FocusGlow(std::int32_t scheme) {
    switch (scheme) {
        case ColorSchemeOlive:
            return {0x8FD1C2, 0x80CBB1, 0x68C8A0, 0x68C8A0, 0x68C8A0, 0x68C8A0, 0x68C8A0, 0x66A7A8};
        case ColorSchemeSilver:
            return {0xF6D4BC, 0xFFE7CE, 0xE6AF8E, 0xE6AF8E, kWhite, kWhite, 0xE4AD89, 0xEE8269};
        default:
            return {0xF6D4BC, 0xFFE7CE, 0xE6AF8E, 0xE6AF8E, 0xF4D1B8, 0xF4D1B8, 0xE4AD89, 0xEE8269};
    }
}

void DrawGlow(const StylePaint& p, const GlowColours& c) {
    const int w = p.w;
    const int h = p.h;
    p.Line(1, 2, w - 2, 2, c[0]);
    p.Line(1, 1, w - 2, 1, c[1]);
    p.Line(1, 1, 1, h - 2, c[2]);
    p.Line(w - 2, 2, w - 2, h - 2, c[3]);
    p.Line(2, 2, 2, h - 3, c[4]);
    p.Line(w - 3, 3, w - 3, h - 3, c[5]);
    p.Line(2, h - 3, w - 2, h - 3, c[6]);
    p.Line(2, h - 2, w - 2, h - 2, c[7]);
}

void DrawRaisedBackground(const StylePaint& p, std::int32_t scheme) {
    const win::COLORREF b = p.back;
    const int w = p.w;
    const int h = p.h;
    if (scheme == ColorSchemeSilver) {
        const int half = StylePaint::Round(h / 2.0);
        p.Band(0, 0, w, half, ShiftColor(b, 0.22f), b);
        p.Band(0, half, w, half, ShiftColor(b, -0.01f), ShiftColor(b, -0.15f));
        p.Content();
        if (p.state == StateNormal) {
            p.Line(w - 2, 2, w - 2, h - 2, kWhite);
            p.Line(1, 1, 1, h - 2, kWhite);
        }
        return;
    }
    p.Band(0, 0, w, h, ShiftColor(b, 0.07f), b);
    p.Band(0, 0, w, 4, ShiftColor(b, 0.1f), ShiftColor(b, 0.08f));
    p.Content();
    if (p.state == StateNormal) {
        p.Line(1, h - 2, w - 2, h - 2, ShiftColor(b, -0.09f));
        p.Line(1, h - 3, w - 2, h - 3, ShiftColor(b, -0.05f));
        p.Line(1, h - 4, w - 2, h - 4, ShiftColor(b, -0.01f));
        p.Line(w - 2, 2, w - 2, h - 2, ShiftColor(b, -0.08f));
        p.Line(1, 1, 1, h - 2, AverageColors(kWhite, b));
    }
}

void DrawPressedBackground(const StylePaint& p, std::int32_t scheme) {
    const win::COLORREF b = p.back;
    const int w = p.w;
    const int h = p.h;
    if (scheme == ColorSchemeSilver) {
        p.Band(0, 0, w, h - 6, ShiftColor(b, -0.2f), ShiftColor(b, 0.05f));
        p.Band(0, h - 6, w, h - 1, ShiftColor(b, 0.08f), kWhite);
        p.Content();
        p.Frame(1, 1, w - 2, h - 2, kWhite);
        return;
    }
    p.Fill(ShiftColor(b, -0.05f));
    p.Content();
    p.Line(1, 1, w - 2, 1, ShiftColor(b, -0.16f));
    p.Line(1, 2, w - 2, 2, ShiftColor(b, -0.1f));
    p.Line(1, h - 2, w - 2, h - 2, ShiftColor(b, 0.01f));
    p.Line(1, 1, 1, h - 2, ShiftColor(b, -0.16f));
    p.Line(2, 2, 2, h - 2, ShiftColor(b, -0.1f));
    p.Line(w - 2, 2, w - 2, h - 2, ShiftColor(b, 0.04f));
}

}  // namespace

void DrawRoundedGradient(const StylePaint& p) {
    const win::COLORREF b = p.back;
    const std::int32_t scheme = p.view.ColorScheme();
    if (p.Disabled()) {
        p.Region();
        p.Fill(AverageColors(win::GetSysColor(win::COLOR_BTNFACE), ShiftColor(b, 0.1f)));
        p.Content();
        p.Frame(0, 0, p.w, p.h, ShiftColor(b, -0.1f));
        p.Corners(ShiftColor(b, -0.1f));
        return;
    }
    if (p.state == StateDown) {
        DrawPressedBackground(p, scheme);
    } else {
        if (p.state == StateNormal) {
            p.Region();
        }
        DrawRaisedBackground(p, scheme);
        if (p.state == StateHot) {
            DrawGlow(p, kHotGlow);
        }
    }
    const bool marked = p.view.ParentActive() && p.FocusOrDefault();
    if (p.state == StateNormal && marked) {
        DrawGlow(p, FocusGlow(scheme));
    }
    if (marked && p.view.ShowFocusRect()) {
        p.FocusRect(2, 2, p.w - 2, p.h - 2);
    }
    const win::COLORREF frame = scheme == ColorSchemeOlive ? 0x066237 : 0x743C00;
    p.Frame(0, 0, p.w, p.h, frame);
    p.Corners(ShiftColor(frame, 0.3f));
}

}  // namespace quellan
