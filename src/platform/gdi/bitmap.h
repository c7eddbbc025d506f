#pragma once

// Bitmaps: 32 bits per pixel in memory, top-down rows, 0x00RRGGBB per pixel. A picture made from
// 24-bit data keeps 24 as its depth (GetObject reports it) while its pixels are stored the same
// way.

#include <cstdint>
#include <span>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win {

struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;  // bytes per row, word aligned as for CreateBitmap
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 0;
    void* bmBits = nullptr;
};

// The largest bitmap side and area we accept; larger requests fail instead of exhausting memory.
inline constexpr int kMaxBitmapSide = 32767;
inline constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 26;

// A 32-bit bitmap of the given size, all black. Zero width or height gives a valid bitmap that
// draws nothing; negative or oversized sizes, or an invalid DC, give null.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);

// As its namesake: planes must be 1, bitsPerPixel 24 or 32, and `bits` (may be empty: black) holds
// rows of blue, green, red[, alpha] bytes, each row padded to an even number of bytes. Too few
// bytes fail. 32-bit data keeps its fourth byte, as the alpha of a picture.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                     std::span<const BYTE> bits);

// A picture from top-down 0xAARRGGBB pixels (the form a decoded image file has); a 24-bit picture
// drops the top byte.
HBITMAP CreatePictureBitmap(int width, int height, UINT bitsPerPixel,
                            std::span<const std::uint32_t> pixels);

}  // namespace win
