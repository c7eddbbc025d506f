#include <algorithm>
#include <string>

#include "platform/controls/control_support.h"
#include "platform/controls/edit.h"
#include "platform/controls/edit_state.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/text/utf8.h"
#include "platform/user/user.h"

namespace win::controls {
namespace {

constexpr int kMargin = kEditMargin;

// The characters that can show at the current scroll; a long line is never drawn whole.
struct VisibleSpan {
    std::size_t first = 0;
    std::size_t last = 0;
};

// One run of the line: the text from `first` to `last` at its offset, in the DC's colours.
void DrawRun(HDC dc, const LineMeasure& measure, const EditText& text, const VisibleSpan& visible,
             std::size_t first, std::size_t last, int originX, int top, int bottom) {
    first = std::max(first, visible.first);
    last = std::min(last, visible.last);
    if (first >= last) {
        return;
    }
    const std::u32string_view all = text.Characters();
    const std::string run = text::EncodeUtf8(all.substr(first, last - first));
    RECT box{originX + measure.OffsetOf(first), top, originX + measure.OffsetOf(last), bottom};
    DrawText(dc, run, -1, &box, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_LEFT | DT_TOP);
}

}  // namespace

void PaintEdit(HWND edit, EditState& state, HDC dc) {
    RECT client;
    GetClientRect(edit, &client);
    const bool plain = IsReadOnly(edit) || !IsWindowEnabled(edit);
    const HBRUSH background =
        BackgroundBrush(edit, dc, plain ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                        plain ? COLOR_3DFACE : COLOR_WINDOW, COLOR_WINDOWTEXT);
    if (!IsWindowEnabled(edit)) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    FillRect(dc, &client, background);

    const HFONT previous = SelectObject(dc, FontOrDefault(state.font));
    TEXTMETRIC metrics;
    GetTextMetrics(dc, &metrics);
    const int top = kMargin;
    const int bottom = top + metrics.tmHeight;
    const int originX = kMargin - state.scroll;
    const LineMeasure& measure = MeasureOf(state);
    const EditText& text = state.text;
    const VisibleSpan visible{
        measure.PositionBefore(state.scroll),
        std::min(text.Length(), measure.PositionBefore(state.scroll + client.right) + 1)};
    const bool showSelection =
        text.HasSelection() &&
        (state.focused || (GetWindowLongPtr(edit, GWL_STYLE) & ES_NOHIDESEL) != 0);

    IntersectClipRect(dc, kMargin, 0, client.right - kMargin, client.bottom);
    SetBkMode(dc, TRANSPARENT);
    if (!showSelection) {
        DrawRun(dc, measure, text, visible, 0, text.Length(), originX, top, bottom);
    } else {
        DrawRun(dc, measure, text, visible, 0, text.SelectionStart(), originX, top, bottom);
        DrawRun(dc, measure, text, visible, text.SelectionEnd(), text.Length(), originX, top,
                bottom);
        RECT highlight{originX + measure.OffsetOf(text.SelectionStart()), top,
                       originX + measure.OffsetOf(text.SelectionEnd()), bottom};
        FillRect(dc, &highlight, GetSysColorBrush(COLOR_HIGHLIGHT));
        const COLORREF normalText = SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        DrawRun(dc, measure, text, visible, text.SelectionStart(), text.SelectionEnd(), originX,
                top, bottom);
        SetTextColor(dc, normalText);
    }
    if (state.caretShown) {
        const int x = originX + measure.OffsetOf(text.Caret());
        PatBlt(dc, x, top, 1, bottom - top, DSTINVERT);
    }
    if (previous) {
        SelectObject(dc, previous);
    }
}

}  // namespace win::controls
