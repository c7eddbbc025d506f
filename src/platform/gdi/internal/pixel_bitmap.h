#pragma once

// The pixels of a bitmap: top-down rows of 0x00RRGGBB, one row directly after the other.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/win_types.h"

namespace win::gdi {

class PixelBitmap {
public:
    PixelBitmap() = default;
    // Black. The caller has checked the size against the limits.
    PixelBitmap(int width, int height, int bitsPerPixel);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return width_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    RECT Bounds() const { return RECT{0, 0, width_, height_}; }

    std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const std::uint32_t* Row(int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * width_;
    }
    std::span<std::uint32_t> Pixels() { return pixels_; }
    std::span<const std::uint32_t> Pixels() const { return pixels_; }

    // A bitmap may be selected into one memory DC at a time.
    bool InMemoryDc() const { return inMemoryDc_; }
    void SetInMemoryDc(bool selected) { inMemoryDc_ = selected; }

private:
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 32;
    std::vector<std::uint32_t> pixels_;
    bool inMemoryDc_ = false;
};

// COLORREF 0x00BBGGRR to the pixel 0x00RRGGBB; the colour's top byte is dropped.
constexpr std::uint32_t PixelFromColor(COLORREF colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}
constexpr COLORREF ColorFromPixel(std::uint32_t pixel) {
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

}  // namespace win::gdi
