#include "skin/subclassing.h"

#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "skin/skin_properties.h"

namespace quellan {

void InstallProcedure(win::HWND hWnd, win::WNDPROC procedure) {
    const win::LONG_PTR replaced =
        win::SetWindowLongPtr(hWnd, win::GWL_WNDPROC, procedure.ToLongPtr());
    win::SetProp(hWnd, skin_properties::kProcAddr, replaced);
}

void RestoreProcedure(win::HWND hWnd) {
    const win::LONG_PTR stored = win::RemoveProp(hWnd, skin_properties::kProcAddr);
    win::SetWindowLongPtr(hWnd, win::GWL_WNDPROC, stored);
}

win::LRESULT ForwardToStored(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                             win::LPARAM lParam) {
    const win::WNDPROC stored =
        win::WNDPROC::FromLongPtr(win::GetProp(hWnd, skin_properties::kProcAddr));
    return win::CallWindowProc(stored, hWnd, uMsg, wParam, lParam);
}

}  // namespace quellan
