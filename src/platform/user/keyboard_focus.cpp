#include "platform/user/keyboard_focus.h"

#include "platform/user/messaging.h"
#include "platform/user/session.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_messages.h"

namespace win {

namespace user {

bool IsDescendant(const Session& session, HWND candidate, HWND ancestor) {
    const Window* window = session.Get(candidate);
    while (window != nullptr && window->IsChild()) {
        if (window->parent == ancestor) {
            return true;
        }
        window = session.Get(window->parent);
    }
    return false;
}

void MoveFocus(Session& session, HWND to) {
    const HWND from = session.input.focus;
    if (from == to) {
        return;
    }
    // The new focus is already in place while the old one hears WM_KILLFOCUS.
    session.input.focus = to;
    if (session.Get(from) != nullptr) {
        SendMessage(from, WM_KILLFOCUS, static_cast<WPARAM>(to.Value()), 0);
    }
    if (to && session.input.focus == to && session.Get(to) != nullptr) {
        SendMessage(to, WM_SETFOCUS, static_cast<WPARAM>(from.Value()), 0);
    }
}

}  // namespace user

HWND SetFocus(HWND hWnd) {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return nullptr;
    }
    const HWND previous = session->input.focus;
    if (!hWnd) {
        user::MoveFocus(*session, nullptr);
        return previous;
    }
    user::Window* window = session->Get(hWnd);
    if (window == nullptr) {
        return nullptr;
    }
    user::Window* topLevel = user::TopLevelOf(*session, *window);
    if (topLevel != nullptr && session->input.active != topLevel->handle &&
        user::IsActivatable(*topLevel)) {
        user::ActivateWindow(*session, topLevel->handle, WA_ACTIVE);
    }
    if (session->Get(hWnd) != nullptr) {
        user::MoveFocus(*session, hWnd);
    }
    return previous;
}

HWND GetFocus() {
    user::Session* session = user::Current();
    return session && session->Get(session->input.focus) ? session->input.focus : HWND{};
}

short GetKeyState(int nVirtKey) {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return 0;
    }
    const std::uint8_t state = session->input.keys[static_cast<std::size_t>(nVirtKey & 0xFF)];
    return static_cast<short>(((state & user::InputState::kKeyDown) ? 0x8000 : 0) |
                              (state & user::InputState::kKeyToggled));
}

short GetAsyncKeyState(int vKey) {
    return static_cast<short>(GetKeyState(vKey) & static_cast<short>(0x8000));
}

}  // namespace win
