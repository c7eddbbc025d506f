#include "platform/user/menu_tracking.h"
#include "platform/user/menus.h"
#include "platform/user/messaging.h"
#include "platform/user/mouse_capture.h"
#include "platform/user/window_lifetime.h"
#include "platform/user/window_messages.h"

namespace win {

int TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT*) {
    const user::Menu* menu = user::FindMenu(hMenu);
    if (menu == nullptr || !IsWindow(hWnd)) {
        return 0;
    }
    SendMessage(hWnd, WM_ENTERMENULOOP, 1, 0);
    SendMessage(hWnd, WM_INITMENUPOPUP, static_cast<WPARAM>(hMenu.Value()), 0);
    // The owner may have changed the menu while it was being initialised.
    if ((menu = user::FindMenu(hMenu)) == nullptr) {
        return 0;
    }
    user::MenuTracking tracking(*menu, uFlags, hWnd);
    if (!tracking.Open(x, y)) {
        SendMessage(hWnd, WM_EXITMENULOOP, 1, 0);
        return 0;
    }
    MSG msg;
    while (!tracking.Done() && IsWindow(hWnd)) {
        const int result = GetMessage(&msg, nullptr, 0, 0);
        if (result <= 0) {
            if (result == 0) {
                // The program is ending: leave the quit for its own loop.
                PostQuitMessage(static_cast<int>(msg.wParam));
            }
            break;
        }
        if (!tracking.Intercept(msg)) {
            DispatchMessage(&msg);
        }
    }
    if (GetCapture() == tracking.Window()) {
        ReleaseCapture();
    }
    tracking.CloseAll();
    SendMessage(hWnd, WM_EXITMENULOOP, 1, 0);
    const UINT_PTR chosen = tracking.Choice().value_or(0);
    if (uFlags & TPM_RETURNCMD) {
        return static_cast<int>(chosen);
    }
    if (tracking.Choice() && !(uFlags & TPM_NONOTIFY)) {
        PostMessage(hWnd, WM_COMMAND, chosen, 0);
    }
    return 1;
}

}  // namespace win
