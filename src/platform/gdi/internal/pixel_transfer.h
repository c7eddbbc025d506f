#pragma once

// The one loop behind every block transfer: destination pixels inside the clip are paired with
// the source pixel under their centre (nearest sampling, which is a plain copy at 1:1), and
// pixels whose source lies outside the source are left alone.

#include <cstdint>
#include <vector>

#include "platform/gdi/internal/device_context_state.h"
#include "platform/gdi/internal/line_raster.h"

namespace win::gdi {

// Read-only 32-bit pixels, top-down, `stride` pixels per row.
struct PixelSource {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
};

// A rectangle with 64-bit corners, so callers' sums cannot overflow; extents may be negative,
// which mirrors.
struct TransferRect {
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// Copies `source` into `copy` when it shares pixels with the destination, so overlapping
// transfers read the picture as it was.
PixelSource DetachedSource(const PixelSource& source, const PixelBitmap& destination,
                           std::vector<std::uint32_t>& copy);

// op(destinationPixel&, sourcePixel) for each pair.
template <class Op>
void TransferPixels(DeviceContext& destination, TransferRect to, const PixelSource& source,
                    TransferRect from, Op&& op);

namespace transfer_detail {

enum class Axis { Across, Down };

// Index into n source pixels for destination pixel i of m, as floor(numerator / 2m).
// Enlarging takes the source pixel under the destination pixel's centre, a centre falling on a
// boundary taking the earlier one: ((2i + 1) n - 1). Shrinking keeps, across, the source pixel
// nearest the far end of the destination pixel's span, ((2i + 2) n - m), and down, the one
// nearest its near end, (2in + m).
inline std::int64_t Sample(std::int64_t i, std::int64_t n, std::int64_t m, Axis axis) {
    if (n == m) {
        return i;
    }
    auto numerator = [&](auto wideI, auto wideN, auto wideM) {
        if (wideN < wideM) {
            return (2 * wideI + 1) * wideN - 1;
        }
        return axis == Axis::Across ? (2 * wideI + 2) * wideN - wideM : 2 * wideI * wideN + wideM;
    };
    constexpr std::int64_t kNarrow = std::int64_t{1} << 30;
    if (i < kNarrow && n < kNarrow && m < kNarrow) {
        return numerator(i, n, m) / (2 * m);
    }
    using line_detail::Wide;
    return static_cast<std::int64_t>(numerator(Wide{i}, Wide{n}, Wide{m}) / (Wide{2} * m));
}

}  // namespace transfer_detail

template <class Op>
void TransferPixels(DeviceContext& destination, TransferRect to, const PixelSource& source,
                    TransferRect from, Op&& op) {
    if (destination.Surface() == nullptr || to.width == 0 || to.height == 0 || from.width == 0 ||
        from.height == 0 || source.pixels == nullptr) {
        return;
    }
    const bool mirrorX = (to.width < 0) != (from.width < 0);
    const bool mirrorY = (to.height < 0) != (from.height < 0);
    auto normalise = [](TransferRect& r) {
        if (r.width < 0) {
            r.x += r.width;
            r.width = -r.width;
        }
        if (r.height < 0) {
            r.y += r.height;
            r.height = -r.height;
        }
    };
    normalise(to);
    normalise(from);
    const RECT area = ClampedRect(to.x, to.y, to.x + to.width, to.y + to.height);
    const Region& clip = destination.EffectiveClip();
    const RECT clipBox = clip.Box();
    const std::int64_t left = area.left > clipBox.left ? area.left : clipBox.left;
    const std::int64_t right = area.right < clipBox.right ? area.right : clipBox.right;
    if (left >= right) {
        return;
    }
    // The source column of every destination column that can be drawn, -1 where none.
    std::vector<std::int64_t> columns(static_cast<std::size_t>(right - left), -1);
    for (std::int64_t x = left; x < right; ++x) {
        std::int64_t j =
            transfer_detail::Sample(x - to.x, from.width, to.width, transfer_detail::Axis::Across);
        if (mirrorX) {
            j = from.width - 1 - j;
        }
        const std::int64_t sourceX = from.x + j;
        if (sourceX >= 0 && sourceX < source.width) {
            columns[static_cast<std::size_t>(x - left)] = sourceX;
        }
    }
    PixelBitmap& surface = *destination.Surface();
    clip.ForEachPieceIn(area, [&](int top, int bottom, int pieceLeft, int pieceRight) {
        for (int y = top; y < bottom; ++y) {
            std::int64_t j = transfer_detail::Sample(y - to.y, from.height, to.height,
                                                     transfer_detail::Axis::Down);
            if (mirrorY) {
                j = from.height - 1 - j;
            }
            const std::int64_t sourceY = from.y + j;
            if (sourceY < 0 || sourceY >= source.height) {
                continue;
            }
            const std::uint32_t* sourceRow = source.pixels + sourceY * source.stride;
            std::uint32_t* row = surface.Row(y);
            for (int x = pieceLeft; x < pieceRight; ++x) {
                const std::int64_t sourceX = columns[static_cast<std::size_t>(x - left)];
                if (sourceX >= 0) {
                    op(row[x], sourceRow[sourceX]);
                }
            }
        }
    });
}

}  // namespace win::gdi
