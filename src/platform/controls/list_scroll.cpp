#include "platform/controls/list_scroll.h"

#include <algorithm>

namespace win::controls {

ListScroll::ListScroll(int count, int visibleRows, int highlight)
    : count_(std::max(count, 0)), visibleRows_(std::max(visibleRows, 1)), highlight_(-1) {
    if (highlight >= 0 && highlight < count_) {
        HighlightEntry(highlight);
    }
}

void ListScroll::MoveHighlight(int delta) {
    if (count_ == 0) {
        return;
    }
    // Nothing highlighted yet: the first key lands on the first entry.
    const int from = highlight_ < 0 ? (delta > 0 ? -1 : count_) : highlight_;
    HighlightEntry(std::clamp(from + delta, 0, count_ - 1));
}

void ListScroll::HighlightRow(int row) {
    const int index = top_ + row;
    if (row >= 0 && row < visibleRows_ && index < count_) {
        highlight_ = index;
    }
}

void ListScroll::ScrollBy(int rows) {
    ScrollTo(top_ + rows);
}

void ListScroll::HighlightEntry(int index) {
    if (index < 0 || index >= count_) {
        return;
    }
    highlight_ = index;
    if (index < top_) {
        ScrollTo(index);
    } else if (index >= top_ + visibleRows_) {
        ScrollTo(index - visibleRows_ + 1);
    }
}

void ListScroll::ScrollTo(int top) {
    top_ = std::clamp(top, 0, std::max(count_ - visibleRows_, 0));
}

}  // namespace win::controls
