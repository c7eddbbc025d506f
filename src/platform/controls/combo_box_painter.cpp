#include <algorithm>

#include "platform/controls/combo_box.h"
#include "platform/controls/combo_box_state.h"
#include "platform/controls/control_support.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/gdi.h"
#include "platform/user/user.h"

namespace win::controls {
namespace {

constexpr int kTextIndent = 2;
constexpr UINT kEntryFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT;

// A small solid triangle pointing up or down, centred in the box.
void DrawArrow(HDC dc, const RECT& box, bool down, HBRUSH brush) {
    constexpr int kRows = 4;
    const int centreX = (box.left + box.right) / 2;
    const int top = (box.top + box.bottom - kRows) / 2;
    for (int row = 0; row < kRows; ++row) {
        const int half = down ? kRows - 1 - row : row;
        RECT line{centreX - half, top + row, centreX + half + 1, top + row + 1};
        FillRect(dc, &line, brush);
    }
}

void DrawScrollButton(HDC dc, RECT box, bool down) {
    DrawEdge(dc, &box, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    DrawArrow(dc, box, down, GetSysColorBrush(COLOR_BTNTEXT));
}

void DrawScrollBar(HDC dc, const RECT& bar, const ListScroll& scroll) {
    const int arrow = bar.right - bar.left;
    FillRect(dc, &bar, GetSysColorBrush(COLOR_SCROLLBAR));
    DrawScrollButton(dc, {bar.left, bar.top, bar.right, bar.top + arrow}, false);
    DrawScrollButton(dc, {bar.left, bar.bottom - arrow, bar.right, bar.bottom}, true);
    const int track = bar.bottom - bar.top - 2 * arrow;
    if (track <= 0 || scroll.Count() == 0) {
        return;
    }
    const int thumbHeight = std::max(track * scroll.VisibleRows() / scroll.Count(), 6);
    const int travel = std::max(scroll.Count() - scroll.VisibleRows(), 1);
    const int thumbTop = bar.top + arrow + (track - thumbHeight) * scroll.Top() / travel;
    RECT thumb{bar.left, thumbTop, bar.right, thumbTop + thumbHeight};
    DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

void DrawEntry(HDC dc, const std::string& text, RECT box) {
    box.left += kTextIndent;
    DrawText(dc, text, -1, &box, kEntryFormat);
}

}  // namespace

int ComboItemHeight(HWND combo, HFONT font) {
    const HDC dc = GetDC(combo);
    const HFONT previous = SelectObject(dc, FontOrDefault(font));
    TEXTMETRIC metrics;
    GetTextMetrics(dc, &metrics);
    if (previous) {
        SelectObject(dc, previous);
    }
    ReleaseDC(combo, dc);
    return std::max<int>(metrics.tmHeight + 2, 8);
}

int ComboListScrollBarWidth(const ComboBoxState& state) {
    if (!state.scroll || state.scroll->Count() <= state.scroll->VisibleRows()) {
        return 0;
    }
    return GetSystemMetrics(SM_CXVSCROLL);
}

void PaintComboFace(HWND combo, const ComboBoxState& state, HDC dc) {
    RECT client;
    GetClientRect(combo, &client);
    const bool enabled = IsWindowEnabled(combo);
    const HBRUSH background =
        BackgroundBrush(combo, dc, WM_CTLCOLORLISTBOX, COLOR_WINDOW, COLOR_WINDOWTEXT);
    RECT inner = client;
    if ((GetWindowLongPtr(combo, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) == 0) {
        DrawEdge(dc, &inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    }
    FillRect(dc, &inner, enabled ? background : GetSysColorBrush(COLOR_3DFACE));

    const int buttonWidth = std::min<int>(GetSystemMetrics(SM_CXVSCROLL), inner.right - inner.left);
    RECT button{inner.right - buttonWidth, inner.top, inner.right, inner.bottom};
    DrawEdge(dc, &button, state.IsOpen() ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
    DrawArrow(dc, button, true, GetSysColorBrush(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));

    RECT field{inner.left, inner.top, button.left, inner.bottom};
    const HFONT previous = SelectObject(dc, FontOrDefault(state.font));
    SetBkMode(dc, TRANSPARENT);
    const bool highlighted = state.focused && !state.IsOpen() && enabled;
    RECT mark = field;
    InflateRect(&mark, -1, -1);
    if (highlighted) {
        FillRect(dc, &mark, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else if (!enabled) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    if (const std::string* entry = state.entries.At(state.entries.Selection())) {
        DrawEntry(dc, *entry, field);
    }
    if (highlighted) {
        DrawFocusRect(dc, &mark);
    }
    if (previous) {
        SelectObject(dc, previous);
    }
}

void PaintComboList(HWND list, HWND combo, const ComboBoxState& state, HDC dc) {
    RECT client;
    GetClientRect(list, &client);
    // The list takes the face's colours, as the parent gives them.
    const HBRUSH background =
        BackgroundBrush(combo, dc, WM_CTLCOLORLISTBOX, COLOR_WINDOW, COLOR_WINDOWTEXT);
    const COLORREF text = GetTextColor(dc);
    FillRect(dc, &client, background);
    FrameRect(dc, &client, GetSysColorBrush(COLOR_WINDOWFRAME));
    if (!state.scroll) {
        return;
    }
    const ListScroll& scroll = *state.scroll;
    const int scrollBar = ComboListScrollBarWidth(state);
    const HFONT previous = SelectObject(dc, FontOrDefault(state.font));
    SetBkMode(dc, TRANSPARENT);
    for (int row = 0; row < scroll.VisibleRows(); ++row) {
        const int index = scroll.Top() + row;
        const std::string* entry = state.entries.At(index);
        if (entry == nullptr) {
            break;
        }
        const int top = 1 + row * state.itemHeight;
        RECT box{1, top, client.right - 1 - scrollBar, top + state.itemHeight};
        if (index == scroll.Highlight()) {
            FillRect(dc, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        } else {
            SetTextColor(dc, text);
        }
        DrawEntry(dc, *entry, box);
    }
    if (scrollBar > 0) {
        DrawScrollBar(dc, {client.right - 1 - scrollBar, 1, client.right - 1, client.bottom - 1},
                      scroll);
    }
    if (previous) {
        SelectObject(dc, previous);
    }
}

}  // namespace win::controls
