#pragma once

// Drawing an icon. An icon here is its picture: a 32-bit bitmap whose pixels are premultiplied
// by their alpha (what a standard picture of the icon type holds).

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win {

using HICON = HBITMAP;

inline constexpr UINT DI_MASK = 0x0001;
inline constexpr UINT DI_IMAGE = 0x0002;
inline constexpr UINT DI_NORMAL = DI_MASK | DI_IMAGE;

// Draws the icon at (x, y) scaled to cx x cy (0 takes the icon's own size). DI_NORMAL blends it
// by its alpha; DI_IMAGE alone copies its colours without the alpha. With a flicker-free brush
// the block is first filled with the brush off-screen and then put on `dc` in one copy, so the
// brush shows where the icon is transparent. Animation steps are not supported (step 0 only).
bool DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT stepIfAniCur,
                HBRUSH flickerFreeDraw, UINT flags);

}  // namespace win
