#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace win::png {

// A picture as PNG files carry it: top-down rows of 0xAARRGGBB pixels (a bitmap's memory order
// with the alpha in the top byte). 24-bit pictures have no alpha; their top byte is 0.
struct PngImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;
    std::vector<std::uint32_t> pixels;

    // Dimensions positive, depth 24 or 32, and exactly width * height pixels.
    bool IsConsistent() const;
};

struct PngReadResult {
    std::optional<PngImage> image;
    std::string error;  // why there is no image

    explicit operator bool() const { return image.has_value(); }
};

// Larger pictures are refused before any pixel memory is allocated.
inline constexpr int kMaxPngSide = 16384;
inline constexpr std::int64_t kMaxPngPixels = std::int64_t{1} << 26;

}  // namespace win::png
