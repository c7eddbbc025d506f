#pragma once

// Lines and box outlines on a picture box's memory DC, from scale-unit coordinates: positions
// round half to even to pixels, and both end points are drawn, as a picture box's line is.

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace quellan {

struct SurfacePoint {
    double x = 0.0;
    double y = 0.0;
};

// `unitsPerPixel` is 1 for a pixel scale and 15 for twips.
void DrawSurfaceLine(win::HDC dc, SurfacePoint from, SurfacePoint to, double unitsPerPixel,
                     win::COLORREF colour);
void DrawSurfaceBox(win::HDC dc, SurfacePoint corner, SurfacePoint opposite, double unitsPerPixel,
                    win::COLORREF colour);

}  // namespace quellan
