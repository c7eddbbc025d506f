#include "platform/user/presented_pixels.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace win::user {
namespace {

const std::uint32_t* RowOf(const gdi::BitmapPixels& pixels, int y) {
    return pixels.pixels + static_cast<std::ptrdiff_t>(y) * pixels.stride;
}

}  // namespace

bool PresentedPixels::RowDiffers(const gdi::BitmapPixels& now, int y, const RECT& dirty) const {
    const std::uint32_t* shown = pixels_.data() + static_cast<std::ptrdiff_t>(y) * width_;
    return std::memcmp(
               shown + dirty.left, RowOf(now, y) + dirty.left,
               static_cast<std::size_t>(dirty.right - dirty.left) * sizeof(std::uint32_t)) != 0;
}

std::optional<RECT> PresentedPixels::ChangedPart(const gdi::BitmapPixels& now,
                                                 const RECT& dirty) const {
    if (!known_ || now.width != width_ || now.height != height_) {
        return dirty;
    }
    int top = dirty.top;
    while (top < dirty.bottom && !RowDiffers(now, top, dirty)) {
        ++top;
    }
    if (top == dirty.bottom) {
        return std::nullopt;
    }
    int bottom = dirty.bottom;
    while (!RowDiffers(now, bottom - 1, dirty)) {
        --bottom;
    }
    return RECT{dirty.left, top, dirty.right, bottom};
}

void PresentedPixels::Remember(const gdi::BitmapPixels& now, const RECT& area) {
    RECT copied = area;
    if (!known_ || now.width != width_ || now.height != height_) {
        width_ = now.width;
        height_ = now.height;
        pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
        copied = {0, 0, width_, height_};
        known_ = true;
    }
    for (int y = copied.top; y < copied.bottom; ++y) {
        std::memcpy(pixels_.data() + static_cast<std::ptrdiff_t>(y) * width_ + copied.left,
                    RowOf(now, y) + copied.left,
                    static_cast<std::size_t>(copied.right - copied.left) * sizeof(std::uint32_t));
    }
}

}  // namespace win::user
