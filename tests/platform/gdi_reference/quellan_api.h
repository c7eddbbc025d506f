#pragma once

// The drawing cases' interface on our gdi.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/device_access.h"
#include "platform/gdi/gdi.h"

namespace gdi_reference {

using namespace win;

// A memory DC over a 32-bit bitmap, filled by `fill(x, y)`.
class Canvas {
public:
    Canvas(int width, int height, std::uint32_t (*fill)(int, int))
        : dc_(CreateCompatibleDC(HDC())),
          bitmap_(CreateCompatibleBitmap(dc_, width, height)),
          previous_(SelectObject(dc_, bitmap_)) {
        const auto pixels = gdi::WriteBitmapPixels(bitmap_);
        for (int y = 0; y < pixels->height; ++y) {
            for (int x = 0; x < pixels->width; ++x) {
                pixels->pixels[y * pixels->stride + x] = fill(x, y);
            }
        }
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return gdi::ReadBitmapPixels(bitmap_)->width; }
    int Height() const { return gdi::ReadBitmapPixels(bitmap_)->height; }
    std::uint32_t Pixel(int x, int y) const {
        const auto pixels = gdi::ReadBitmapPixels(bitmap_);
        return pixels->pixels[y * pixels->stride + x];
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HBITMAP previous_;
};

inline std::vector<RECT> RegionRects(HRGN region) {
    return GetRegionRects(region);
}

inline HBRUSH StockBrush(int index) {
    return GetStockObject(index).As<HBRUSH>();
}

inline std::span<const BYTE> Bytes(const std::vector<std::uint32_t>& bits) {
    return {reinterpret_cast<const BYTE*>(bits.data()), bits.size() * sizeof(std::uint32_t)};
}

inline int PutDibStretched(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY,
                           int sourceWidth, int sourceHeight,
                           const std::vector<std::uint32_t>& bits, const BITMAPINFO& info,
                           DWORD rop) {
    return StretchDIBits(dc, x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight,
                         Bytes(bits), &info, DIB_RGB_COLORS, rop);
}

inline int PutDibToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int sourceX, int sourceY,
                          UINT startScan, UINT lineCount, const std::vector<std::uint32_t>& bits,
                          const BITMAPINFO& info) {
    return SetDIBitsToDevice(dc, x, y, width, height, sourceX, sourceY, startScan, lineCount,
                             Bytes(bits), &info, DIB_RGB_COLORS);
}

}  // namespace gdi_reference
