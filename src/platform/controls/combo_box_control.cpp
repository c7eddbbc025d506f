#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/controls/combo_box.h"
#include "platform/controls/combo_box_state.h"
#include "platform/controls/control_classes.h"
#include "platform/controls/control_state_table.h"
#include "platform/controls/control_support.h"
#include "platform/user/user.h"

namespace win::controls {
namespace {

ControlStateTable<ComboBoxState> Combos() {
    return {};
}

void Redraw(HWND window) {
    InvalidateRect(window, nullptr, false);
}

// The selection moved by the user, not by CB_SETCURSEL: the parent hears of it.
void SelectByUser(HWND combo, ComboBoxState& state, int index) {
    if (index < 0 || index == state.entries.Selection() || !state.entries.At(index)) {
        return;
    }
    state.entries.Select(index);
    Redraw(combo);
    NotifyParent(combo, CBN_SELCHANGE);
}

void MoveClosedSelection(HWND combo, ComboBoxState& state, WPARAM key) {
    const int count = state.entries.Count();
    if (count == 0) {
        return;
    }
    const int current = state.entries.Selection();
    int next = current;
    switch (key) {
        case VK_UP:
        case VK_LEFT:
            next = current < 0 ? 0 : std::max(current - 1, 0);
            break;
        case VK_DOWN:
        case VK_RIGHT:
            next = current < 0 ? 0 : std::min(current + 1, count - 1);
            break;
        case VK_HOME:
        case VK_PRIOR:
            next = 0;
            break;
        case VK_END:
        case VK_NEXT:
            next = count - 1;
            break;
        default:
            return;
    }
    SelectByUser(combo, state, next);
}

bool MoveOpenHighlight(ComboBoxState& state, WPARAM key) {
    ListScroll& scroll = *state.scroll;
    switch (key) {
        case VK_UP:
        case VK_LEFT:
            scroll.MoveHighlight(-1);
            return true;
        case VK_DOWN:
        case VK_RIGHT:
            scroll.MoveHighlight(+1);
            return true;
        case VK_PRIOR:
            scroll.MoveHighlight(-scroll.VisibleRows());
            return true;
        case VK_NEXT:
            scroll.MoveHighlight(scroll.VisibleRows());
            return true;
        case VK_HOME:
            scroll.HighlightFirst();
            return true;
        case VK_END:
            scroll.HighlightLast();
            return true;
        default:
            return false;
    }
}

void OnKeyDown(HWND combo, ComboBoxState& state, WPARAM key) {
    if (key == VK_F4) {
        state.IsOpen() ? CloseComboList(combo, state, true) : OpenComboList(combo, state);
        return;
    }
    if (!state.IsOpen()) {
        MoveClosedSelection(combo, state, key);
        return;
    }
    if (key == VK_RETURN) {
        CloseComboList(combo, state, true);
    } else if (key == VK_ESCAPE) {
        CloseComboList(combo, state, false);
    } else if (MoveOpenHighlight(state, key)) {
        Redraw(state.list);
    }
}

bool OnSysKeyDown(HWND combo, ComboBoxState& state, WPARAM key) {
    if (key != VK_DOWN && key != VK_UP) {
        return false;
    }
    state.IsOpen() ? CloseComboList(combo, state, true) : OpenComboList(combo, state);
    return true;
}

LRESULT CopyEntryOut(const ComboBoxState& state, WPARAM index, LPARAM buffer) {
    const std::string* entry = state.entries.At(static_cast<int>(static_cast<LONG_PTR>(index)));
    if (entry == nullptr || buffer == 0) {
        return CB_ERR;
    }
    // The caller sized the buffer from CB_GETLBTEXTLEN, as the message requires.
    std::memcpy(reinterpret_cast<char*>(buffer), entry->c_str(), entry->size() + 1);
    return static_cast<LRESULT>(entry->size());
}

void ResetScroll(ComboBoxState& state) {
    if (state.scroll) {
        state.scroll.emplace(state.entries.Count(),
                             std::min(state.entries.Count(), kComboVisibleRows),
                             state.scroll->Highlight());
    }
}

std::optional<LRESULT> HandleListMessage(HWND combo, ComboBoxState& state, UINT message,
                                         WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case CB_ADDSTRING: {
            const int index = state.entries.Add(TextFromLParam(lParam));
            ResetScroll(state);
            return index;
        }
        case CB_RESETCONTENT:
            if (state.IsOpen()) {
                CloseComboList(combo, state, false);
            }
            state.entries.Clear();
            Redraw(combo);
            return CB_OKAY;
        case CB_SETCURSEL: {
            const auto index = static_cast<int>(static_cast<LONG_PTR>(wParam));
            const bool named = state.entries.Select(index);
            Redraw(combo);
            return named ? index : CB_ERR;
        }
        case CB_GETCURSEL:
            return state.entries.Selection() < 0 ? CB_ERR : state.entries.Selection();
        case CB_GETCOUNT:
            return state.entries.Count();
        case CB_GETLBTEXT:
            return CopyEntryOut(state, wParam, lParam);
        case CB_GETLBTEXTLEN: {
            const std::string* entry =
                state.entries.At(static_cast<int>(static_cast<LONG_PTR>(wParam)));
            return entry == nullptr ? CB_ERR : static_cast<LRESULT>(entry->size());
        }
        case CB_SHOWDROPDOWN:
            wParam != 0 ? OpenComboList(combo, state) : CloseComboList(combo, state, false);
            return 1;
        case CB_GETDROPPEDSTATE:
            return state.IsOpen() ? 1 : 0;
        default:
            return std::nullopt;
    }
}

std::string FaceText(const ComboBoxState& state) {
    const std::string* entry = state.entries.At(state.entries.Selection());
    return entry == nullptr ? std::string() : *entry;
}

void OnPaint(HWND combo, const ComboBoxState& state) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(combo, &paint);
    if (dc) {
        PaintComboFace(combo, state, dc);
    }
    EndPaint(combo, &paint);
}

