#include "button/render/themed_background.h"

#include "platform/gdi/gdi.h"
#include "platform/user/visual_styles.h"
#include "platform/user/window_geometry.h"

namespace quellan {

void DrawThemedBackground(const ButtonView& view, std::string_view classList, int part, int state) {
    const win::HTHEME theme = win::OpenThemeData(view.hwnd(), classList);
    if (!theme) {
        return;
    }
    const win::HDC dc = view.SurfaceDC();
    const win::RECT button{0, 0, view.ScaleWidth(), view.ScaleHeight()};
    const win::RECT regionRect{button.left - 1, button.top - 1, button.right + 1,
                               button.bottom + 2};
    win::HRGN region;
    if (win::GetThemeBackgroundRegion(theme, dc, part, state, &regionRect, &region) == win::S_OK &&
        win::SetWindowRgn(view.hwnd(), region, true) == 0) {
        win::DeleteObject(region);
    }
    win::DrawThemeBackground(theme, dc, part, state, &button, &button);
    win::CloseThemeData(theme);
}

}  // namespace quellan
