#pragma once

// The pixel shape of a rectangle with elliptic corners, and of an ellipse.

#include "platform/gdi/internal/region_data.h"
#include "platform/gdi/win_types.h"

namespace win::gdi {

// `box` is the set of pixels covered (already one smaller than the caller's right and bottom),
// non-empty; corner axes are clamped to it. Corners under 3 pixels leave a plain rectangle.
// Corners up to kLargestStaircaseCorner are a staircase (see the source); a larger corner pixel
// stays when its centre lies inside or on the ellipse through the centres of the corner's
// outermost pixels. A row that the curve only touches between two pixel centres keeps those
// middle pixels.
inline constexpr int kLargestStaircaseCorner = 8;
Region RoundRectShape(const RECT& box, int ellipseWidth, int ellipseHeight);

// The pixels of `box` whose centres lie inside or on the ellipse inscribed in it.
Region EllipseShape(const RECT& box);

}  // namespace win::gdi
