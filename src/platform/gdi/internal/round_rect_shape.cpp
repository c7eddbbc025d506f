#include "platform/gdi/internal/round_rect_shape.h"

#include <cstdint>
#include <vector>

namespace win::gdi {

namespace {

// Pixels that row `row` (0 = outermost) of an ew × eh corner gives up at each end. Doubled
// coordinates keep everything integral: the corner's centre is (ew, eh), a pixel's centre
// (2x + 1, 2y + 1), and the ellipse has semi-axes a and b.
int CornerInset(int row, int ew, int eh, std::int64_t a, std::int64_t b) {
    const std::int64_t dy = eh - (2 * row + 1);
    const std::int64_t limit = a * a * b * b - dy * dy * a * a;
    auto inside = [&](int inset) {
        const std::int64_t dx = ew - (2 * std::int64_t{inset} + 1);
        return dx * dx * b * b <= limit;
    };
    // The first pixel from the outside whose centre is inside; pixels past the corner's middle
    // are never looked at. Insideness only grows towards the middle, so bisect.
    int low = 0;
    int high = ew / 2;  // the first pixel at or past the middle
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (inside(middle)) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

Region CornerShape(const RECT& box, int ew, int eh, std::int64_t a, std::int64_t b) {
    const int width = box.right - box.left;
    const int cornerRows = eh / 2;
    std::vector<int> insets(static_cast<std::size_t>(cornerRows));
    for (int row = 0; row < cornerRows; ++row) {
        insets[static_cast<std::size_t>(row)] = CornerInset(row, ew, eh, a, b);
    }
    Region shape;
    auto appendRow = [&](int top, int bottom, int inset) {
        // Where the curve only touches the row between two pixel centres, both are kept.
        if (2 * inset >= width) {
            inset = (width - 1) / 2;
        }
        const RegionRun run{box.left + inset, box.right - inset};
        shape.AppendBand(top, bottom, std::span<const RegionRun>(&run, 1));
    };
    for (int row = 0; row < cornerRows; ++row) {
        appendRow(box.top + row, box.top + row + 1, insets[static_cast<std::size_t>(row)]);
    }
    appendRow(box.top + cornerRows, box.bottom - cornerRows, 0);
    for (int row = cornerRows - 1; row >= 0; --row) {
        appendRow(box.bottom - row - 1, box.bottom - row, insets[static_cast<std::size_t>(row)]);
    }
    return shape;
}

}  // namespace

Region RoundRectShape(const RECT& box, int ellipseWidth, int ellipseHeight) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const int ew = ellipseWidth < width ? ellipseWidth : width;
    const int eh = ellipseHeight < height ? ellipseHeight : height;
    if (ew < 2 || eh < 2) {
        return Region::FromRect(box);
    }
    return CornerShape(box, ew, eh, ew - 1, eh - 1);
}

Region EllipseShape(const RECT& box) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    return CornerShape(box, width, height, width, height);
}

}  // namespace win::gdi
