#pragma once

// The drawing cases' interface on the system API, for the reference build.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdint>
#include <vector>

namespace gdi_reference {

// A memory DC over a top-down 32-bit DIB section, filled by `fill(x, y)`.
class Canvas {
public:
    Canvas(int width, int height, std::uint32_t (*fill)(int, int))
        : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<std::uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                bits_[y * width + x] = fill(x, y);
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
    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint32_t Pixel(int x, int y) const {
        GdiFlush();
        return bits_[y * width_ + x];
    }

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

inline std::vector<RECT> RegionRects(HRGN region) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<std::uint8_t> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    GetRegionData(region, size, data);
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    return std::vector<RECT>(rects, rects + data->rdh.nCount);
}

inline HBRUSH StockBrush(int index) {
    return static_cast<HBRUSH>(GetStockObject(index));
}

inline int PutDibStretched(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY,
                           int sourceWidth, int sourceHeight,
                           const std::vector<std::uint32_t>& bits, const BITMAPINFO& info,
                           DWORD rop) {
    return StretchDIBits(dc, x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight,
                         bits.data(), &info, DIB_RGB_COLORS, rop);
}

inline int PutDibToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int sourceX, int sourceY,
                          UINT startScan, UINT lineCount, const std::vector<std::uint32_t>& bits,
                          const BITMAPINFO& info) {
    return SetDIBitsToDevice(dc, x, y, width, height, sourceX, sourceY, startScan, lineCount,
                             bits.data(), &info, DIB_RGB_COLORS);
}

}  // namespace gdi_reference