std::optional<LRESULT> HandleMessage(HWND combo, ComboBoxState& state, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint(combo, state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFONT:
            state.font = HFONT::FromValue(wParam);
            if (LOWORD(static_cast<WPARAM>(lParam)) != 0) {
                Redraw(combo);
            }
            return 0;
        case WM_GETFONT:
            return static_cast<LRESULT>(state.font.Value());
        case WM_GETTEXT:
            return CopyTextOut(FaceText(state), wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(FaceText(state).size());
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetFocus(combo);
            state.IsOpen() ? CloseComboList(combo, state, false) : OpenComboList(combo, state);
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(combo, state, wParam);
            return 0;
        case WM_SYSKEYDOWN:
            if (OnSysKeyDown(combo, state, wParam)) {
                return 0;
            }
            return std::nullopt;
        case WM_CHAR:
            return 0;
        case WM_MOUSEWHEEL:
            if (state.IsOpen()) {
                state.scroll->ScrollBy(-GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
                Redraw(state.list);
            } else {
                MoveClosedSelection(combo, state,
                                    GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? VK_UP : VK_DOWN);
            }
            return 0;
        case WM_SETFOCUS:
            state.focused = true;
            Redraw(combo);
            return 0;
        case WM_KILLFOCUS:
            state.focused = false;
            if (state.IsOpen()) {
                CloseComboList(combo, state, false);
            }
            Redraw(combo);
            return 0;
        case WM_ENABLE:
            if (wParam == 0 && state.IsOpen()) {
                CloseComboList(combo, state, false);
            }
            Redraw(combo);
            return 0;
        case WM_SIZE:
            Redraw(combo);
            return 0;
        default:
            return HandleListMessage(combo, state, message, wParam, lParam);
    }
}

LRESULT ComboBoxWindowProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        Combos().Create(combo);
    }
    if (message == WM_DESTROY) {
        if (ComboBoxState* state = Combos().Find(combo); state && state->IsOpen()) {
            const HWND list = state->list;
            state->list = nullptr;
            state->scroll.reset();
            DestroyWindow(list);
        }
    }
    if (message == WM_NCDESTROY) {
        const auto released = Combos().Release(combo);
        return DefWindowProc(combo, message, wParam, lParam);
    }
    if (ComboBoxState* state = Combos().Find(combo)) {
        if (const auto handled = HandleMessage(combo, *state, message, wParam, lParam)) {
            return *handled;
        }
    }
    return DefWindowProc(combo, message, wParam, lParam);
}

}  // namespace

ComboBoxState* FindComboBox(HWND combo) {
    return Combos().Find(combo);
}

bool RegisterComboBoxClasses() {
    WNDCLASS windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ComboBoxWindowProc;
    windowClass.lpszClassName = kComboBoxClassName;
    return EnsureClassRegistered(windowClass) && RegisterComboListClass();
}

}  // namespace win::controls
