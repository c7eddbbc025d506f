#pragma once

// What the window manager and the hosts need beyond the program's calls: DCs that draw into a
// window's backing bitmap, and direct reads of a bitmap's pixels.

#include <cstdint>
#include <optional>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win::gdi {

// A DC that draws into `target` (a backing store) with its device origin at `origin` on the
// bitmap, visible everywhere on the bitmap until told otherwise. The bitmap is not selected in the
// Windows sense (SelectObject of a bitmap into this DC fails), but it stays alive while the DC
// does. Release it with DeleteDC.
HDC CreateSurfaceDC(HBITMAP target, POINT origin);
bool SetSurfaceOrigin(HDC dc, POINT origin);
// The window manager's visible region in bitmap coordinates; null: the whole bitmap. The DC
// keeps a copy.
bool SetSurfaceVisibleRegion(HDC dc, HRGN visible);
bool SetSurfaceVisibleRect(HDC dc, const RECT& visible);
// Back to a fresh DC's objects and state (pen, brush, font, colours, modes, position, viewport
// origin, program clip), keeping surface, origin and visible region: what a new GetDC returns.
// Only for DCs made by CreateSurfaceDC.
bool ResetSurfaceDC(HDC dc);

// The bitmap a DC draws on (null for the display DC).
HBITMAP SurfaceBitmapOf(HDC dc);

// Pixels: top-down rows, 0x00RRGGBB (the top byte holds a 32-bit picture's alpha), `stride`
// pixels from row to row. Valid until the bitmap is deleted or resized.
struct BitmapPixels {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    int bitsPerPixel = 32;
};
struct MutableBitmapPixels {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    int bitsPerPixel = 32;
};
std::optional<BitmapPixels> ReadBitmapPixels(HBITMAP bitmap);
std::optional<MutableBitmapPixels> WriteBitmapPixels(HBITMAP bitmap);

}  // namespace win::gdi
