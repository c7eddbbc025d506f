#pragma once

// The one rounding rule for mixing 8-bit channels, used by blending, text coverage and
// premultiplied pictures alike.

#include <cstdint>

namespace win::gdi {

// round(value / 255) for value in [0, 255 * 255]; value / 255 is never exactly halfway.
constexpr std::uint32_t DivideBy255(std::uint32_t value) {
    return (value + 127) / 255;
}

// round(channel * alpha / 255).
constexpr std::uint32_t ScaleChannel(std::uint32_t channel, std::uint32_t alpha) {
    return DivideBy255(channel * alpha);
}

// round((s * a + d * (255 - a)) / 255): 255 gives the source, 0 keeps the destination.
constexpr std::uint32_t BlendChannel(std::uint32_t source, std::uint32_t destination,
                                     std::uint32_t alpha) {
    return DivideBy255(source * alpha + destination * (255 - alpha));
}

// BlendChannel on red, green and blue of two 0x00RRGGBB pixels; the top byte of the result is 0.
constexpr std::uint32_t BlendPixel(std::uint32_t source, std::uint32_t destination,
                                   std::uint32_t alpha) {
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        result |= BlendChannel((source >> shift) & 0xFF, (destination >> shift) & 0xFF, alpha)
                  << shift;
    }
    return result;
}

}  // namespace win::gdi
