#pragma once

// A memory DC over a small bitmap, with pixel probes, for the raster tests.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/gdi/device_access.h"
#include "platform/gdi/gdi.h"

namespace win::testing {

// Pixels as read straight from memory: 0x00RRGGBB.
inline constexpr std::uint32_t kWhitePixel = 0x00FFFFFF;
inline constexpr std::uint32_t kBlackPixel = 0x00000000;

class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = RGB(255, 255, 255))
        : dc_(CreateCompatibleDC(HDC())),
          bitmap_(CreateCompatibleBitmap(dc_, width, height)),
          previous_(SelectObject(dc_, bitmap_)) {
        Fill(fill);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return gdi::ReadBitmapPixels(bitmap_)->width; }
    int Height() const { return gdi::ReadBitmapPixels(bitmap_)->height; }

    void Fill(COLORREF colour) {
        const auto pixels = gdi::WriteBitmapPixels(bitmap_);
        const std::uint32_t pixel =
            ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
        for (int y = 0; y < pixels->height; ++y) {
            for (int x = 0; x < pixels->width; ++x) {
                pixels->pixels[y * pixels->stride + x] = pixel;
            }
        }
    }

    // The raw 0x00RRGGBB (or alpha-carrying) pixel in memory.
    std::uint32_t Pixel(int x, int y) const {
        const auto pixels = gdi::ReadBitmapPixels(bitmap_);
        if (x < 0 || y < 0 || x >= pixels->width || y >= pixels->height) {
            ADD_FAILURE() << "probe outside the canvas: " << x << "," << y;
            return kOutside;
        }
        return pixels->pixels[y * pixels->stride + x];
    }
    void SetRaw(int x, int y, std::uint32_t pixel) {
        const auto pixels = gdi::WriteBitmapPixels(bitmap_);
        ASSERT_TRUE(x >= 0 && y >= 0 && x < pixels->width && y < pixels->height);
        pixels->pixels[y * pixels->stride + x] = pixel;
    }
    static constexpr std::uint32_t kOutside = 0xDEADBEEF;

    // One row as characters: `mark` where the pixel equals `ink`, '.' elsewhere.
    std::string Row(int y, std::uint32_t ink, char mark = '#') const {
        std::string row;
        for (int x = 0; x < Width(); ++x) {
            row += Pixel(x, y) == ink ? mark : '.';
        }
        return row;
    }

    int Count(std::uint32_t pixel) const {
        int count = 0;
        for (int y = 0; y < Height(); ++y) {
            for (int x = 0; x < Width(); ++x) {
                count += Pixel(x, y) == pixel ? 1 : 0;
            }
        }
        return count;
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HBITMAP previous_;
};

// Draws with a fresh solid pen of the colour and puts the old one back.
inline void DrawLine(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour) {
    const HPEN pen = CreatePen(PS_SOLID, 1, colour);
    const HPEN old = SelectObject(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    SelectObject(dc, old);
    DeleteObject(pen);
}

}  // namespace win::testing
