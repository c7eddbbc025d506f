#include "platform/user/messaging.h"
#include "platform/user/non_client_hit_test.h"
#include "platform/user/surface.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_messages.h"

// What happens as a mouse message leaves the queue, before its window sees it: a press tells
// the parents, asks an inactive window whether the click activates it (and whether the click
// then still counts), and every move or press sets the cursor.
namespace win::user {

namespace {

bool IsButtonDown(UINT clientMessage) {
    switch (clientMessage) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return true;
        default:
            return false;
    }
}

// Parents, WM_MOUSEACTIVATE and WM_SETCURSOR hear of a double click as of a press.
UINT PressOf(UINT clientMessage) {
    switch (clientMessage) {
        case WM_LBUTTONDBLCLK:
            return WM_LBUTTONDOWN;
        case WM_RBUTTONDBLCLK:
            return WM_RBUTTONDOWN;
        case WM_MBUTTONDBLCLK:
            return WM_MBUTTONDOWN;
        default:
            return clientMessage;
    }
}

bool SetsCursor(UINT clientMessage) {
    return clientMessage == WM_MOUSEMOVE || IsButtonDown(clientMessage);
}

// The desktop activated the clicked window by itself; it goes back to the window that stays
// active.
void GiveDesktopActivationBack(Session& session) {
    if (Window* active = session.Get(session.input.active);
        active != nullptr && active->surface && active->surface->HasNative()) {
        session.Host().Activate(active->surface->Native());
    }
}

// False when the click is to be eaten.
bool ActivateByMouse(Session& session, HWND window, LRESULT hit, UINT clientMessage) {
    Window* found = session.Get(window);
    const Window* topLevel = found ? TopLevelOf(session, *found) : nullptr;
    if (topLevel == nullptr || topLevel->handle == session.input.active) {
        return true;
    }
    const HWND top = topLevel->handle;
    const LRESULT answer =
        SendMessage(window, WM_MOUSEACTIVATE, static_cast<WPARAM>(top.Value()),
                    MAKELPARAM(static_cast<int>(hit), static_cast<int>(clientMessage)));
    if (answer == MA_NOACTIVATE || answer == MA_NOACTIVATEANDEAT) {
        // Pop-ups are never activated by the desktop: nothing to give back for them.
        if (const Window* clicked = session.Get(top); clicked && !IsHostPopup(*clicked)) {
            GiveDesktopActivationBack(session);
        }
    } else {
        ActivateWindow(session, top, WA_CLICKACTIVE);
    }
    return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

}  // namespace

bool PrepareMouseMessage(Session& session, const MSG& msg) {
    const bool nonClient = IsNonClientMouseMessage(msg.message);
    const UINT clientMessage = nonClient ? ClientMouseMessage(msg.message) : msg.message;
    if (!SetsCursor(clientMessage) || session.Get(msg.hwnd) == nullptr ||
        session.Get(session.input.capture) != nullptr) {
        return true;
    }
    const LRESULT hit = nonClient ? static_cast<LRESULT>(msg.wParam) : HTCLIENT;
    const UINT raw = PressOf(clientMessage);
    bool delivered = true;
    if (IsButtonDown(clientMessage)) {
        if (!nonClient) {
            NotifyParentsOfPress(session, msg.hwnd, raw, msg.pt);
        }
        delivered = ActivateByMouse(session, msg.hwnd, hit, raw);
    }
    if (session.Get(msg.hwnd) != nullptr) {
        SendMessage(msg.hwnd, WM_SETCURSOR, static_cast<WPARAM>(msg.hwnd.Value()),
                    MAKELPARAM(static_cast<int>(hit), static_cast<int>(raw)));
    }
    return delivered && session.Get(msg.hwnd) != nullptr;
}

}  // namespace win::user
