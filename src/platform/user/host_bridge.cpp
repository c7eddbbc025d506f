#include "platform/user/host_bridge.h"

#include <algorithm>
#include <string>

#include "platform/gdi/text/utf8.h"
#include "platform/user/messaging.h"
#include "platform/user/mouse_tracking.h"
#include "platform/user/non_client_hit_test.h"
#include "platform/user/shell_notify_icon.h"
#include "platform/user/surface.h"
#include "platform/user/user_internal.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_geometry.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_styles.h"

namespace win::user {

namespace {

WPARAM MouseKeyFlags(const host::MouseButtons& buttons, const host::Modifiers& modifiers) {
    WPARAM flags = 0;
    flags |= buttons.left ? MK_LBUTTON : 0;
    flags |= buttons.right ? MK_RBUTTON : 0;
    flags |= buttons.middle ? MK_MBUTTON : 0;
    flags |= buttons.x1 ? MK_XBUTTON1 : 0;
    flags |= buttons.x2 ? MK_XBUTTON2 : 0;
    flags |= modifiers.shift ? MK_SHIFT : 0;
    flags |= modifiers.control ? MK_CONTROL : 0;
    return flags;
}

UINT ButtonMessage(host::MouseButton button, host::MouseAction action, bool doubleClicks) {
    const bool down = action == host::MouseAction::Press ||
                      (action == host::MouseAction::DoubleClick && !doubleClicks);
    const bool dbl = action == host::MouseAction::DoubleClick && doubleClicks;
    switch (button) {
        case host::MouseButton::Left:
            return dbl ? WM_LBUTTONDBLCLK : down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
        case host::MouseButton::Right:
            return dbl ? WM_RBUTTONDBLCLK : down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        case host::MouseButton::Middle:
            return dbl ? WM_MBUTTONDBLCLK : down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
        default:
            return WM_NULL;
    }
}

UINT TrayMouseMessage(const host::TrayEvent& event) {
    if (event.action == host::TrayAction::Move) {
        return WM_MOUSEMOVE;
    }
    const host::MouseAction action =
        event.action == host::TrayAction::Press     ? host::MouseAction::Press
        : event.action == host::TrayAction::Release ? host::MouseAction::Release
                                                    : host::MouseAction::DoubleClick;
    return ButtonMessage(event.button, action, true);
}

// The lParam of a key message: repeat count in the low word, then the context (Alt held), the
// previous state and the transition bits.
constexpr std::uint32_t kKeyRepeatCountOne = 1;
constexpr std::uint32_t kKeyContextAlt = 1u << 29;
constexpr std::uint32_t kKeyPreviouslyDown = 1u << 30;
constexpr std::uint32_t kKeyTransitionUp = 1u << 31;

void SetKey(InputState& input, int virtualKey, bool down) {
    std::uint8_t& state = input.keys[static_cast<std::size_t>(virtualKey & 0xFF)];
    if (down && !(state & InputState::kKeyDown)) {
        state ^= InputState::kKeyToggled;
    }
    state = down ? (state | InputState::kKeyDown) : (state & ~InputState::kKeyDown);
}

// The generic key follows its left and right variants.
int GenericKey(int virtualKey) {
    switch (virtualKey) {
        case VK_LSHIFT:
        case VK_RSHIFT:
            return VK_SHIFT;
        case VK_LCONTROL:
        case VK_RCONTROL:
            return VK_CONTROL;
        case VK_LMENU:
        case VK_RMENU:
            return VK_MENU;
        default:
            return virtualKey;
    }
}

// What a keyboard layout would type for a key-down that the host reports as a key only.
std::optional<std::pair<UINT, WPARAM>> CharacterOfKey(const host::KeyEvent& event) {
    const int key = event.virtualKey;
    const bool letter = key >= 'A' && key <= 'Z';
    const bool digit = key >= '0' && key <= '9';
    if (event.modifiers.alt) {
        if (letter || digit) {
            const int ch = letter && !event.modifiers.shift ? key - 'A' + 'a' : key;
            return std::pair{WM_SYSCHAR, static_cast<WPARAM>(ch)};
        }
        return std::nullopt;
    }
    if (event.modifiers.control && letter) {
        return std::pair{WM_CHAR, static_cast<WPARAM>(key - 'A' + 1)};
    }
    if (key == VK_BACK || key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE) {
        return std::pair{WM_CHAR, static_cast<WPARAM>(key)};
    }
    return std::nullopt;
}

void BroadcastTree(Session& session, HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (session.Get(handle) == nullptr) {
        return;
    }
    SendMessage(handle, message, wParam, lParam);
    const Window* window = session.Get(handle);
    if (window == nullptr) {
        return;
    }
    const std::vector<HWND> children = window->children;
    for (HWND child : children) {
        BroadcastTree(session, child, message, wParam, lParam);
    }
}

void BroadcastToAll(Session& session, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::vector<HWND> topLevels = session.topLevels;
    for (HWND window : topLevels) {
        BroadcastTree(session, window, message, wParam, lParam);
    }
}

void SendToTopLevels(Session& session, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::vector<HWND> topLevels = session.topLevels;
    for (HWND window : topLevels) {
        SendMessage(window, message, wParam, lParam);
    }
}

bool IsPress(host::MouseAction action) {
    return action == host::MouseAction::Press || action == host::MouseAction::DoubleClick;
}

HWND KeyboardTarget(const Session& session) {
    if (session.Get(session.input.focus) != nullptr) {
        return session.input.focus;
    }
    return session.Get(session.input.active) ? session.input.active : HWND{};
}

}  // namespace

void HostBridge::UpdateMouseButtons(const host::MouseEvent& event) {
    SetKey(session_.input, VK_LBUTTON, event.buttons.left);
    SetKey(session_.input, VK_RBUTTON, event.buttons.right);
    SetKey(session_.input, VK_MBUTTON, event.buttons.middle);
    SetKey(session_.input, VK_XBUTTON1, event.buttons.x1);
    SetKey(session_.input, VK_XBUTTON2, event.buttons.x2);
    UpdateModifiers(event.modifiers);
}

void HostBridge::UpdateModifiers(const host::Modifiers& modifiers) {
    SetKey(session_.input, VK_SHIFT, modifiers.shift);
    SetKey(session_.input, VK_CONTROL, modifiers.control);
    SetKey(session_.input, VK_MENU, modifiers.alt);
}

void HostBridge::OnMouse(host::WindowId native, const host::MouseEvent& event) {
    const HWND topLevel = session_.FindByNative(native);
    if (session_.Get(topLevel) == nullptr) {
        return;
    }
    // The desktop activates what is clicked; here the window's WM_MOUSEACTIVATE decides, as the
    // press is taken from the queue.
    if (IsPress(event.action) && session_.Get(session_.input.capture) == nullptr) {
        pressed_.push_back(topLevel);
        if (activated_ == topLevel) {
            activated_.reset();
        }
    }
    // Finding the window under the pointer asks window procedures (WM_NCHITTEST).
    Defer([this, topLevel, event] { DeliverMouse(topLevel, event); });
}

void HostBridge::DeliverMouse(HWND named, const host::MouseEvent& event) {
    if (session_.Get(named) == nullptr) {
        return;
    }
    const POINT screen{event.screen.x, event.screen.y};
    session_.input.cursor = screen;
    UpdateMouseButtons(event);
    // The move that follows says where the pointer is.
    if (event.action == host::MouseAction::Enter) {
        return;
    }
    const bool left = event.action == host::MouseAction::Leave;
    const MouseRoute route = left ? MouseRoute{} : RouteMouse(session_, screen, named);
    NotePointerOver(route.window, event.action);
    if (left) {
        return;
    }
    const bool captured = session_.Get(session_.input.capture) != nullptr;
    const Window* namedWindow = session_.Get(named);
    if (!captured &&
        (route.hit == HTERROR || namedWindow == nullptr || !namedWindow->IsEnabled())) {
        return;
    }
    const HWND target = captured ? session_.input.capture : route.window;
    if (session_.Get(target) == nullptr) {
        return;
    }
    if (event.action == host::MouseAction::Wheel) {
        const HWND focus = KeyboardTarget(session_) ? KeyboardTarget(session_) : target;
        PostInput(session_, focus, WM_MOUSEWHEEL,
                  MAKEWPARAM(static_cast<int>(MouseKeyFlags(event.buttons, event.modifiers)),
                             event.wheelDelta),
                  MAKELPARAM(screen.x, screen.y));
    } else if (!captured && route.hit != HTCLIENT) {
        PostNonClientMouse(target, route.hit, event);
    } else {
        PostClientMouse(target, event);
    }
}

// Leave and hover tracking follow the window the pointer is over; null when it left ours.
void HostBridge::NotePointerOver(HWND under, host::MouseAction action) {
    session_.input.mouseOver = under;
    PostLeaveNotices(session_, under);
    if (action == host::MouseAction::Leave || action == host::MouseAction::Move) {
        RestartHoverWaits(session_, under);
    }
}

void HostBridge::PostClientMouse(HWND target, const host::MouseEvent& event) {
    const Window* window = session_.Get(target);
    const WPARAM keys = MouseKeyFlags(event.buttons, event.modifiers);
    const POINT client = ClientOrigin(session_, *window);
    const LPARAM position = MAKELPARAM(event.screen.x - client.x, event.screen.y - client.y);
    if (event.action == host::MouseAction::Move) {
        PostInput(session_, target, WM_MOUSEMOVE, keys, position);
        return;
    }
    const bool doubleClicks = (window->windowClass->info.style & CS_DBLCLKS) != 0;
    const UINT message = ButtonMessage(event.button, event.action, doubleClicks);
    if (message != WM_NULL) {
        PostInput(session_, target, message, keys, position);
    }
}

// Outside the client area the message names the part hit and the point on the screen; double
// clicks come there whatever the class says.
void HostBridge::PostNonClientMouse(HWND target, LRESULT hit, const host::MouseEvent& event) {
    const UINT clientMessage = event.action == host::MouseAction::Move
                                   ? WM_MOUSEMOVE
                                   : ButtonMessage(event.button, event.action, true);
    if (clientMessage != WM_NULL) {
        PostInput(session_, target, NonClientMouseMessage(clientMessage), static_cast<WPARAM>(hit),
                  MAKELPARAM(event.screen.x, event.screen.y));
    }
}

void HostBridge::PostKey(HWND target, const host::KeyEvent& event) {
    const bool down = event.action == host::KeyAction::Down;
    const bool alt = event.modifiers.alt;
    const bool noFocus = !session_.Get(session_.input.focus);
    const bool system = noFocus || alt || event.virtualKey == VK_MENU || event.virtualKey == VK_F10;
    const UINT message =
        down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    std::uint32_t flags = kKeyRepeatCountOne;
    flags |= alt ? kKeyContextAlt : 0;
    flags |= (!down || event.autoRepeat) ? kKeyPreviouslyDown : 0;
    flags |= down ? 0 : kKeyTransitionUp;
    PostInput(session_, target, message, static_cast<WPARAM>(event.virtualKey),
              static_cast<LPARAM>(flags));
    if (down) {
        if (const auto character = CharacterOfKey(event)) {
            PostInput(session_, target, character->first, character->second,
                      static_cast<LPARAM>(flags));
        }
    }
}

void HostBridge::OnKey(host::WindowId native, const host::KeyEvent& event) {
    // Keys wait with the mouse, so that input stays in the order it came.
    Defer([this, native, event] { DeliverKey(native, event); });
}

void HostBridge::DeliverKey(host::WindowId native, const host::KeyEvent& event) {
    const bool down = event.action == host::KeyAction::Down;
    SetKey(session_.input, event.virtualKey, down);
    SetKey(session_.input, GenericKey(event.virtualKey), down);
    UpdateModifiers(event.modifiers);
    HWND target = KeyboardTarget(session_);
    if (!target) {
        target = session_.FindByNative(native);
    }
    if (session_.Get(target) != nullptr) {
        PostKey(target, event);
    }
}

void HostBridge::OnText(host::WindowId native, std::string_view utf8) {
    Defer([this, native, text = std::string(utf8)] { DeliverText(native, text); });
}

void HostBridge::DeliverText(host::WindowId native, std::string_view utf8) {
    HWND target = KeyboardTarget(session_);
    if (!target) {
        target = session_.FindByNative(native);
    }
    if (session_.Get(target) == nullptr) {
        return;
    }
    // Control characters come from their keys, not from committed text.
    for (char32_t ch : text::DecodeUtf8(utf8)) {
        if (ch >= 0x20 && ch != 0x7F) {
            PostInput(session_, target, WM_CHAR, static_cast<WPARAM>(ch), 1);
        }
    }
}

void HostBridge::OnCloseRequested(host::WindowId native) {
    const HWND window = session_.FindByNative(native);
    if (session_.Get(window) != nullptr) {
        PostMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

void HostBridge::OnActivationChanged(host::WindowId native, bool active) {
    const HWND window = session_.FindByNative(native);
    if (!window ||
        (active && std::find(pressed_.begin(), pressed_.end(), window) != pressed_.end())) {
        return;
    }
    if (active) {
        activated_ = window;
        deactivated_.reset();
    } else {
        if (activated_ == window) {
            activated_.reset();
        }
        deactivated_ = window;
    }
}

void HostBridge::OnExposed(host::WindowId native, host::Rect dirty) {
    if (Window* window = session_.Get(session_.FindByNative(native)); window && window->surface) {
        window->surface->AddDirty(ToRect(dirty));
    }
}

void HostBridge::OnGeometryChanged(host::WindowId native, host::Rect content) {
    const HWND window = session_.FindByNative(native);
    Defer([this, window, content] {
        Window* found = session_.Get(window);
        if (found == nullptr) {
            return;
        }
        RECT rect = ToRect(content);
        if (IsHostDecorated(*found)) {
            const host::Margins margins = session_.Host().DecorationMargins();
            rect = {rect.left - margins.left, rect.top - margins.top, rect.right + margins.right,
                    rect.bottom + margins.bottom};
        }
        SetWindowPos(window, nullptr, rect.left, rect.top, Width(rect), Height(rect),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    });
}

void HostBridge::OnMinimizedChanged(host::WindowId native, bool minimized) {
    const HWND window = session_.FindByNative(native);
    Defer([this, window, minimized] {
        if (Window* found = session_.Get(window)) {
            user::SetMinimized(session_, *found, minimized, true);
        }
    });
}

void HostBridge::OnPopupDismissed(host::WindowId native) {
    const HWND window = session_.FindByNative(native);
    if (session_.Get(window) != nullptr) {
        PostMessage(window, WM_CANCELMODE, 0, 0);
    }
}

void HostBridge::OnDisplayChanged() {
    Defer([this] {
        const host::Size size = session_.Host().ScreenSize();
        SendToTopLevels(session_, WM_DISPLAYCHANGE, 32, MAKELPARAM(size.width, size.height));
    });
}

void HostBridge::OnSystemColorsChanged() {
    Defer([this] { BroadcastToAll(session_, WM_SYSCOLORCHANGE, 0, 0); });
}

void HostBridge::OnThemeChanged() {
    Defer([this] { BroadcastToAll(session_, WM_THEMECHANGED, 0, 0); });
}

void HostBridge::OnTrayIcon(const host::TrayEvent& event) {
    session_.input.cursor = {event.screen.x, event.screen.y};
    const UINT mouseMessage = TrayMouseMessage(event);
    if (mouseMessage != WM_NULL) {
        PostTrayNotification(session_, mouseMessage);
    }
}

void HostBridge::OnSessionEnding() {
    Defer([this] {
        SendToTopLevels(session_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
        SendToTopLevels(session_, WM_ENDSESSION, 1, ENDSESSION_LOGOFF);
        PostQuitMessage(0);
    });
}

void HostBridge::RunDeferred() {
    if (activated_) {
        const HWND window = *activated_;
        activated_.reset();
        deactivated_.reset();
        if (session_.input.active != window) {
            ActivateWindow(session_, window, WA_ACTIVE);
        }
    } else if (deactivated_) {
        const HWND window = *deactivated_;
        deactivated_.reset();
        if (session_.input.active == window) {
            DeactivateActive(session_, nullptr);
        }
    }
    // Work may defer more work; take it in rounds.
    while (!deferred_.empty()) {
        std::vector<std::function<void()>> round = std::move(deferred_);
        deferred_.clear();
        for (auto& work : round) {
            work();
        }
    }
    pressed_.clear();
}

void PumpHost(Session& session) {
    session.Host().ProcessPendingEvents();
    session.Bridge().RunDeferred();
}

void WaitForHost(Session& session) {
    PresentDirtySurfaces(session);
    session.UpdateWakeUp();
    session.Host().WaitForEvents();
    session.Bridge().RunDeferred();
}

}  // namespace win::user
