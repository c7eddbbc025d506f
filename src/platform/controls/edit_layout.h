#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/gdi/gdi_handle.h"

namespace win::controls {

// Pixel offsets of every character position of a line in a font, measured in one pass, so that
// caret placement, hit testing and finding the visible part stay cheap on a long line.
class LineMeasure {
public:
    LineMeasure(HFONT font, std::u32string_view text);

    // The pen position before character `position`.
    int OffsetOf(std::size_t position) const;
    // The character boundary nearest to x.
    std::size_t PositionAt(int x) const;
    // The last position at or left of x.
    std::size_t PositionBefore(int x) const;
    int Width() const { return offsets_.back(); }

private:
    std::vector<int> offsets_;
};

// Keeps the caret inside the visible width: returns the new horizontal scroll in pixels,
// moving a quarter of the width at a time as single-line edits do.
int ScrollToShow(int caretOffset, int scroll, int visibleWidth);

}  // namespace win::controls
