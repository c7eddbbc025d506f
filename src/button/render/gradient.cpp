#include "button/render/gradient.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "button/render/colour_functions.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/raster_op.h"

namespace quellan {

namespace {

// 0x00RRGGBB: blue in the first byte, as a 32-bit DIB keeps it.
std::uint32_t DibPixel(const ColourChannels& c) {
    return static_cast<std::uint32_t>(c.blue + c.green * 256 + c.red * 65536);
}

std::int32_t Step(std::int32_t start, std::int32_t end, std::int64_t i, std::int64_t count) {
    return static_cast<std::int32_t>(start + i * (end - start) / count);
}

// Entry 0 is the start colour and the last entry the end colour exactly; a single step takes
// the halves of both.
std::vector<std::uint32_t> ColourSteps(win::COLORREF start, win::COLORREF end, std::int64_t n) {
    const ColourChannels s = ChannelsOf(start);
    const ColourChannels e = ChannelsOf(end);
    std::vector<std::uint32_t> steps(static_cast<std::size_t>(n));
    const std::int64_t count = n - 1;
    if (count == 0) {
        steps[0] =
            DibPixel({s.red / 2 + e.red / 2, s.green / 2 + e.green / 2, s.blue / 2 + e.blue / 2});
        return steps;
    }
    for (std::int64_t i = 0; i <= count; ++i) {
        steps[static_cast<std::size_t>(i)] =
            DibPixel({Step(s.red, e.red, i, count), Step(s.green, e.green, i, count),
                      Step(s.blue, e.blue, i, count)});
    }
    return steps;
}

std::int64_t StepCount(std::int64_t w, std::int64_t h, GradientDirection direction) {
    switch (direction) {
        case GradientDirection::Horizontal:
            return w;
        case GradientDirection::Vertical:
            return h;
        case GradientDirection::DownDiagonal:
        case GradientDirection::UpDiagonal:
            return w + h - 1;
    }
    return 0;
}

// Which step a pixel takes; `row` counts from the top.
std::size_t StepOf(int column, int row, int h, GradientDirection direction) {
    switch (direction) {
        case GradientDirection::Horizontal:
            return static_cast<std::size_t>(column);
        case GradientDirection::Vertical:
            return static_cast<std::size_t>(row);
        case GradientDirection::DownDiagonal:
            return static_cast<std::size_t>(column + row);
        case GradientDirection::UpDiagonal:
            return static_cast<std::size_t>(column + (h - 1 - row));
    }
    return 0;
}

}  // namespace

void DrawGradient(win::HDC dc, int x, int y, int w, int h, win::COLORREF start, win::COLORREF end,
                  GradientDirection direction) {
    if (w <= 0 || h <= 0 || static_cast<std::int64_t>(w) * h > win::kMaxBitmapPixels) {
        return;
    }
    const std::int64_t n = StepCount(w, h, direction);
    if (n <= 0) {
        return;
    }
    const std::vector<std::uint32_t> steps = ColourSteps(start, end, n);

    // Bottom-up rows: memory row 0 is the bottom row of the block.
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int row = 0; row < h; ++row) {
        std::uint32_t* line = pixels.data() + static_cast<std::size_t>(h - 1 - row) * w;
        if (direction == GradientDirection::Horizontal) {
            std::memcpy(line, steps.data(), static_cast<std::size_t>(w) * sizeof(std::uint32_t));
            continue;
        }
        if (direction == GradientDirection::Vertical) {
            std::fill(line, line + w, steps[static_cast<std::size_t>(row)]);
            continue;
        }
        for (int column = 0; column < w; ++column) {
            line[column] = steps[StepOf(column, row, h, direction)];
        }
    }

    win::BITMAPINFO info{};
    info.bmiHeader.biSize = 40;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = win::BI_RGB;
    const std::span<const win::BYTE> bits(reinterpret_cast<const win::BYTE*>(pixels.data()),
                                          pixels.size() * sizeof(std::uint32_t));
    win::StretchDIBits(dc, x, y, w, h, 0, 0, w, h, bits, &info, win::DIB_RGB_COLORS, win::SRCCOPY);
}

}  // namespace quellan
