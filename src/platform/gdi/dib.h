#pragma once

// Device-independent pixels: 24 bits (blue, green, red) or 32 bits (blue, green, red, alpha) per
// pixel, rows padded to 4 bytes. A positive height means bottom-up rows (the first row in memory is
// the bottom of the picture), a negative one top-down. Buffers are spans, so a buffer too short for
// what the header describes is refused instead of overrun.

#include <span>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win {

inline constexpr DWORD BI_RGB = 0;
inline constexpr UINT DIB_RGB_COLORS = 0;
inline constexpr int GDI_ERROR = -1;

struct BITMAPINFOHEADER {
    DWORD biSize = 40;
    LONG biWidth = 0;
    LONG biHeight = 0;
    WORD biPlanes = 1;
    WORD biBitCount = 0;
    DWORD biCompression = BI_RGB;
    DWORD biSizeImage = 0;
    LONG biXPelsPerMeter = 0;
    LONG biYPelsPerMeter = 0;
    DWORD biClrUsed = 0;
    DWORD biClrImportant = 0;
};

struct RGBQUAD {
    BYTE rgbBlue = 0;
    BYTE rgbGreen = 0;
    BYTE rgbRed = 0;
    BYTE rgbReserved = 0;
};

struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

// Bytes in one row of a DIB of this width and depth: ((width * bits + 31) / 32) * 4.
std::int64_t DibRowBytes(std::int64_t width, int bitsPerPixel);

// Copies the source rectangle (in picture coordinates: for a bottom-up DIB the origin is the
// bottom-left corner, as Windows has it) scaled onto the destination rectangle. Returns the
// picture's height when the source rectangle meets the picture, otherwise 0, as on failure
// (nothing drawn). Only SRCCOPY is supported.
int StretchDIBits(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY,
                  int sourceWidth, int sourceHeight, std::span<const BYTE> bits,
                  const BITMAPINFO* info, UINT usage, DWORD rop);

// Copies width × height pixels unscaled; `bits` holds `lineCount` scan lines starting at scan
// line `startScan` (scan lines, and sourceY, count from the bottom of the picture whichever way
// its rows are stored). Returns the number of scan lines set (see ScanLinesSet in the source for
// how they are counted), 0 on failure.
int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int sourceX, int sourceY,
                      UINT startScan, UINT lineCount, std::span<const BYTE> bits,
                      const BITMAPINFO* info, UINT usage);

// Reads `lineCount` scan lines from `startScan` of the bitmap into `bits` in the format the
// header asks for (24 or 32 bits; the width must be the bitmap's; the sign of the height picks
// the row order). With empty `bits` only the header is completed (size, depth when 0, image
// size). Returns the number of lines copied, 0 on failure.
int GetDIBits(HDC dc, HBITMAP bitmap, UINT startScan, UINT lineCount, std::span<BYTE> bits,
              BITMAPINFO* info, UINT usage);

}  // namespace win
