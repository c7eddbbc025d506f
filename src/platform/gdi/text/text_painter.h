#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/text/text_engine.h"
#include "platform/gdi/text/text_layout.h"

namespace win::text {

// Top-down rows of 0x00RRGGBB pixels, `width` to a row.
struct PixelSurface {
    std::span<std::uint32_t> pixels;
    int width = 0;
    int height = 0;
};

struct TextPaint {
    std::uint32_t textPixel = 0;  // 0x00RRGGBB
    std::uint32_t backPixel = 0;
    bool opaque = false;  // fill each line's cell with backPixel first
    bool underline = false;
    bool strikeOut = false;
    int originX = 0;  // added to layout coordinates to reach the surface's pixels
    int originY = 0;
};

// Paints laid-out lines: the opaque cell, the glyphs as coverage blended in the text colour, the
// prefix and font underlines. `visible` lists the device rectangles that may be touched (the clip
// already intersected with the surface); nothing outside them is read or written.
void PaintTextLayout(const TextLayout& layout, const MatchedFont& font, const TextPaint& paint,
                     std::span<const LayoutBox> visible, PixelSurface& surface);

}  // namespace win::text
