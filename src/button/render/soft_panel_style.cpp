#include "button/render/colour_functions.h"
#include "button/render/style_renderers.h"

namespace quellan {

namespace {

constexpr win::OLE_COLOR kButtonText = 0x80000012;
constexpr win::COLORREF kWhite = 0xFFFFFF;

void DrawDown(const StylePaint& p) {
    p.Fill(0xDDE4E5);
    p.Content();
    p.Line(1, 1, p.w - 2, 1, ShiftColor(0xD1DADC, -0.02f));
    p.Line(1, 2, p.w - 2, 2, ShiftColor(0xDAE1E3, -0.02f));
    p.Line(1, p.h - 3, p.w - 2, p.h - 3, ShiftColor(0xDEE5E6, 0.02f));
    p.Line(1, p.h - 2, p.w - 2, p.h - 2, ShiftColor(0xE5EAEB, 0.02f));
    p.Frame(0, 0, p.w, p.h, 0x929D9D);
    p.Corners(ShiftColor(0xABB4B5, -0.2f));
}

void DrawChecked(const StylePaint& p) {
    p.Fill(0xFEFEFE);
    p.view.AdoptForeColor(TranslateColor(kButtonText));
    p.Content();
    p.Frame(0, 0, p.w, p.h, 0xAF987A);
    p.Corners(ShiftColor(0xC1B3A0, -0.2f));
    if (p.state == StateHot) {
        p.Line(p.w - 2, 2, p.w - 2, p.h - 2, 0xEDF0F2);
        p.Line(2, p.h - 2, p.w - 2, p.h - 2, 0xD8DEE4);
        p.Line(1, p.h - 3, p.w - 1, p.h - 3, 0xE8ECEF);
        p.Line(1, p.h - 4, p.w - 1, p.h - 4, 0xF8F9FA);
    }
}

void DrawHot(const StylePaint& p) {
    const int half = StylePaint::Round(p.h / 2.0);
    p.Band(0, 0, p.w, half, 0xFDFEFE, 0xEEF4F4);
    p.Band(0, half, p.w, half, 0xEEF4F4, 0xEAF1F1);
    p.Content();
    p.Line(p.w - 2, 2, p.w - 2, p.h - 2, 0xE0E7EA);
    p.Line(p.w - 3, 2, p.w - 3, p.h - 2, 0xEAF0F0);
    p.Line(0, p.h - 4, p.w, p.h - 4, 0xE5EDEE);
    p.Line(0, p.h - 3, p.w, p.h - 3, 0xD6E1E4);
    p.Line(0, p.h - 2, p.w, p.h - 2, 0xC6D2D7);
    p.Frame(0, 0, p.w, p.h, 0xC3CECE);
    p.Corners(ShiftColor(0xC9D4D4, -0.05f));
}

}  // namespace

void DrawSoftPanel(const StylePaint& p) {
    p.view.AdoptForeColor(p.state == StateDown ? kWhite : TranslateColor(kButtonText));
    if (p.Checked()) {
        if (p.view.MouseIsDown()) {
            DrawDown(p);
        } else {
            DrawChecked(p);
        }
        return;
    }
    switch (p.state) {
        case StateNormal:
            p.Region();
            p.Fill(p.back);
            p.Content();
            break;
        case StateHot:
            DrawHot(p);
            break;
        case StateDown:
            DrawDown(p);
            break;
        default:
            break;
    }
}

}  // namespace quellan
