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

Region ShapeFromInsets(const RECT& box, const std::vector<int>& insets) {
    const int width = box.right - box.left;
    const int cornerRows = static_cast<int>(insets.size());
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

Region CornerShape(const RECT& box, int ew, int eh, std::int64_t a, std::int64_t b) {
    std::vector<int> insets(static_cast<std::size_t>(eh / 2));
    for (int row = 0; row < eh / 2; ++row) {
        insets[static_cast<std::size_t>(row)] = CornerInset(row, ew, eh, a, b);
    }
    return ShapeFromInsets(box, insets);
}

// Small corners are a staircase: an ew × eh corner gives up eh / 3 rows, the outermost losing
// ew / 3 pixels and each next one pixel fewer, so 3 to 5 pixel corners lose one pixel and
// 6 to 8 pixel corners two pixels of the first row and one of the second.
Region StaircaseShape(const RECT& box, int ew, int eh) {
    std::vector<int> insets;
    for (int row = 0; row < eh / 3 && ew / 3 - row > 0; ++row) {
        insets.push_back(ew / 3 - row);
    }
    return ShapeFromInsets(box, insets);
}

}  // namespace

Region RoundRectShape(const RECT& box, int ellipseWidth, int ellipseHeight) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const int ew = ellipseWidth < width ? ellipseWidth : width;
    const int eh = ellipseHeight < height ? ellipseHeight : height;
    if (ew < 3 || eh < 3) {
        return Region::FromRect(box);
    }
    if (ew <= kLargestStaircaseCorner && eh <= kLargestStaircaseCorner) {
        return StaircaseShape(box, ew, eh);
    }
    return CornerShape(box, ew, eh, ew - 1, eh - 1);
}

Region EllipseShape(const RECT& box) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    return CornerShape(box, width, height, width, height);
}

}  // namespace win::gdi
