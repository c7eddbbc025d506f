#include <algorithm>

#include "platform/controls/combo_box.h"
#include "platform/controls/combo_box_state.h"
#include "platform/controls/control_classes.h"
#include "platform/controls/control_support.h"
#include "platform/user/user.h"

namespace win::controls {
namespace {

constexpr int kListBorder = 1;

HWND ComboOfList(HWND list) {
    return HWND::FromValue(GetWindowLongPtr(list, GWLP_USERDATA));
}

RECT ListPlacement(HWND combo, int rows, int itemHeight) {
    RECT face;
    GetWindowRect(combo, &face);
    const int height = rows * itemHeight + 2 * kListBorder;
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // Below the face, or above it when the screen ends first.
    const int top = face.bottom + height <= screenHeight ? face.bottom : face.top - height;
    return {face.left, std::max(top, 0), face.right, std::max(top, 0) + height};
}

int RowAt(const ComboBoxState& state, POINT point) {
    return (point.y - kListBorder) / std::max(state.itemHeight, 1);
}

bool InsideList(HWND list, POINT point) {
    RECT client;
    GetClientRect(list, &client);
    return IsInside(client, point);
}

bool InsideScrollBar(HWND list, const ComboBoxState& state, POINT point) {
    RECT client;
    GetClientRect(list, &client);
    const int width = ComboListScrollBarWidth(state);
    return width > 0 && point.x >= client.right - kListBorder - width;
}

// Arrow boxes move one row, the track above or below the middle a page.
void ClickScrollBar(HWND list, ComboBoxState& state, POINT point) {
    RECT client;
    GetClientRect(list, &client);
    const int arrow = ComboListScrollBarWidth(state);
    ListScroll& scroll = *state.scroll;
    if (point.y < kListBorder + arrow) {
        scroll.ScrollBy(-1);
    } else if (point.y >= client.bottom - kListBorder - arrow) {
        scroll.ScrollBy(+1);
    } else {
        scroll.ScrollBy(point.y < client.bottom / 2 ? -scroll.VisibleRows() : scroll.VisibleRows());
    }
    InvalidateRect(list, nullptr, false);
}

void HighlightUnder(HWND list, ComboBoxState& state, POINT point) {
    if (!InsideList(list, point) || InsideScrollBar(list, state, point)) {
        return;
    }
    const int before = state.scroll->Highlight();
    state.scroll->HighlightRow(RowAt(state, point));
    if (state.scroll->Highlight() != before) {
        InvalidateRect(list, nullptr, false);
    }
}

void OnListButtonDown(HWND list, HWND combo, ComboBoxState& state, POINT point) {
    if (!InsideList(list, point)) {
        CloseComboList(combo, state, false);
    } else if (InsideScrollBar(list, state, point)) {
        ClickScrollBar(list, state, point);
    } else {
        HighlightUnder(list, state, point);
    }
}

// A release over an entry chooses it; the release that ends the opening click (over the face)
// leaves the list open.
void OnListButtonUp(HWND list, HWND combo, ComboBoxState& state, POINT point) {
    if (!InsideList(list, point) || InsideScrollBar(list, state, point)) {
        return;
    }
    const int row = RowAt(state, point);
    if (row >= 0 && state.scroll->Top() + row < state.scroll->Count()) {
        CloseComboList(combo, state, true);
    }
}

void PaintList(HWND list, HWND combo, const ComboBoxState& state) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(list, &paint);
    if (dc) {
        PaintComboList(list, combo, state, dc);
    }
    EndPaint(list, &paint);
}

LRESULT ComboListWindowProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND combo = ComboOfList(list);
    ComboBoxState* state = FindComboBox(combo);
    if (state == nullptr || state->list != list || !state->scroll) {
        return DefWindowProc(list, message, wParam, lParam);
    }
    const POINT point = PointFromLParam(lParam);
    switch (message) {
        case WM_PAINT:
            PaintList(list, combo, *state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            HighlightUnder(list, *state, point);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
            if (message == WM_RBUTTONDOWN && InsideList(list, point)) {
                return 0;
            }
            OnListButtonDown(list, combo, *state, point);
            return 0;
        case WM_LBUTTONUP:
            OnListButtonUp(list, combo, *state, point);
            return 0;
        case WM_MOUSEWHEEL:
            return SendMessage(combo, message, wParam, lParam);
        case WM_CAPTURECHANGED:
            // Someone else took the mouse: the list cannot stay open without it.
            if (HWND::FromValue(lParam) != list) {
                CloseComboList(combo, *state, false);
            }
            return 0;
        case WM_MOUSEACTIVATE:
            return 3;  // MA_NOACTIVATE
        default:
            return DefWindowProc(list, message, wParam, lParam);
    }
}

}  // namespace

void OpenComboList(HWND combo, ComboBoxState& state) {
    if (state.IsOpen() || !IsWindowEnabled(combo)) {
        return;
    }
    NotifyParent(combo, CBN_DROPDOWN);
    state.itemHeight = ComboItemHeight(combo, state.font);
    const int count = state.entries.Count();
    const int visibleRows = std::min(count, kComboVisibleRows);
    const RECT place = ListPlacement(combo, std::max(visibleRows, 1), state.itemHeight);
    const HWND list = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                                     kComboListClassName, "", WS_POPUP, place.left, place.top,
                                     place.right - place.left, place.bottom - place.top, combo);
    if (!list) {
        return;
    }
    SetWindowLongPtr(list, GWLP_USERDATA, combo.Value());
    state.scroll.emplace(count, std::max(visibleRows, 1), state.entries.Selection());
    state.list = list;
    ShowWindow(list, SW_SHOWNA);
    SetCapture(list);
    InvalidateRect(combo, nullptr, false);
}

void CloseComboList(HWND combo, ComboBoxState& state, bool choose) {
    if (!state.IsOpen()) {
        return;
    }
    const int chosen = choose && state.scroll ? state.scroll->Highlight() : -1;
    const HWND list = state.list;
    state.list = nullptr;
    state.scroll.reset();
    if (GetCapture() == list) {
        ReleaseCapture();
    }
    DestroyWindow(list);
    InvalidateRect(combo, nullptr, false);
    if (chosen >= 0 && chosen != state.entries.Selection()) {
        state.entries.Select(chosen);
        NotifyParent(combo, CBN_SELCHANGE);
    }
    NotifyParent(combo, CBN_CLOSEUP);
}

bool RegisterComboListClass() {
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = ComboListWindowProc;
    windowClass.lpszClassName = kComboListClassName;
    return EnsureClassRegistered(windowClass);
}

}  // namespace win::controls
