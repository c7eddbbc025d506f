#include "platform/host/headless/headless_host.h"

#include "platform/host/virtual_keys.h"

#include <utility>

namespace win::host {

namespace {

void UpdateModifiers(Modifiers& modifiers, int virtualKey, bool down) {
    switch (virtualKey) {
        case VK_SHIFT:
        case VK_LSHIFT:
        case VK_RSHIFT:
            modifiers.shift = down;
            break;
        case VK_CONTROL:
        case VK_LCONTROL:
        case VK_RCONTROL:
            modifiers.control = down;
            break;
        case VK_MENU:
        case VK_LMENU:
        case VK_RMENU:
            modifiers.alt = down;
            break;
        default:
            break;
    }
}

bool AnyHeld(const MouseButtons& buttons) {
    return buttons.left || buttons.right || buttons.middle || buttons.x1 || buttons.x2;
}

}  // namespace

WindowId HeadlessHost::WindowAt(Point screen) const {
    return stack_.FindFromTop([&](WindowId id) {
        const headless::HeadlessWindow& window = windows_.at(id);
        return window.OnScreen() && window.ContainsScreenPoint(screen);
    });
}

WindowId HeadlessHost::MouseTarget() const {
    if (grab_ != WindowId::None) {
        return grab_;
    }
    // While a button is held the pressed window keeps the pointer, as desktops do.
    if (AnyHeld(buttons_) && windows_.contains(pressTarget_)) {
        return pressTarget_;
    }
    return WindowAt(cursor_);
}

void HeadlessHost::QueueMouse(WindowId window, MouseAction action, MouseButton button,
                              int wheelDelta) {
    if (window == WindowId::None) {
        return;
    }
    MouseEvent event{action, cursor_, button, buttons_, modifiers_, wheelDelta};
    Queue([window, event](EventSink& sink) { sink.OnMouse(window, event); });
}

void HeadlessHost::UpdateHover() {
    if (grab_ != WindowId::None || AnyHeld(buttons_)) {
        return;
    }
    const WindowId under = WindowAt(cursor_);
    if (under == hovered_) {
        return;
    }
    QueueMouse(hovered_, MouseAction::Leave, MouseButton::None);
    QueueMouse(under, MouseAction::Enter, MouseButton::None);
    hovered_ = under;
}

void HeadlessHost::SetButton(MouseButton button, bool down) {
    switch (button) {
        case MouseButton::Left:
            buttons_.left = down;
            break;
        case MouseButton::Right:
            buttons_.right = down;
            break;
        case MouseButton::Middle:
            buttons_.middle = down;
            break;
        case MouseButton::X1:
            buttons_.x1 = down;
            break;
        case MouseButton::X2:
            buttons_.x2 = down;
            break;
        case MouseButton::None:
            break;
    }
}

void HeadlessHost::MoveMouse(Point screen) {
    cursor_ = screen;
    UpdateHover();
    QueueMouse(MouseTarget(), MouseAction::Move, MouseButton::None);
    RunLoopStep();
}

void HeadlessHost::PressMouse(MouseButton button) {
    const bool first = !AnyHeld(buttons_);
    const WindowId target = MouseTarget();
    if (first) {
        pressTarget_ = target;
    }
    const headless::HeadlessWindow* window = FindWindow(target);
    if (grab_ == WindowId::None && window != nullptr &&
        window->request.kind == WindowKind::TopLevel) {
        SetActive(target);
    }
    SetButton(button, true);
    QueueMouse(target, MouseAction::Press, button);
    RunLoopStep();
}

void HeadlessHost::ReleaseMouse(MouseButton button) {
    const WindowId target = MouseTarget();
    SetButton(button, false);
    QueueMouse(target, MouseAction::Release, button);
    UpdateHover();
    RunLoopStep();
}

void HeadlessHost::DoubleClickMouse(MouseButton button) {
    const WindowId target = MouseTarget();
    if (!AnyHeld(buttons_)) {
        pressTarget_ = target;
    }
    SetButton(button, true);
    QueueMouse(target, MouseAction::DoubleClick, button);
    RunLoopStep();
}

void HeadlessHost::Click(Point screen, MouseButton button) {
    MoveMouse(screen);
    PressMouse(button);
    ReleaseMouse(button);
}

void HeadlessHost::Wheel(int delta) {
    QueueMouse(MouseTarget(), MouseAction::Wheel, MouseButton::None, delta);
    RunLoopStep();
}

void HeadlessHost::KeyDown(int virtualKey, bool autoRepeat) {
    UpdateModifiers(modifiers_, virtualKey, true);
    const WindowId target = grab_ != WindowId::None ? grab_ : active_;
    if (target != WindowId::None) {
        KeyEvent event{KeyAction::Down, virtualKey, autoRepeat, modifiers_};
        Queue([target, event](EventSink& sink) { sink.OnKey(target, event); });
    }
    RunLoopStep();
}

void HeadlessHost::KeyUp(int virtualKey) {
    UpdateModifiers(modifiers_, virtualKey, false);
    const WindowId target = grab_ != WindowId::None ? grab_ : active_;
    if (target != WindowId::None) {
        KeyEvent event{KeyAction::Up, virtualKey, false, modifiers_};
        Queue([target, event](EventSink& sink) { sink.OnKey(target, event); });
    }
    RunLoopStep();
}

void HeadlessHost::TypeText(std::string_view utf8) {
    const WindowId target = grab_ != WindowId::None ? grab_ : active_;
    if (target != WindowId::None) {
        Queue([target, text = std::string(utf8)](EventSink& sink) { sink.OnText(target, text); });
    }
    RunLoopStep();
}

bool HeadlessHost::TrayInput(TrayAction action, MouseButton button) {
    if (!tray_.shown) {
        return false;
    }
    TrayEvent event{action, button, cursor_};
    Queue([event](EventSink& sink) { sink.OnTrayIcon(event); });
    RunLoopStep();
    return true;
}

void HeadlessHost::RequestClose(WindowId window) {
    if (windows_.contains(window)) {
        Queue([window](EventSink& sink) { sink.OnCloseRequested(window); });
    }
    RunLoopStep();
}

void HeadlessHost::EndSession() {
    Queue([](EventSink& sink) { sink.OnSessionEnding(); });
    RunLoopStep();
}

void HeadlessHost::ChangeSystemColors() {
    Queue([](EventSink& sink) { sink.OnSystemColorsChanged(); });
    RunLoopStep();
}

void HeadlessHost::ChangeTheme() {
    Queue([](EventSink& sink) { sink.OnThemeChanged(); });
    RunLoopStep();
}

void HeadlessHost::ChangeDisplay(Size size, Rect workArea) {
    SetScreen(size, workArea);
    Queue([](EventSink& sink) { sink.OnDisplayChanged(); });
    RunLoopStep();
}

void HeadlessHost::MinimizeFromDesktop(WindowId window, bool minimized) {
    if (Find(window) != nullptr) {
        SetMinimized(window, minimized);
        Queue([window, minimized](EventSink& sink) { sink.OnMinimizedChanged(window, minimized); });
    }
    RunLoopStep();
}

void HeadlessHost::DragWindow(WindowId window, Rect content) {
    if (headless::HeadlessWindow* found = Find(window)) {
        found->ResizeContent(content);
        Queue([window, content](EventSink& sink) { sink.OnGeometryChanged(window, content); });
    }
    RunLoopStep();
}

}  // namespace win::host
