#pragma once

namespace win::controls {

// The open list of a drop-down: which entry is highlighted and which one is the first shown,
// so that the highlight always stays among the rows that fit.
class ListScroll {
public:
    ListScroll(int count, int visibleRows, int highlight);

    int Count() const { return count_; }
    int VisibleRows() const { return visibleRows_; }
    int Top() const { return top_; }
    int Highlight() const { return highlight_; }

    // Arrow keys and page keys: the highlight moves, stopping at the ends.
    void MoveHighlight(int delta);
    void HighlightFirst() { HighlightEntry(0); }
    void HighlightLast() { HighlightEntry(count_ - 1); }
    // A row of the open list under the pointer; rows past the last entry are ignored.
    void HighlightRow(int row);
    // The wheel or a drag past the edge: the rows move, the highlight does not.
    void ScrollBy(int rows);

private:
    void HighlightEntry(int index);
    void ScrollTo(int top);

    int count_;
    int visibleRows_;
    int top_ = 0;
    int highlight_;
};

}  // namespace win::controls
