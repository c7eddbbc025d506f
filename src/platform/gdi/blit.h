#pragma once

// Block transfers between DCs. Only the destination's clip applies; parts of the source
// rectangle outside the source surface leave the destination unchanged. Any raster operation is
// computed from its truth table; SRCCOPY and PATCOPY take fast paths.

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/raster_op.h"
#include "platform/gdi/win_types.h"

namespace win {

// `source` may be null when the operation does not use it.
bool BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rop);

// Scales by sampling the nearest source pixel: destination pixel i of n takes source pixel
// floor((2i + 1) * m / 2n) of m, the source pixel under the destination pixel's centre.
// A negative width or height on one side only mirrors the picture.
bool StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, DWORD rop);

}  // namespace win
