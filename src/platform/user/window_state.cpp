#include "platform/user/window_state.h"

#include "platform/user/messaging.h"
#include "platform/user/mouse_capture.h"
#include "platform/user/session.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_geometry.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_styles.h"

namespace win {

namespace {

bool ActivatesOnShow(int command) {
    return command == SW_SHOWNORMAL || command == SW_SHOW || command == SW_SHOWMAXIMIZED ||
           command == SW_RESTORE;
}

}  // namespace

bool ShowWindow(HWND hWnd, int nCmdShow) {
    user::Session* session = user::Current();
    user::Window* window = session ? session->Get(hWnd) : nullptr;
    if (window == nullptr) {
        return false;
    }
    const bool wasVisible = window->IsVisible();
    const bool show = nCmdShow != SW_HIDE;
    if (show != wasVisible) {
        SendMessage(hWnd, WM_SHOWWINDOW, show ? 1 : 0, 0);
    }
    UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    flags |= show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    if (!show || !ActivatesOnShow(nCmdShow) || window->IsChild()) {
        flags |= SWP_NOACTIVATE;
    } else {
        // A top-level window shown and activated is also brought to the top of its band.
        flags &= ~SWP_NOZORDER;
    }
    if (show != wasVisible || !(flags & SWP_NOACTIVATE)) {
        SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, flags);
    }
    return wasVisible;
}

bool IsWindowVisible(HWND hWnd) {
    user::Session* session = user::Current();
    const user::Window* window = session ? session->Get(hWnd) : nullptr;
    while (window != nullptr) {
        if (!window->IsVisible()) {
            return false;
        }
        if (!window->IsChild()) {
            return true;
        }
        window = session->Get(window->parent);
    }
    return false;
}

bool EnableWindow(HWND hWnd, bool bEnable) {
    user::Session* session = user::Current();
    user::Window* window = session ? session->Get(hWnd) : nullptr;
    if (window == nullptr) {
        return false;
    }
    const bool wasDisabled = !window->IsEnabled();
    if (wasDisabled != bEnable) {
        return wasDisabled;
    }
    if (bEnable) {
        window->style &= ~WS_DISABLED;
    } else {
        window->style |= WS_DISABLED;
        const HWND focus = session->input.focus;
        if (focus == hWnd || user::IsDescendant(*session, focus, hWnd)) {
            user::MoveFocus(*session, nullptr);
        }
        const HWND capture = session->input.capture;
        if (capture == hWnd || user::IsDescendant(*session, capture, hWnd)) {
            ReleaseCapture();
        }
    }
    SendMessage(hWnd, WM_ENABLE, bEnable ? 1 : 0, 0);
    return wasDisabled;
}

bool IsWindowEnabled(HWND hWnd) {
    user::Session* session = user::Current();
    const user::Window* window = session ? session->Get(hWnd) : nullptr;
    return window != nullptr && window->IsEnabled();
}

}  // namespace win
