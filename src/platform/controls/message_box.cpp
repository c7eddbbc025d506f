#include "platform/controls/message_box.h"

#include <algorithm>
#include <string>

#include "platform/controls/button.h"
#include "platform/controls/control_classes.h"
#include "platform/controls/control_state_table.h"
#include "platform/controls/control_support.h"
#include "platform/controls/tooltip_icons.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/text/utf8.h"
#include "platform/user/user.h"

namespace win::controls {
namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kMaxTextWidth = 420;

struct MessageBoxState {
    std::string text;
    int icon = 0;
    RECT iconBox{};
    RECT textBox{};
    bool done = false;
};

ControlStateTable<MessageBoxState>& Boxes() {
    static ControlStateTable<MessageBoxState> table;
    return table;
}

int IconOf(UINT type) {
    switch (type & MB_ICONMASK) {
        case MB_ICONINFORMATION:
            return 1;
        case MB_ICONWARNING:
            return 2;
        case MB_ICONERROR:
            return 3;
        default:
            return 0;
    }
}

// The information, warning and error pictures at twice the tip's size.
void DrawBoxIcon(HDC dc, const RECT& box, int icon) {
    const HDC small = CreateCompatibleDC(dc);
    const HBITMAP picture = CreateCompatibleBitmap(dc, 16, 16);
    const HBITMAP previous = SelectObject(small, picture);
    const RECT all{0, 0, 16, 16};
    FillRect(small, &all, GetSysColorBrush(COLOR_3DFACE));
    DrawTitleIcon(small, 0, 0, icon);
    StretchBlt(dc, box.left, box.top, kIconSize, kIconSize, small, 0, 0, 16, 16, SRCCOPY);
    SelectObject(small, previous);
    DeleteObject(picture);
    DeleteDC(small);
}

void Paint(HWND box, const MessageBoxState& state) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(box, &paint);
    if (dc) {
        RECT client;
        GetClientRect(box, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
        if (state.icon != 0) {
            DrawBoxIcon(dc, state.iconBox, state.icon);
        }
        const HFONT previous = SelectObject(dc, FontOrDefault(nullptr));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        RECT text = state.textBox;
        DrawText(dc, state.text, -1, &text, DT_WORDBREAK | DT_NOPREFIX | DT_LEFT);
        if (previous) {
            SelectObject(dc, previous);
        }
    }
    EndPaint(box, &paint);
}

LRESULT MessageBoxWindowProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        Boxes().Create(box);
    }
    if (message == WM_NCDESTROY) {
        const auto released = Boxes().Release(box);
        return DefWindowProc(box, message, wParam, lParam);
    }
    MessageBoxState* state = Boxes().Find(box);
    if (state == nullptr) {
        return DefWindowProc(box, message, wParam, lParam);
    }
    switch (message) {
        case WM_PAINT:
            Paint(box, *state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                state->done = true;
            }
            return 0;
        case WM_CLOSE:
            state->done = true;
            return 0;
        default:
            return DefWindowProc(box, message, wParam, lParam);
    }
}

SIZE MeasureText(std::string_view text) {
    const HDC screen = GetDC(nullptr);
    const HFONT previous = SelectObject(screen, FontOrDefault(nullptr));
    RECT box{0, 0, kMaxTextWidth, 0};
    DrawText(screen, text, -1, &box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    if (previous) {
        SelectObject(screen, previous);
    }
    ReleaseDC(nullptr, screen);
    return {box.right - box.left, box.bottom - box.top};
}

// Lays the box out and returns its client size.
SIZE LayOut(MessageBoxState& state) {
    const SIZE text = MeasureText(state.text);
    const int textLeft = kMargin + (state.icon != 0 ? kIconSize + kMargin : 0);
    const int contentHeight = std::max<int>(text.cy, state.icon != 0 ? kIconSize : 0);
    state.iconBox = {kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize};
    const int textTop = kMargin + (contentHeight - text.cy) / 2;
    state.textBox = {textLeft, textTop, textLeft + text.cx, textTop + text.cy};
    const int width = std::max(textLeft + text.cx + kMargin, kButtonWidth + 2 * kMargin);
    const int height = kMargin + contentHeight + kMargin + kButtonHeight + kMargin;
    return {std::max(width, 160), height};
}

// Centred on the owner's window, or on the screen without one.
POINT CentreFor(HWND owner, SIZE size) {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner) {
        GetWindowRect(GetAncestor(owner, GA_ROOT), &area);
    }
    return {std::max<int>(0, (area.left + area.right - size.cx) / 2),
            std::max<int>(0, (area.top + area.bottom - size.cy) / 2)};
}

bool IsInBox(HWND box, HWND window) {
    return window == box || IsChild(box, window);
}

void RunModalLoop(HWND box) {
    while (IsWindow(box)) {
        MessageBoxState* state = Boxes().Find(box);
        if (state == nullptr || state->done) {
            return;
        }
        MSG message;
        const int got = GetMessage(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam));
            }
            return;
        }
        const bool dialogKey = message.message == WM_KEYDOWN && IsInBox(box, message.hwnd) &&
                               (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE);
        if (dialogKey) {
            state->done = true;
            continue;
        }
        DispatchMessage(&message);
    }
}

}  // namespace

bool RegisterMessageBoxClass() {
    WNDCLASS windowClass;
    windowClass.style = CS_SAVEBITS | CS_DBLCLKS;
    windowClass.lpfnWndProc = MessageBoxWindowProc;
    windowClass.lpszClassName = kMessageBoxClassName;
    return EnsureClassRegistered(windowClass);
}

}  // namespace win::controls

namespace win {

int MessageBox(HWND hWnd, std::string_view lpText, std::string_view lpCaption, UINT uType) {
    using namespace controls;
    if (!RegisterMessageBoxClass() || !RegisterButtonClass()) {
        return 0;
    }
    const HWND owner = hWnd ? GetAncestor(hWnd, GA_ROOT) : HWND();
    const HWND box =
        CreateWindowEx(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, kMessageBoxClassName, lpCaption,
                       WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 10, 10, owner);
    MessageBoxState* state = Boxes().Find(box);
    if (state == nullptr) {
        return 0;
    }
    state->text = text::EncodeUtf8(text::DecodeUtf8(lpText));
    state->icon = IconOf(uType);
    const SIZE client = LayOut(*state);
    const POINT place = CentreFor(owner, client);
    MoveWindow(box, place.x, place.y, client.cx, client.cy, false);
    // The window may keep room for a frame of its own: grow it until the client fits.
    RECT actual;
    GetClientRect(box, &actual);
    MoveWindow(box, place.x, place.y, 2 * client.cx - actual.right, 2 * client.cy - actual.bottom,
               false);

    const HWND ok = CreateWindowEx(
        0, kButtonClassName, "确定", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
        (client.cx - kButtonWidth) / 2, client.cy - kMargin - kButtonHeight, kButtonWidth,
        kButtonHeight, box, HMENU::FromValue(IDOK));
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) {
        EnableWindow(owner, false);
    }
    ShowWindow(box, SW_SHOW);
    SetFocus(ok);
    RunModalLoop(box);
    if (ownerWasEnabled && IsWindow(owner)) {
        EnableWindow(owner, true);
    }
    if (IsWindow(box)) {
        DestroyWindow(box);
    }
    if (owner && IsWindow(owner)) {
        SetActiveWindow(owner);
    }
    return IDOK;
}

}  // namespace win
