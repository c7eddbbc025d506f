#include "button/render/colour_functions.h"
#include "button/render/style_renderers.h"

namespace quellan {

namespace {

constexpr win::COLORREF kWhite = 0xFFFFFF;

struct SideShades {
    win::COLORREF upperOuter;
    win::COLORREF upperInner;
    win::COLORREF lowerOuter;
    win::COLORREF lowerInner;
};

// Five-pixel shadings down both sides, the right side mirroring the left.
void DrawSideShades(const StylePaint& p, const SideShades& s) {
    const int upperHeight = StylePaint::Round(p.h / 2.0 - 2);
    const int lowerTop = StylePaint::Round(p.h / 2.0);
    const int lowerHeight = StylePaint::Round(p.h - p.h / 2.0 - 1);
    p.SideShade(1, 3, 5, upperHeight, s.upperOuter, s.upperInner);
    p.SideShade(1, lowerTop, 5, lowerHeight, s.lowerOuter, s.lowerInner);
    p.SideShade(p.w - 6, 3, 5, upperHeight, s.upperInner, s.upperOuter);
    p.SideShade(p.w - 6, lowerTop, 5, lowerHeight, s.lowerInner, s.lowerOuter);
}

void DrawHot(const StylePaint& p) {
    const int half = StylePaint::Round(p.h / 2.0);
    p.Band(1, 1, p.w - 2, half, 0xFFF7E4, 0xFFF3DA);
    p.Band(1, half, p.w - 2, p.h - 2, 0xFFE9C1, 0xFDE1AE);
    DrawSideShades(p, {0xFFEECD, 0xFFF7E4, 0xFAD68F, ShiftColor(0xFDE1AC, 0.01f)});
    p.Content();
    p.Frame(0, 0, p.w, p.h, 0xA77532);
    p.Frame(1, 1, p.w - 2, p.h - 2, kWhite);
}

void DrawDown(const StylePaint& p) {
    const int half = StylePaint::Round(p.h / 2.0);
    p.Band(1, 1, p.w - 1, p.h, 0xF6E4C2, 0xF6E4C2);
    p.Band(1, half, p.w - 2, p.h - 2, 0xF0D29A, 0xF0D29A);
    p.Frame(0, 0, p.w, p.h, 0x5C411D);
    p.Line(1, 1, p.w - 1, 1, 0xB39C71);
    p.Line(1, 2, p.w - 1, 2, 0xD6C6A9);
    p.Line(1, 3, p.w - 1, 3, 0xECD9B9);
    p.Line(1, 1, 1, StylePaint::Round(p.h / 2.0 - 1), 0xCFB073);
    p.Line(1, half, 1, StylePaint::Round(p.h - p.h / 2.0 - 1), 0xC5912B);
    DrawSideShades(p, {ShiftColor(0xE6C891, 0.02f), ShiftColor(0xF6E4C2, -0.01f),
                       ShiftColor(0xDCAB4E, 0.02f), ShiftColor(0xF0D29A, -0.01f)});
    p.Content();
}

}  // namespace

void DrawBlueGradient(const StylePaint& p) {
    const win::COLORREF b = p.back;
    if (p.Disabled()) {
        p.Region();
        p.Fill(ShiftColor(b, 0.03f));
        p.Content();
        p.Frame(0, 0, p.w, p.h, ShiftColor(b, -0.25f));
        p.Frame(1, 1, p.w - 2, p.h - 2, ShiftColor(b, 0.25f));
        p.Corners(ShiftColor(b, -0.03f));
        return;
    }
    if (p.state == StateHot) {
        DrawHot(p);
    } else if (p.state == StateDown) {
        DrawDown(p);
    } else {
        p.Region();
        p.Band(1, 1, p.w - 1, p.h, ShiftColor(b, 0.05f), b);
        p.Band(1, StylePaint::Round(p.h / 2.0), p.w - 2, p.h - 2, ShiftColor(b, -0.02f),
               ShiftColor(b, -0.15f));
        p.Content();
        p.Frame(0, 0, p.w, p.h, 0x707070);
        p.Frame(1, 1, p.w - 2, p.h - 2, kWhite);
    }
    if (p.view.ParentActive()) {
        if (p.state == StateNormal && p.FocusOrDefault()) {
            p.Frame(0, 0, p.w, p.h, 0xA77532);
            p.Frame(1, 1, p.w - 2, p.h - 2, 0xFBD848);
        }
        if (p.view.ShowFocusRect() && p.view.HasFocus()) {
            p.FocusRect(2, 2, p.w - 2, p.h - 2);
        }
    }
    p.Corners(0xBE965F);
}

}  // namespace quellan
