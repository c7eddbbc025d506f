#include <optional>
#include "platform/controls/button.h"
#include "platform/controls/button_press_tracker.h"
#include "platform/controls/control_classes.h"
#include "platform/controls/control_state_table.h"
#include "platform/controls/control_support.h"
#include "platform/controls/owner_draw.h"
#include "platform/controls/push_button_painter.h"

#include "platform/user/def_window_proc.h"
#include "platform/user/keyboard_focus.h"
#include "platform/user/messaging.h"
#include "platform/user/mouse_capture.h"
#include "platform/user/painting.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_data.h"
#include "platform/user/window_geometry.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_state.h"
#include "platform/user/window_tree.h"

namespace win::controls {
namespace {

struct ButtonState {
    ButtonPressTracker press;
    bool pushedByMessage = false;
    bool focused = false;
    HFONT font;
};

ControlStateTable<ButtonState> Buttons() {
    return {};
}

DWORD ButtonType(HWND button) {
    return static_cast<DWORD>(GetWindowLongPtr(button, GWL_STYLE)) & BS_TYPEMASK;
}

bool LooksPushed(const ButtonState& state) {
    return state.press.LooksPressed() || state.pushedByMessage;
}

void Redraw(HWND button) {
    InvalidateRect(button, nullptr, false);
}

void RedrawWhen(HWND button, bool changed) {
    if (changed) {
        Redraw(button);
    }
}

bool IsInsideClient(HWND button, LPARAM position) {
    RECT client;
    GetClientRect(button, &client);
    return IsInside(client, PointFromLParam(position));
}

void SendDrawItem(HWND button, const ButtonState& state, HDC dc, const RECT& client) {
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetWindowLongPtr(button, GWLP_ID));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = (LooksPushed(state) ? ODS_SELECTED : 0) | (state.focused ? ODS_FOCUS : 0) |
                     (IsWindowEnabled(button) ? 0 : ODS_DISABLED);
    item.hwndItem = button;
    item.hDC = dc;
    item.rcItem = client;
    SendMessage(GetParent(button), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

void Paint(HWND button, const ButtonState& state, HDC dc) {
    RECT client;
    GetClientRect(button, &client);
    const DWORD type = ButtonType(button);
    if (type == BS_OWNERDRAW) {
        SendDrawItem(button, state, dc, client);
        return;
    }
    PushButtonLook look;
    look.pressed = LooksPushed(state);
    look.focused = state.focused;
    look.isDefault = type == BS_DEFPUSHBUTTON || state.focused;
    look.enabled = IsWindowEnabled(button);
    PaintPushButton(dc, client, look, GetWindowText(button), FontOrDefault(state.font));
}

void OnPaint(HWND button, const ButtonState& state) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(button, &paint);
    if (dc) {
        Paint(button, state, dc);
    }
    EndPaint(button, &paint);
}

void OnMouseUp(HWND button, ButtonState& state, LPARAM position) {
    if (!state.press.MouseHeld()) {
        return;
    }
    const bool clicks = state.press.MouseUp(IsInsideClient(button, position));
    if (GetCapture() == button) {
        ReleaseCapture();
    }
    Redraw(button);
    if (clicks) {
        NotifyParent(button, BN_CLICKED);
    }
}

void OnSetStyle(HWND button, WPARAM style, LPARAM redraw) {
    const auto current = static_cast<DWORD>(GetWindowLongPtr(button, GWL_STYLE));
    const DWORD next = (current & ~DWORD{0xFFFF}) | LOWORD(style);
    SetWindowLongPtr(button, GWL_STYLE, static_cast<LONG_PTR>(next));
    if (redraw != 0) {
        InvalidateRect(button, nullptr, true);
    }
}

std::optional<LRESULT> HandleStateMessage(HWND button, ButtonState& state, UINT message,
                                          WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint(button, state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFONT:
            state.font = HFONT::FromValue(wParam);
            RedrawWhen(button, LOWORD(static_cast<WPARAM>(lParam)) != 0);
            return 0;
        case WM_GETFONT:
            return static_cast<LRESULT>(state.font.Value());
        case WM_SETFOCUS:
            state.focused = true;
            Redraw(button);
            return 0;
        case WM_KILLFOCUS:
            state.focused = false;
            state.press.Cancel();
            if (GetCapture() == button) {
                ReleaseCapture();
            }
            Redraw(button);
            return 0;
        case WM_ENABLE:
            Redraw(button);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetFocus(button);
            SetCapture(button);
            RedrawWhen(button, state.press.MouseDown());
            return 0;
        case WM_MOUSEMOVE:
            if (state.press.MouseHeld()) {
                RedrawWhen(button, state.press.MouseMove(IsInsideClient(button, lParam)));
            }
            return 0;
        case WM_LBUTTONUP:
            OnMouseUp(button, state, lParam);
            return 0;
        case WM_CAPTURECHANGED:
            if (state.press.MouseHeld()) {
                RedrawWhen(button, state.press.Cancel());
            }
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) {
                RedrawWhen(button, state.press.SpaceDown());
                return 0;
            }
            break;
        case WM_KEYUP:
            if (wParam == VK_SPACE) {
                const bool clicks = state.press.SpaceUp();
                Redraw(button);
                if (clicks) {
                    NotifyParent(button, BN_CLICKED);
                }
                return 0;
            }
            break;
        case BM_GETSTATE:
            return (LooksPushed(state) ? BST_PUSHED : 0) | (state.focused ? BST_FOCUS : 0);
        case BM_SETSTATE:
            state.pushedByMessage = wParam != 0;
            Redraw(button);
            return 0;
        case BM_SETSTYLE:
            OnSetStyle(button, wParam, lParam);
            return 0;
        case BM_GETCHECK:
            return BST_UNCHECKED;
        case BM_CLICK:
            NotifyParent(button, BN_CLICKED);
            return 0;
        default:
            break;
    }
    return std::nullopt;
}

LRESULT ButtonWindowProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        Buttons().Create(button);
    }
    if (message == WM_NCDESTROY) {
        const auto released = Buttons().Release(button);
        return DefWindowProc(button, message, wParam, lParam);
    }
    if (message == WM_SETTEXT) {
        const LRESULT result = DefWindowProc(button, message, wParam, lParam);
        Redraw(button);
        return result;
    }
    if (ButtonState* state = Buttons().Find(button)) {
        if (const auto handled = HandleStateMessage(button, *state, message, wParam, lParam)) {
            return *handled;
        }
    }
    return DefWindowProc(button, message, wParam, lParam);
}

}  // namespace

bool RegisterButtonClass() {
    WNDCLASS windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ButtonWindowProc;
    windowClass.lpszClassName = kButtonClassName;
    return EnsureClassRegistered(windowClass);
}

}  // namespace win::controls
