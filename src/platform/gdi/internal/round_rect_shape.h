#pragma once

// The pixel shape of a rectangle with elliptic corners, and of an ellipse.

#include "platform/gdi/internal/region_data.h"
#include "platform/gdi/win_types.h"

namespace win::gdi {

// `box` is the set of pixels covered (already one smaller than the caller's right and bottom),
// non-empty; the ellipse axes are at least 2. A corner pixel stays when its centre lies inside
// or on the ellipse through the centres of the corner's outermost pixels, so a 3 × 3 corner
// loses its one corner pixel and a 4 × 4 corner two pixels of its first row and one of its second.
// A row that the curve only touches between two pixel centres keeps those middle pixels.
Region RoundRectShape(const RECT& box, int ellipseWidth, int ellipseHeight);

// The pixels of `box` whose centres lie inside or on the ellipse inscribed in it.
Region EllipseShape(const RECT& box);

}  // namespace win::gdi
