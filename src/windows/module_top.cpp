#include "windows/module_top.h"

#include "platform/user/window_geometry.h"

namespace quellan::ModuleTop {

std::int32_t SetTopMost(win::HWND hwnd, bool onTop) {
    constexpr win::UINT kKeepPlaceAndSize = win::SWP_NOMOVE | win::SWP_NOSIZE;
    if (onTop) {
        return win::SetWindowPos(hwnd, win::HWND_TOPMOST, 0, 0, 0, 0, kKeepPlaceAndSize) ? 1 : 0;
    }
    win::SetWindowPos(hwnd, win::HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlaceAndSize);
    return 0;
}

}  // namespace quellan::ModuleTop
