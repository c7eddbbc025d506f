#pragma once

// The clip of a DC, in device coordinates (before the DC's own origin). The window manager's
// visible region of the DC always applies on top of it.

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win {

// The DC keeps a copy of the region; null removes the clip. Returns the resulting region type.
int SelectClipRgn(HDC dc, HRGN region);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
// The smallest rectangle around what can be drawn, in logical coordinates.
int GetClipBox(HDC dc, RECT* box);

}  // namespace win
