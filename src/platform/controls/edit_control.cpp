#include <algorithm>
#include <optional>

#include "platform/controls/control_classes.h"
#include "platform/controls/control_state_table.h"
#include "platform/controls/control_support.h"
#include "platform/controls/edit.h"
#include "platform/controls/edit_input_filter.h"
#include "platform/controls/edit_layout.h"
#include "platform/controls/edit_state.h"
#include "platform/controls/edit_text.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/text/text_engine.h"
#include "platform/gdi/text/utf8.h"
#include "platform/user/clipboard.h"
#include "platform/user/user.h"

namespace win::controls {
namespace {

constexpr UINT_PTR kCaretBlinkTimer = 0xCA7;
constexpr UINT kCaretBlinkMilliseconds = 530;
constexpr int kMargin = kEditMargin;

ControlStateTable<EditState> Edits() {
    return {};
}

}  // namespace

const LineMeasure& MeasureOf(EditState& state) {
    const std::uint64_t engine = text::TextEngineGeneration();
    if (!state.measure || state.measuredWithEngine != engine) {
        state.measure.emplace(FontOrDefault(state.font), state.text.Characters());
        state.measuredWithEngine = engine;
    }
    return *state.measure;
}

bool IsReadOnly(HWND edit) {
    return (GetWindowLongPtr(edit, GWL_STYLE) & ES_READONLY) != 0;
}

namespace {

bool IsShiftDown() {
    return GetKeyState(VK_SHIFT) < 0;
}

bool IsControlDown() {
    return GetKeyState(VK_CONTROL) < 0;
}

int VisibleWidth(HWND edit) {
    RECT client;
    GetClientRect(edit, &client);
    return client.right - client.left - 2 * kMargin;
}

void ShowCaretPosition(HWND edit, EditState& state) {
    const LineMeasure& measure = MeasureOf(state);
    state.scroll =
        ScrollToShow(measure.OffsetOf(state.text.Caret()), state.scroll, VisibleWidth(edit));
}

// After any change of text or caret: caret visible and lit, window repainted.
void Refresh(HWND edit, EditState& state) {
    ShowCaretPosition(edit, state);
    state.caretShown = state.focused;
    if (state.focused) {
        SetTimer(edit, kCaretBlinkTimer, kCaretBlinkMilliseconds, nullptr);
    }
    InvalidateRect(edit, nullptr, false);
}

void AfterEdit(HWND edit, EditState& state, bool changed) {
    if (changed) {
        state.measure.reset();
    }
    Refresh(edit, state);
    if (changed) {
        NotifyParent(edit, EN_CHANGE);
    }
}

void CopySelection(const EditState& state) {
    if (state.text.HasSelection()) {
        SetClipboardText(state.text.SelectedUtf8());
    }
}

bool Paste(HWND edit, EditState& state) {
    if (IsReadOnly(edit)) {
        return false;
    }
    const std::optional<std::string> clipboard = GetClipboardText();
    if (!clipboard) {
        return false;
    }
    return state.text.ReplaceSelection(FilterEditInput(*clipboard, LineBreaks::EndInput));
}

bool Cut(HWND edit, EditState& state) {
    if (IsReadOnly(edit)) {
        return false;
    }
    CopySelection(state);
    return state.text.DeleteSelection();
}

void OnChar(HWND edit, EditState& state, WPARAM code) {
    const auto ch = static_cast<char32_t>(code);
    bool changed = false;
    switch (ch) {
        case 0x01:  // Ctrl+A
            state.text.SelectAll();
            break;
        case 0x03:  // Ctrl+C
            CopySelection(state);
            return;
        case 0x16:  // Ctrl+V
            changed = Paste(edit, state);
            break;
        case 0x18:  // Ctrl+X
            changed = Cut(edit, state);
            break;
        case 0x08:  // Backspace
            changed = !IsReadOnly(edit) && state.text.DeleteBackward();
            break;
        default:
            if (IsReadOnly(edit) || IsEditControlCharacter(ch) || ch > 0x10FFFF ||
                (ch >= 0xD800 && ch <= 0xDFFF)) {
                return;
            }
            changed = state.text.ReplaceSelection(std::u32string(1, ch));
            break;
    }
    AfterEdit(edit, state, changed);
}

bool OnKeyDown(HWND edit, EditState& state, WPARAM key) {
    const bool shift = IsShiftDown();
    bool changed = false;
    switch (key) {
        case VK_LEFT:
            state.text.MoveLeft(shift);
            break;
        case VK_RIGHT:
            state.text.MoveRight(shift);
            break;
        case VK_HOME:
            state.text.MoveHome(shift);
            break;
        case VK_END:
            state.text.MoveEnd(shift);
            break;
        case VK_DELETE:
            changed = shift ? Cut(edit, state) : !IsReadOnly(edit) && state.text.DeleteForward();
            break;
        case VK_INSERT:
            if (IsControlDown()) {
                CopySelection(state);
            } else if (shift) {
                changed = Paste(edit, state);
            }
            break;
        default:
            return false;
    }
    AfterEdit(edit, state, changed);
    return true;
}

std::size_t PositionAtPoint(EditState& state, LPARAM lParam) {
    const LineMeasure& measure = MeasureOf(state);
    return measure.PositionAt(PointFromLParam(lParam).x - kMargin + state.scroll);
}

void OnMouseDown(HWND edit, EditState& state, LPARAM lParam) {
    SetFocus(edit);
    SetCapture(edit);
    state.mouseSelecting = true;
    state.text.MoveCaretTo(PositionAtPoint(state, lParam), IsShiftDown());
    Refresh(edit, state);
}

void OnMouseMove(HWND edit, EditState& state, LPARAM lParam) {
    if (!state.mouseSelecting) {
        return;
    }
    const std::size_t before = state.text.Caret();
    state.text.MoveCaretTo(PositionAtPoint(state, lParam), true);
    if (state.text.Caret() != before) {
        Refresh(edit, state);
    }
}

void EndMouseSelection(HWND edit, EditState& state) {
    if (!state.mouseSelecting) {
        return;
    }
    state.mouseSelecting = false;
    if (GetCapture() == edit) {
        ReleaseCapture();
    }
}

void SetFocused(HWND edit, EditState& state, bool focused) {
    state.focused = focused;
    if (!focused) {
        KillTimer(edit, kCaretBlinkTimer);
        state.caretShown = false;
        EndMouseSelection(edit, state);
        InvalidateRect(edit, nullptr, false);
    } else {
        Refresh(edit, state);
    }
    NotifyParent(edit, focused ? EN_SETFOCUS : EN_KILLFOCUS);
}

void OnPaint(HWND edit, EditState& state) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(edit, &paint);
    if (dc) {
        PaintEdit(edit, state, dc);
    }
    EndPaint(edit, &paint);
}

LRESULT OnGetSel(const EditState& state, WPARAM startOut, LPARAM endOut) {
    const auto start = static_cast<DWORD>(state.text.SelectionStart());
    const auto end = static_cast<DWORD>(state.text.SelectionEnd());
    if (startOut != 0) {
        *reinterpret_cast<DWORD*>(startOut) = start;
    }
    if (endOut != 0) {
        *reinterpret_cast<DWORD*>(endOut) = end;
    }
    return MAKELPARAM(static_cast<int>(std::min<DWORD>(start, 0xFFFF)),
                      static_cast<int>(std::min<DWORD>(end, 0xFFFF)));
}

void OnSetText(HWND edit, EditState& state, LPARAM text) {
    const std::string before = state.text.Utf8();
    const bool wasAtStart =
        state.text.Caret() == 0 && !state.text.HasSelection() && state.scroll == 0;
    state.text.SetText(TextFromLParam(text));
    state.scroll = 0;
    if (wasAtStart && !state.focused && state.text.Utf8() == before) {
        // Every pixel would come out as it is: the parent hears of it, nothing is repainted.
        NotifyParent(edit, EN_CHANGE);
        return;
    }
    AfterEdit(edit, state, true);
}

std::optional<LRESULT> HandleTextMessage(HWND edit, EditState& state, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT:
            OnSetText(edit, state, lParam);
            return 1;
        case WM_GETTEXT:
            return CopyTextOut(state.text.Utf8(), wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(state.text.Utf8().size());
        case EM_GETSEL:
            return OnGetSel(state, wParam, lParam);
        case EM_SETSEL:
            state.text.Select(static_cast<LONG_PTR>(wParam), lParam);
            Refresh(edit, state);
            return 0;
        case EM_REPLACESEL:
            AfterEdit(edit, state,
                      state.text.ReplaceSelection(
                          FilterEditInput(TextFromLParam(lParam), LineBreaks::EndInput)));
            return 0;
        case EM_LIMITTEXT:
            state.text.SetLimit(wParam);
            return 0;
        case EM_GETLIMITTEXT:
            return static_cast<LRESULT>(state.text.Limit());
        case EM_SETREADONLY: {
            const LONG_PTR style = GetWindowLongPtr(edit, GWL_STYLE);
            SetWindowLongPtr(
                edit, GWL_STYLE,
                wParam != 0 ? (style | ES_READONLY) : (style & ~LONG_PTR{ES_READONLY}));
            InvalidateRect(edit, nullptr, false);
            return 1;
        }
        case WM_CUT:
            AfterEdit(edit, state, Cut(edit, state));
            return 0;
        case WM_COPY:
            CopySelection(state);
            return 0;
        case WM_PASTE:
            AfterEdit(edit, state, Paste(edit, state));
            return 0;
        case WM_CLEAR:
            AfterEdit(edit, state, !IsReadOnly(edit) && state.text.DeleteSelection());
            return 0;
        default:
            return std::nullopt;
    }
}

std::optional<LRESULT> HandleInputMessage(HWND edit, EditState& state, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
    switch (message) {
        case WM_CHAR:
            OnChar(edit, state, wParam);
            return 0;
        case WM_KEYDOWN:
            if (OnKeyDown(edit, state, wParam)) {
                return 0;
            }
            return std::nullopt;
        case WM_LBUTTONDOWN:
            OnMouseDown(edit, state, lParam);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(edit, state, lParam);
            return 0;
        case WM_LBUTTONUP:
            EndMouseSelection(edit, state);
            return 0;
        case WM_CAPTURECHANGED:
            state.mouseSelecting = false;
            return 0;
        case WM_SETFOCUS:
            SetFocused(edit, state, true);
            return 0;
        case WM_KILLFOCUS:
            SetFocused(edit, state, false);
            return 0;
        case WM_TIMER:
            if (wParam == kCaretBlinkTimer) {
                state.caretShown = state.focused && !state.caretShown;
                InvalidateRect(edit, nullptr, false);
                return 0;
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

std::optional<LRESULT> HandleMessage(HWND edit, EditState& state, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
            if (create != nullptr && create->lpszName != nullptr) {
                state.text.SetText(create->lpszName);
                state.measure.reset();
            }
            return 0;
        }
        case WM_PAINT:
            OnPaint(edit, state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFONT:
            state.font = HFONT::FromValue(wParam);
            state.measure.reset();
            if (LOWORD(static_cast<WPARAM>(lParam)) != 0) {
                InvalidateRect(edit, nullptr, false);
            }
            return 0;
        case WM_GETFONT:
            return static_cast<LRESULT>(state.font.Value());
        case WM_ENABLE:
        case WM_SIZE:
            InvalidateRect(edit, nullptr, false);
            return 0;
        default:
            break;
    }
    if (auto handled = HandleTextMessage(edit, state, message, wParam, lParam)) {
        return handled;
    }
    return HandleInputMessage(edit, state, message, wParam, lParam);
}

LRESULT EditWindowProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        Edits().Create(edit);
    }
    if (message == WM_NCDESTROY) {
        const auto released = Edits().Release(edit);
        return DefWindowProc(edit, message, wParam, lParam);
    }
    if (EditState* state = Edits().Find(edit)) {
        if (const auto handled = HandleMessage(edit, *state, message, wParam, lParam)) {
            return *handled;
        }
    }
    return DefWindowProc(edit, message, wParam, lParam);
}

}  // namespace

bool RegisterEditClass() {
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = EditWindowProc;
    windowClass.hCursor = LoadCursor(nullptr, IDC_IBEAM);
    windowClass.lpszClassName = kEditClassName;
    return EnsureClassRegistered(windowClass);
}

}  // namespace win::controls
