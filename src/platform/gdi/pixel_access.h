#pragma once

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win {

// Returns the colour set, or CLR_INVALID (-1) when the point is clipped or the DC not valid.
COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);
// CLR_INVALID outside the surface or its clip.
COLORREF GetPixel(HDC dc, int x, int y);

}  // namespace win
