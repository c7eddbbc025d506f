#pragma once

// Filled and framed areas. Rectangles exclude their right and bottom edges; an empty or inverted
// RECT draws nothing.

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win {

bool FillRect(HDC dc, const RECT* rect, HBRUSH brush);
// A one-pixel outline: the right and bottom lines lie at right - 1 and bottom - 1.
bool FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
// Outline with the selected pen, inside filled with the selected brush. The corners may come in
// any order. With the null pen the filled area is one pixel smaller on the right and bottom.
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
// Fills with the selected brush combined by PATCOPY, PATINVERT, DSTINVERT, BLACKNESS or
// WHITENESS. A negative width or height extends left or up.
bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
bool FillRgn(HDC dc, HRGN region, HBRUSH brush);
// Inverts every colour of the rectangle (XOR with white).
bool InvertRect(HDC dc, const RECT* rect);

}  // namespace win
