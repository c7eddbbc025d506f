#pragma once

#include <cstddef>
#include <string>

#include "platform/gdi/gdi_handle.h"

namespace win::controls {

// Measures a line of text on a DC: pixel offsets of character positions and back.
class LineMeasure {
public:
    LineMeasure(HDC dc, std::u32string_view text);

    // The pen position before character `position`.
    int OffsetOf(std::size_t position) const;
    // The character boundary nearest to x.
    std::size_t PositionAt(int x) const;
    int Width() const { return OffsetOf(length_); }

private:
    HDC dc_;
    std::string utf8_;
    std::size_t length_;
};

// Keeps the caret inside the visible width: returns the new horizontal scroll in pixels,
// moving a quarter of the width at a time as single-line edits do.
int ScrollToShow(int caretOffset, int scroll, int visibleWidth);

}  // namespace win::controls
