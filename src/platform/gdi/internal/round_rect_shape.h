#pragma once

// The pixel shape of a rectangle with elliptic corners, and of an ellipse.

#include "platform/gdi/internal/region_data.h"
#include "platform/gdi/win_types.h"

namespace win::gdi {

// `box` is the set of pixels covered (already one smaller than the caller's right and bottom),
// non-empty; corner axes are clamped to it. A corner axis under 2 pixels leaves a plain rectangle.
// The corners are the quarters of an ellipse of ellipseWidth × ellipseHeight pixels, traced by a
// midpoint walk (see the source); the rows between them are the box's full width.
Region RoundRectShape(const RECT& box, int ellipseWidth, int ellipseHeight);

// The ellipse filling `box`: a round rectangle whose corners are the whole box.
Region EllipseShape(const RECT& box);

}  // namespace win::gdi
