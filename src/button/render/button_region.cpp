#include "button/render/button_region.h"

#include "platform/gdi/gdi.h"
#include "platform/user/window_geometry.h"

namespace quellan {

namespace {

// The corner ellipse's size, or 0 for the plain rectangle.
int CornerEllipse(std::int32_t style) {
    switch (style) {
        case StyleRoundedGradient:
        case StyleBlueGradient:
        case StyleSteelFrame:
        case StyleWhiteGloss:
            return 3;
        case StyleSoftPanel:
        case StyleSoftGloss:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

void ApplyButtonRegion(const ButtonView& view) {
    const int w = view.ScaleWidth();
    const int h = view.ScaleHeight();
    const int ellipse = CornerEllipse(view.ButtonStyle());
    const win::HRGN region = ellipse == 0
                                 ? win::CreateRectRgn(0, 0, w, h)
                                 : win::CreateRoundRectRgn(0, 0, w + 1, h + 1, ellipse, ellipse);
    // A window that refuses it leaves the region with us.
    if (region && win::SetWindowRgn(view.hwnd(), region, true) == 0) {
        win::DeleteObject(region);
    }
}

}  // namespace quellan
