#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/gdi/text/layout_line.h"
#include "platform/gdi/text/text_engine.h"

namespace win::text {

struct LayoutBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    std::int64_t Width() const { return std::int64_t{right} - left; }
    std::int64_t Height() const { return std::int64_t{bottom} - top; }
};

// The result of laying out a text as the DT_ format asks: lines with their pen positions in the
// box's coordinates.
struct TextLayout {
    std::vector<LayoutLine> lines;
    FontMetrics metrics;
    int lineHeight = 0;
    int width = 0;        // of the widest line
    int height = 0;       // of all lines together
    int drawnHeight = 0;  // what DrawText returns
};

// Line breaking, ellipsis, prefixes and alignment, identical for every engine; the font is only
// asked for metrics and advances.
TextLayout LayoutText(std::u32string_view text, const LayoutBox& box, unsigned int format,
                      const MatchedFont& font);

}  // namespace win::text
