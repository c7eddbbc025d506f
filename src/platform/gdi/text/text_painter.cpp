#include "platform/gdi/text/text_painter.h"

#include <algorithm>
#include <limits>
#include <string>

#include "platform/gdi/pixel_blend.h"
#include "platform/gdi/text/utf8.h"

namespace win::text {
namespace {

LayoutBox Intersect(const LayoutBox& a, const LayoutBox& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const LayoutBox& box) {
    return box.left >= box.right || box.top >= box.bottom;
}

int Saturate(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

LayoutBox DeviceBox(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height) {
    return {Saturate(left), Saturate(top), Saturate(left + width), Saturate(top + height)};
}

std::uint32_t Blend(std::uint32_t ink, std::uint32_t under, std::uint32_t coverage) {
    if (coverage >= 255) {
        return ink & 0x00FFFFFFu;
    }
    return gdi::BlendPixel(ink, under, coverage);
}

void Fill(PixelSurface& surface, const LayoutBox& area, std::span<const LayoutBox> visible,
          std::uint32_t pixel) {
    for (const LayoutBox& clip : visible) {
        const LayoutBox box = Intersect(area, clip);
        for (int y = box.top; y < box.bottom; ++y) {
            std::uint32_t* row =
                surface.pixels.data() + static_cast<std::size_t>(y) * surface.width;
            std::fill(row + box.left, row + box.right, pixel & 0x00FFFFFFu);
        }
    }
}

void Composite(PixelSurface& surface, const CoverageMask& mask, std::span<const LayoutBox> visible,
               std::uint32_t ink) {
    const LayoutBox maskBox{mask.Left(), mask.Top(), mask.Left() + mask.Width(),
                            mask.Top() + mask.Height()};
    for (const LayoutBox& clip : visible) {
        const LayoutBox box = Intersect(maskBox, clip);
        for (int y = box.top; y < box.bottom; ++y) {
            std::uint32_t* row =
                surface.pixels.data() + static_cast<std::size_t>(y) * surface.width;
            for (int x = box.left; x < box.right; ++x) {
                const std::uint8_t coverage = mask.At(x, y);
                if (coverage != 0) {
                    row[x] = Blend(ink, row[x], coverage);
                }
            }
        }
    }
}

LayoutBox BoundsOf(std::span<const LayoutBox> visible) {
    LayoutBox bounds{std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
                     std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
    for (const LayoutBox& box : visible) {
        if (!IsEmpty(box)) {
            bounds = {std::min(bounds.left, box.left), std::min(bounds.top, box.top),
                      std::max(bounds.right, box.right), std::max(bounds.bottom, box.bottom)};
        }
    }
    return bounds;
}

void DrawLineDecorations(const LayoutLine& line, const FontMetrics& m, const TextPaint& paint,
                         int penX, int baseline, CoverageMask& mask) {
    const int thickness = std::max(1, m.underlineThickness);
    const int underlineTop = baseline + m.underlinePosition;
    if (paint.underline) {
        mask.CoverRect(penX, underlineTop, penX + line.width, underlineTop + thickness, 255);
    }
    if (paint.strikeOut) {
        const int strikeTop = baseline - m.strikeOutPosition;
        mask.CoverRect(penX, strikeTop, penX + line.width, strikeTop + thickness, 255);
    }
    int x = penX;
    for (const LayoutCharacter& c : line.characters) {
        if (c.underlined) {
            mask.CoverRect(x, underlineTop, x + c.advance, underlineTop + thickness, 255);
        }
        x += c.advance;
    }
}

// Tabs end a run: their advance was set by the layout, not by the engine.
void DrawRuns(const LayoutLine& line, const MatchedFont& font, int penX, int baseline,
              std::string& utf8, CoverageMask& mask) {
    std::int64_t runStart = penX;
    std::int64_t x = penX;
    utf8.clear();
    for (const LayoutCharacter& c : line.characters) {
        if (c.ch == U'\t') {
            if (!utf8.empty()) {
                font.DrawRun(utf8, Saturate(runStart), baseline, mask);
                utf8.clear();
            }
            x += c.advance;
            runStart = x;
            continue;
        }
        AppendUtf8(utf8, c.ch);
        x += c.advance;
    }
    if (!utf8.empty()) {
        font.DrawRun(utf8, Saturate(runStart), baseline, mask);
    }
}

}  // namespace

void PaintTextLayout(const TextLayout& layout, const MatchedFont& font, const TextPaint& paint,
                     std::span<const LayoutBox> visible, PixelSurface& surface) {
    const LayoutBox reach = BoundsOf(visible);
    if (IsEmpty(reach)) {
        return;
    }
    const FontMetrics& m = layout.metrics;
    // Italic and bold ink may overhang the advance box a little.
    const std::int64_t overhang = std::max(2, layout.lineHeight / 2);
    std::vector<std::uint8_t> coverage;
    std::string utf8;
    for (const LayoutLine& line : layout.lines) {
        const std::int64_t penX = std::int64_t{line.x} + paint.originX;
        const std::int64_t top = std::int64_t{line.y} + paint.originY;
        const LayoutBox cell = DeviceBox(penX, top, line.width, layout.lineHeight);
        if (paint.opaque) {
            Fill(surface, cell, visible, paint.backPixel);
        }
        const LayoutBox inkArea = Intersect(
            DeviceBox(penX - overhang, top, line.width + 2 * overhang, layout.lineHeight), reach);
        if (IsEmpty(inkArea) || line.characters.empty()) {
            continue;
        }
        const int width = inkArea.right - inkArea.left;
        const int height = inkArea.bottom - inkArea.top;
        coverage.assign(static_cast<std::size_t>(width) * height, 0);
        CoverageMask mask(inkArea.left, inkArea.top, width, height, coverage);

        const int pen = Saturate(penX);
        const int baseline = Saturate(top + m.ascent);
        DrawRuns(line, font, pen, baseline, utf8, mask);
        DrawLineDecorations(line, m, paint, pen, baseline, mask);
        Composite(surface, mask, visible, paint.textPixel);
    }
}

}  // namespace win::text
