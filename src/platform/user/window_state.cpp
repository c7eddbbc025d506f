#include "platform/user/window_state.h"

#include "platform/user/messaging.h"
#include "platform/user/mouse_capture.h"
#include "platform/user/session.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_geometry.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_styles.h"

namespace win {

namespace {

bool ActivatesOnShow(int command) {
    return command == SW_SHOWNORMAL || command == SW_SHOW || command == SW_SHOWMAXIMIZED ||
           command == SW_RESTORE || command == SW_SHOWDEFAULT;
}

enum class Placement { Keep, Minimize, Restore };

Placement PlacementOf(int command) {
    switch (command) {
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
        case SW_SHOWMINNOACTIVE:
        case SW_FORCEMINIMIZE:
            return Placement::Minimize;
        case SW_SHOWNORMAL:
        case SW_SHOWMAXIMIZED:
        case SW_SHOWNOACTIVATE:
        case SW_RESTORE:
        case SW_SHOWDEFAULT:
            return Placement::Restore;
        default:
            return Placement::Keep;
    }
}

bool IsMinimized(const user::Window& window) {
    return (window.style & WS_MINIMIZE) != 0;
}

}  // namespace

namespace user {

void SetMinimized(Session& session, Window& topLevel, bool minimized, bool fromDesktop) {
    if (topLevel.IsChild() || IsMinimized(topLevel) == minimized) {
        return;
    }
    const HWND handle = topLevel.handle;
    if (minimized) {
        topLevel.style |= WS_MINIMIZE;
    } else {
        topLevel.style &= ~WS_MINIMIZE;
    }
    if (!fromDesktop && topLevel.surface) {
        session.Host().SetMinimized(EnsureNativeWindow(session, topLevel), minimized);
    }
    if (minimized && session.input.active == handle) {
        const Window* owner = session.Get(topLevel.owner);
        const bool toOwner =
            owner && owner->IsVisible() && !IsMinimized(*owner) && IsActivatable(*owner);
        DeactivateActive(session, toOwner ? owner->handle : HWND{});
    }
    if (const Window* after = session.Get(handle)) {
        const LPARAM size = minimized ? 0 : MAKELPARAM(Width(after->client), Height(after->client));
        SendMessage(handle, WM_SIZE, minimized ? SIZE_MINIMIZED : SIZE_RESTORED, size);
    }
}

}  // namespace user

bool ShowWindow(HWND hWnd, int nCmdShow) {
    user::Session* session = user::Current();
    user::Window* window = session ? session->Get(hWnd) : nullptr;
    if (window == nullptr) {
        return false;
    }
    const bool wasVisible = window->IsVisible();
    const bool show = nCmdShow != SW_HIDE;
    const Placement placement = window->IsChild() ? Placement::Keep : PlacementOf(nCmdShow);
    if (placement != Placement::Keep) {
        // Minimised before it is shown, so that the desktop never shows it at full size first.
        user::SetMinimized(*session, *window, placement == Placement::Minimize, false);
        if ((window = session->Get(hWnd)) == nullptr) {
            return wasVisible;
        }
    }
    if (show != wasVisible) {
        SendMessage(hWnd, WM_SHOWWINDOW, show ? 1 : 0, 0);
        if ((window = session->Get(hWnd)) == nullptr) {
            return wasVisible;
        }
    }
    UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    flags |= show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    if (!show || !ActivatesOnShow(nCmdShow) || window->IsChild()) {
        flags |= SWP_NOACTIVATE;
    } else {
        // A top-level window shown and activated is also brought to the top of its band.
        flags &= ~SWP_NOZORDER;
    }
    if (IsMinimized(*window)) {
        flags |= SWP_NOACTIVATE;  // a minimised window is not activated by being shown
    }
    if (show != wasVisible || !(flags & SWP_NOACTIVATE)) {
        SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, flags);
    }
    return wasVisible;
}

bool IsIconic(HWND hWnd) {
    user::Session* session = user::Current();
    const user::Window* window = session ? session->Get(hWnd) : nullptr;
    return window != nullptr && IsMinimized(*window);
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
