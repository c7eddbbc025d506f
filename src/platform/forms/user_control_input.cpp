#include "platform/forms/user_control.h"
#include "platform/user/user.h"

namespace win::forms {
namespace {

int ButtonOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            return vbLeftButton;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            return vbRightButton;
        default:
            return vbMiddleButton;
    }
}

int HeldButtons(WPARAM keys) {
    return ((keys & MK_LBUTTON) ? vbLeftButton : 0) | ((keys & MK_RBUTTON) ? vbRightButton : 0) |
           ((keys & MK_MBUTTON) ? vbMiddleButton : 0);
}

bool Down(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

int MouseShift(WPARAM keys) {
    return ((keys & MK_SHIFT) ? vbShiftMask : 0) | ((keys & MK_CONTROL) ? vbCtrlMask : 0) |
           (Down(VK_MENU) ? vbAltMask : 0);
}

int KeyShift(bool systemKey) {
    return (Down(VK_SHIFT) ? vbShiftMask : 0) | (Down(VK_CONTROL) ? vbCtrlMask : 0) |
           ((systemKey || Down(VK_MENU)) ? vbAltMask : 0);
}

}  // namespace

void UserControl::UserControl_MouseDown(int, int, float, float) {}
void UserControl::UserControl_MouseMove(int, int, float, float) {}
void UserControl::UserControl_MouseUp(int, int, float, float) {}
void UserControl::UserControl_KeyDown(int&, int) {}
void UserControl::UserControl_KeyUp(int&, int) {}

// A press takes the focus and the mouse, so the release comes back here wherever it happens.
bool UserControl::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto x = static_cast<float>(GET_X_LPARAM(lParam));
    const auto y = static_cast<float>(GET_Y_LPARAM(lParam));
    const int shift = MouseShift(wParam);
    switch (message) {
        case WM_MOUSEMOVE:
            RaiseEvent([&] { UserControl_MouseMove(HeldButtons(wParam), shift, x, y); });
            return true;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            if (CanTakeFocus() && GetFocus() != window_) {
                win::SetFocus(window_);
            }
            SetCapture(window_);
            RaiseEvent([&] { UserControl_MouseDown(ButtonOf(message), shift, x, y); });
            return true;
        case WM_LBUTTONDBLCLK:
            SetCapture(window_);
            RaiseEvent([this] { UserControl_DblClick(); });
            return true;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            RaiseEvent([&] { UserControl_MouseUp(ButtonOf(message), shift, x, y); });
            // The hook may have unloaded the form.
            if (window_ && HeldButtons(wParam) == 0 && GetCapture() == window_) {
                ReleaseCapture();
            }
            return true;
        default:
            return false;
    }
}

bool UserControl::HandleKey(UINT message, WPARAM wParam) {
    int key = static_cast<int>(wParam);
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            const int shift = KeyShift(message == WM_SYSKEYDOWN);
            RaiseEvent([&] { UserControl_KeyDown(key, shift); });
            return message == WM_KEYDOWN;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            const int shift = KeyShift(message == WM_SYSKEYUP);
            RaiseEvent([&] { UserControl_KeyUp(key, shift); });
            return message == WM_KEYUP;
        }
        case WM_CHAR:
            RaiseEvent([&] { UserControl_KeyPress(key); });
            return true;
        default:
            return false;
    }
}

}  // namespace win::forms
