#pragma once

// The pen and brush primitives of the button's drawing. Each creates its object, uses it and
// deletes it before returning, leaving the surface's selections as it found them.

#include "button/render/button_view.h"
#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace quellan {

// From (x1, y1) up to, not including, (x2, y2).
void DrawLine(win::HDC dc, int x1, int y1, int x2, int y2, win::COLORREF colour);
// The outline of (x, y, x + w, y + h): right and bottom lines at x + w - 1 and y + h - 1.
void FrameRectColor(win::HDC dc, int x, int y, int w, int h, win::COLORREF colour);
void FillRectColor(win::HDC dc, win::COLORREF colour, const win::RECT& rect);
// (1, 1), (1, H - 2), (W - 2, 1) and (W - 2, H - 2) of the button's surface.
void SetCornerPixels(const ButtonView& view, win::COLORREF colour);

}  // namespace quellan
