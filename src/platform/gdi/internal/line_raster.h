#pragma once

// The pixels of a one-pixel line, by the diamond rule: one pixel per column of an x-major line
// (per row of a y-major one), the pixel nearest the ideal line; where the line passes exactly
// halfway between two pixels the upper one (x-major) or the left one (y-major) is lit. The first
// point is painted, the last is not.

#include <cstdint>

#include "platform/gdi/win_types.h"

namespace win::gdi {

// Calls plot(x, y) for each pixel of the line from (x0, y0) to (x1, y1) that lies inside `box`,
// in drawing order. Coordinates may be far outside the box; only the part inside is walked.
template <class Plot>
void RasterizeLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                   const RECT& box, Plot&& plot);

namespace line_detail {

__extension__ typedef __int128 Wide;

// Walks k = first ... last along the major axis; minor(k) = minor0 + ceil((2k * delta - d/2) / d)
// with d = 2 * majorLength, done incrementally after one exact start.
struct MinorStepper {
    std::int64_t value;
    std::int64_t remainder;  // in (-d, 0]
    std::int64_t step;       // 2 * delta
    std::int64_t divisor;    // d

    MinorStepper(std::int64_t minor0, std::int64_t delta, std::int64_t majorLength,
                 std::int64_t k) {
        divisor = 2 * majorLength;
        step = 2 * delta;
        const Wide numerator = Wide{2} * k * delta - majorLength;
        // ceil(numerator / divisor) for a positive divisor.
        Wide quotient = numerator / divisor;
        if (quotient * divisor < numerator) {
            ++quotient;
        }
        value = minor0 + static_cast<std::int64_t>(quotient);
        remainder = static_cast<std::int64_t>(numerator - quotient * divisor);
    }

    void Advance() {
        remainder += step;
        if (remainder > 0) {
            ++value;
            remainder -= divisor;
        } else if (remainder <= -divisor) {
            --value;
            remainder += divisor;
        }
    }
};

}  // namespace line_detail

template <class Plot>
void RasterizeLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                   const RECT& box, Plot&& plot) {
    const std::int64_t dx = x1 - x0;
    const std::int64_t dy = y1 - y0;
    const std::int64_t lengthX = dx < 0 ? -dx : dx;
    const std::int64_t lengthY = dy < 0 ? -dy : dy;
    if ((lengthX == 0 && lengthY == 0) || box.left >= box.right || box.top >= box.bottom) {
        return;
    }
    const bool xMajor = lengthX >= lengthY;
    const std::int64_t length = xMajor ? lengthX : lengthY;
    const std::int64_t major0 = xMajor ? x0 : y0;
    const std::int64_t minor0 = xMajor ? y0 : x0;
    const std::int64_t direction = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const std::int64_t lowMajor = xMajor ? box.left : box.top;
    const std::int64_t highMajor = (xMajor ? box.right : box.bottom) - 1;
    const std::int64_t lowMinor = xMajor ? box.top : box.left;
    const std::int64_t highMinor = (xMajor ? box.bottom : box.right) - 1;

    // Only the steps whose major coordinate falls inside the box.
    std::int64_t first = direction > 0 ? lowMajor - major0 : major0 - highMajor;
    std::int64_t last = direction > 0 ? highMajor - major0 : major0 - lowMajor;
    if (first < 0) {
        first = 0;
    }
    if (last > length - 1) {
        last = length - 1;
    }
    if (first > last) {
        return;
    }
    line_detail::MinorStepper minor(minor0, minorDelta, length, first);
    for (std::int64_t k = first; k <= last; ++k, minor.Advance()) {
        if (minor.value < lowMinor || minor.value > highMinor) {
            continue;
        }
        const std::int64_t major = major0 + direction * k;
        if (xMajor) {
            plot(static_cast<int>(major), static_cast<int>(minor.value));
        } else {
            plot(static_cast<int>(minor.value), static_cast<int>(major));
        }
    }
}

}  // namespace win::gdi
