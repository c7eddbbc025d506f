#pragma once

// Lines with the selected pen. LineTo paints from the current position up to, but not
// including, the end point, and leaves the end point as the current position.

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win {

bool MoveToEx(HDC dc, int x, int y, POINT* previous);
bool GetCurrentPositionEx(HDC dc, POINT* position);
bool LineTo(HDC dc, int x, int y);
// Lines from the first point through the others, each end point excluded except as the start of
// the next segment; does not touch the current position.
bool Polyline(HDC dc, const POINT* points, int count);

}  // namespace win
