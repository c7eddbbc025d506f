#include "platform/gdi/internal/round_rect_shape.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace win::gdi {

namespace {

// How many pixels each row of the ellipse's lower half gives up at either end, from its middle
// row (index eh / 2, giving up none) down to its last (index eh - 1). The ellipse through
// the centres of the outermost pixels, semi-axes (ew - 1) / 2 and (eh - 1) / 2, is walked from
// its side to its bottom by the midpoint method in integers (error terms kept eight times over);
// each step down records how far the walk has come in.
std::vector<int> LowerHalfInsets(int ew, int eh) {
    const std::int64_t a = ew - 1;
    const std::int64_t b = eh - 1;
    const std::int64_t stepX = 8 * b * b;
    const std::int64_t stepY = 8 * a * a;
    std::int64_t dx = 4 * b * b * (1 - a);
    std::int64_t dy = 4 * a * a * (1 + b % 2);
    std::int64_t error = dx + dy + a * a * (b % 2);

    std::vector<int> insets(static_cast<std::size_t>(eh), -1);
    int x = 0;
    int y = eh / 2;
    insets[static_cast<std::size_t>(y)] = 0;
    while (x <= ew / 2 && y < eh - 1) {
        const std::int64_t doubled = 2 * error;
        if (doubled >= dx) {
            ++x;
            dx += stepX;
            error += dx;
        }
        if (doubled <= dy) {
            ++y;
            dy += stepY;
            error += dy;
            insets[static_cast<std::size_t>(y)] = x;
        }
    }
    // A corner much taller than wide runs out of width before it reaches the bottom row: the
    // rows left are the tip of the ellipse and keep the last row's inset.
    for (int row = y + 1; row < eh; ++row) {
        insets[static_cast<std::size_t>(row)] = insets[static_cast<std::size_t>(row - 1)];
    }
    return insets;
}

void AppendRow(Region& shape, const RECT& box, int top, int bottom, int inset) {
    const RegionRun run{box.left + inset, box.right - inset};
    if (run.left < run.right) {
        shape.AppendBand(top, bottom, std::span<const RegionRun>(&run, 1));
    }
}

}  // namespace

Region RoundRectShape(const RECT& box, int ellipseWidth, int ellipseHeight) {
    const int ew = std::min(ellipseWidth, static_cast<int>(box.right - box.left));
    const int eh = std::min(ellipseHeight, static_cast<int>(box.bottom - box.top));
    if (ew < 2 || eh < 2) {
        return Region::FromRect(box);
    }
    const std::vector<int> insets = LowerHalfInsets(ew, eh);
    const int middle = eh / 2;
    Region shape;
    // The upper corner rows mirror the lower ones; the middle row stretches over the box's
    // straight sides.
    for (int row = 0; row < middle; ++row) {
        AppendRow(shape, box, box.top + row, box.top + row + 1,
                  insets[static_cast<std::size_t>(eh - 1 - row)]);
    }
    AppendRow(shape, box, box.top + middle, box.bottom - eh + middle + 1, 0);
    for (int row = middle + 1; row < eh; ++row) {
        const int top = box.bottom - eh + row;
        AppendRow(shape, box, top, top + 1, insets[static_cast<std::size_t>(row)]);
    }
    return shape;
}

Region EllipseShape(const RECT& box) {
    return RoundRectShape(box, box.right - box.left, box.bottom - box.top);
}

}  // namespace win::gdi
