#include "button/render/colour_functions.h"
#include "button/render/style_renderers.h"

namespace quellan {

namespace {

constexpr win::COLORREF kWhite = 0xFFFFFF;

struct GlossBands {
    win::COLORREF upperStart;
    win::COLORREF upperEnd;
    win::COLORREF lowerStart;
    win::COLORREF lowerEnd;
};

constexpr GlossBands kOrangeChecked{0xA9D9FF, 0x6FC0FF, 0x3FABFF, 0x75E1FF};
constexpr GlossBands kOrangeHot{0xE1FFFF, 0xACEAFF, 0x67D7FF, 0x99E4FF};
constexpr GlossBands kOrangeDown{0x58C1FF, 0x51AFFF, 0x468FFF, 0x5FD3FF};

void DrawOrangeBands(const StylePaint& p, const GlossBands& bands) {
    const int split = StylePaint::Round(p.h / 2.7);
    p.Band(0, 0, p.w, split, bands.upperStart, bands.upperEnd);
    p.Band(0, split, p.w, StylePaint::Round(p.h - p.h / 2.7), bands.lowerStart, bands.lowerEnd);
}

struct SoftGlossState {
    win::COLORREF fill;
    float upper;
    float lower1;
    float lower2;
    float frame;
    float corners;
};

SoftGlossState SoftGlossStateOf(const StylePaint& p) {
    const win::COLORREF b = p.back;
    if (p.Disabled()) {
        return {b, 0.05f, -0.02f, 0.08f, -0.2f, -0.23f};
    }
    const win::COLORREF fill = ShiftColor(b, -0.03f);
    switch (p.state) {
        case StateHot:
            return {fill, 0.15f, -0.05f, 0.2f, -0.28f, -0.36f};
        case StateDown:
            return {fill, 0.1f, -0.08f, 0.05f, -0.36f, -0.36f};
        default:
            return {fill, 0.1f, -0.05f, 0.1f, -0.33f, -0.36f};
    }
}

}  // namespace

void DrawOrangeGloss(const StylePaint& p) {
    const win::COLORREF b = p.back;
    const win::COLORREF frame = ShiftColor(b, -0.34f);
    if (p.Checked()) {
        DrawOrangeBands(p, kOrangeChecked);
        p.Frame(0, 0, p.w, p.h, frame);
        if (p.view.CursorOver()) {
            DrawOrangeBands(p, kOrangeDown);
            p.Frame(0, 0, p.w, p.h, frame);
        }
        p.Content();
        return;
    }
    if (p.state == StateHot) {
        DrawOrangeBands(p, kOrangeHot);
    } else if (p.state == StateDown) {
        DrawOrangeBands(p, kOrangeDown);
    } else {
        p.Fill(b);
        DrawOrangeBands(p, {AverageColors(ShiftColor(b, 0.09f), kWhite),
                            AverageColors(ShiftColor(b, 0.07f), b), b, ShiftColor(b, 0.03f)});
    }
    p.Content();
    p.Frame(0, 0, p.w, p.h, frame);
}

void DrawWhiteGloss(const StylePaint& p) {
    const win::COLORREF b = p.back;
    const int half = StylePaint::Round(p.h / 2.0);
    const std::int32_t state = p.Disabled() ? StateNormal : p.state;
    if (state == StateDown) {
        p.Band(0, 0, p.w, half, kWhite, ShiftColor(b, -0.1f));
        p.Band(0, half, p.w, p.h, ShiftColor(b, -0.1f), ShiftColor(b, -0.05f));
        p.Content();
        p.Frame(1, 1, p.w - 2, p.h, kWhite);
        p.Frame(0, 0, p.w, p.h, ShiftColor(b, -0.23f));
        p.Corners(ShiftColor(b, -0.1f));
        p.Line(2, p.h - 1, p.w - 2, p.h - 1, ShiftColor(b, -0.4f));
    } else {
        if (state == StateNormal) {
            p.Region();
        }
        p.Band(0, 0, p.w, half, kWhite, b);
        p.Band(0, half, p.w, p.h, b, b);
        p.Content();
        p.Frame(1, 1, p.w - 2, p.h, kWhite);
        p.Frame(0, 0, p.w, p.h, ShiftColor(b, -0.2f));
        p.Line(2, p.h - 1, p.w - 2, p.h - 1, ShiftColor(b, -0.25f));
    }
    p.Corners(ShiftColor(b, 0.05f));
    if (p.view.ParentActive() && p.view.ShowFocusRect() && p.FocusOrDefault()) {
        p.FocusRect(3, 3, p.w - 3, p.h - 3);
    }
}

void DrawSoftGloss(const StylePaint& p) {
    const win::COLORREF b = p.back;
    const SoftGlossState s = SoftGlossStateOf(p);
    if (!p.Disabled() && p.state == StateNormal) {
        p.Region();
    }
    p.Fill(s.fill);
    p.Band(0, 0, p.w, 5, ShiftColor(AverageColors(b, kWhite), s.upper), b);
    p.Band(0, 6, p.w, p.h - 1, ShiftColor(b, s.lower1),
           AverageColors(kWhite, ShiftColor(b, s.lower2)));
    p.Content();
    p.Frame(0, 0, p.w, p.h, ShiftColor(b, s.frame));
    p.Corners(ShiftColor(b, s.corners));
}

}  // namespace quellan
