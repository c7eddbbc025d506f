#include "platform/gdi/bitmap.h"

#include "platform/gdi/internal/device_context_state.h"
#include "platform/gdi/internal/object_table.h"

namespace win {

namespace {

bool SizeAllowed(int width, int height) {
    return width >= 0 && height >= 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide &&
           std::int64_t{width} * height <= kMaxBitmapPixels;
}

HBITMAP AddBitmap(gdi::PixelBitmap pixels) {
    return gdi::ObjectTable::Instance().Add(std::move(pixels));
}

}  // namespace

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    if (gdi::DeviceContext::From(dc) == nullptr || !SizeAllowed(width, height)) {
        return HBITMAP();
    }
    return AddBitmap(gdi::PixelBitmap(width, height, 32));
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                     std::span<const BYTE> bits) {
    if (planes != 1 || (bitsPerPixel != 24 && bitsPerPixel != 32) || !SizeAllowed(width, height)) {
        return HBITMAP();
    }
    const int bytesPerPixel = static_cast<int>(bitsPerPixel / 8);
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * bytesPerPixel + 1) / 2 * 2;
    if (!bits.empty() && bits.size() < rowBytes * static_cast<std::size_t>(height)) {
        return HBITMAP();
    }
    gdi::PixelBitmap pixels(width, height, static_cast<int>(bitsPerPixel));
    if (!bits.empty()) {
        for (int y = 0; y < height; ++y) {
            const BYTE* source = bits.data() + rowBytes * static_cast<std::size_t>(y);
            std::uint32_t* row = pixels.Row(y);
            for (int x = 0; x < width; ++x, source += bytesPerPixel) {
                const std::uint32_t alpha = bytesPerPixel == 4 ? source[3] : 0u;
                row[x] = (alpha << 24) | (std::uint32_t{source[2]} << 16) |
                         (std::uint32_t{source[1]} << 8) | source[0];
            }
        }
    }
    return AddBitmap(std::move(pixels));
}

HBITMAP CreatePictureBitmap(int width, int height, UINT bitsPerPixel,
                            std::span<const std::uint32_t> pixels) {
    if ((bitsPerPixel != 24 && bitsPerPixel != 32) || !SizeAllowed(width, height) ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return HBITMAP();
    }
    gdi::PixelBitmap bitmap(width, height, static_cast<int>(bitsPerPixel));
    const std::uint32_t keep = bitsPerPixel == 32 ? 0xFFFFFFFFu : 0x00FFFFFFu;
    auto out = bitmap.Pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        out[i] = pixels[i] & keep;
    }
    return AddBitmap(std::move(bitmap));
}

}  // namespace win
