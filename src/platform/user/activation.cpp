#include "platform/user/activation.h"

#include "platform/user/messaging.h"
#include "platform/user/session.h"
#include "platform/user/surface.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_styles.h"

namespace win {

namespace {

void RaiseTopLevel(user::Session& session, user::Window& window) {
    auto& order = session.topLevels;
    std::erase(order, window.handle);
    auto position = order.begin();
    if (!(window.exStyle & WS_EX_TOPMOST)) {
        position = std::find_if(order.begin(), order.end(), [&](HWND other) {
            const user::Window* found = session.Get(other);
            return found == nullptr || !(found->exStyle & WS_EX_TOPMOST);
        });
    }
    order.insert(position, window.handle);
}

void DropFocusLeftIn(user::Session& session, HWND oldActive) {
    const HWND focus = session.input.focus;
    if (focus && (focus == oldActive || user::IsDescendant(session, focus, oldActive))) {
        user::MoveFocus(session, nullptr);
    }
}

}  // namespace

namespace user {

bool IsActivatable(const Window& window) {
    return !window.IsChild() && window.IsVisible() && window.IsEnabled() && !IsHostPopup(window);
}

void ActivateWindow(Session& session, HWND handle, WPARAM how) {
    Window* window = session.Get(handle);
    if (window == nullptr) {
        return;
    }
    window = TopLevelOf(session, *window);
    if (window == nullptr || !IsActivatable(*window) || session.input.active == window->handle) {
        return;
    }
    const HWND target = window->handle;
    const auto held = session.Hold(target);
    const HWND previous = session.input.active;
    if (session.Get(previous) != nullptr) {
        SendMessage(previous, WM_NCACTIVATE, 0, target.Value());
        SendMessage(previous, WM_ACTIVATE, WA_INACTIVE, target.Value());
    }
    if ((window = session.Get(target)) == nullptr) {
        return;
    }
    session.input.active = target;
    RaiseTopLevel(session, *window);
    if (window->surface) {
        session.Host().Activate(EnsureNativeWindow(session, *window));
    }
    SendMessage(target, WM_NCACTIVATE, 1, previous.Value());
    SendMessage(target, WM_ACTIVATE, how, previous.Value());
    if (session.input.active == target) {
        DropFocusLeftIn(session, previous);
    }
}

void DeactivateActive(Session& session, HWND next) {
    if (next && session.Get(next) != nullptr) {
        ActivateWindow(session, next, WA_ACTIVE);
        if (session.input.active == next) {
            return;
        }
    }
    const HWND previous = session.input.active;
    if (!previous) {
        return;
    }
    session.input.active = nullptr;
    if (session.Get(previous) != nullptr) {
        SendMessage(previous, WM_NCACTIVATE, 0, 0);
        SendMessage(previous, WM_ACTIVATE, WA_INACTIVE, 0);
    }
    DropFocusLeftIn(session, previous);
}

}  // namespace user

HWND SetActiveWindow(HWND hWnd) {
    user::Session* session = user::Current();
    if (session == nullptr || session->Get(hWnd) == nullptr) {
        return nullptr;
    }
    const HWND previous = session->input.active;
    user::ActivateWindow(*session, hWnd, WA_ACTIVE);
    return session->input.active != previous ? previous : HWND{};
}

HWND GetActiveWindow() {
    user::Session* session = user::Current();
    return session && session->Get(session->input.active) ? session->input.active : HWND{};
}

bool SetForegroundWindow(HWND hWnd) {
    user::Session* session = user::Current();
    user::Window* window = session ? session->Get(hWnd) : nullptr;
    if (window == nullptr) {
        return false;
    }
    user::ActivateWindow(*session, hWnd, WA_ACTIVE);
    if (user::Window* topLevel = user::TopLevelOf(*session, *window);
        topLevel && topLevel->surface && topLevel->surface->HasNative()) {
        session->Host().Raise(topLevel->surface->Native());
    }
    return true;
}

HWND GetForegroundWindow() {
    return GetActiveWindow();
}

}  // namespace win
