#include "platform/controls/edit_layout.h"

#include <algorithm>

#include "platform/gdi/draw_text.h"
#include "platform/gdi/text/utf8.h"

namespace win::controls {

LineMeasure::LineMeasure(HDC dc, std::u32string_view text)
    : dc_(dc), utf8_(text::EncodeUtf8(text)), length_(text.size()) {}

int LineMeasure::OffsetOf(std::size_t position) const {
    position = std::min(position, length_);
    if (position == 0) {
        return 0;
    }
    SIZE extent;
    if (!GetTextExtentPoint32(dc_, utf8_, static_cast<int>(position), &extent)) {
        return 0;
    }
    return extent.cx;
}

std::size_t LineMeasure::PositionAt(int x) const {
    std::size_t low = 0;
    std::size_t high = length_;
    // The first position whose offset reaches x.
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (OffsetOf(middle) < x) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low > 0 && x - OffsetOf(low - 1) < OffsetOf(low) - x) {
        return low - 1;
    }
    return low;
}

int ScrollToShow(int caretOffset, int scroll, int visibleWidth) {
    const int width = std::max(visibleWidth, 1);
    const int step = std::max(width / 4, 1);
    if (caretOffset < scroll) {
        return std::max(0, caretOffset - step);
    }
    if (caretOffset >= scroll + width) {
        return caretOffset - width + step;
    }
    return scroll;
}

}  // namespace win::controls
