#include "button/render/colour_functions.h"
#include "button/render/style_renderers.h"

namespace quellan {

void DrawSteelFrame(const StylePaint& p) {
    constexpr win::COLORREF kSteel = 0xCA9E61;
    constexpr win::COLORREF kWhite = 0xFFFFFF;
    if (p.Disabled()) {
        p.Fill(p.back);
        p.Content();
        p.Corners(p.back);
        return;
    }
    if (p.state == StateNormal) {
        p.Region();
        p.Fill(p.back);
        p.Content();
        return;
    }
    if (p.state == StateHot) {
        p.Band(1, 1, p.w - 2, p.h - 2, 0xFDF9F1, 0xF8ECD0);
        p.Band(1, StylePaint::Round(p.h / 1.7), p.w - 2, p.h - 2, 0xF8ECD0, 0xF8ECD0);
    } else {
        p.Band(1, 1, p.w - 2, p.h - 2, 0xF1DEB0, 0xF9F1DB);
    }
    p.Content();
    p.Frame(0, 0, p.w, p.h, kSteel);
    p.Frame(1, 1, p.w - 2, p.h - 2, kWhite);
    p.Corners(ShiftColor(kSteel, 0.3f));
}

}  // namespace quellan
