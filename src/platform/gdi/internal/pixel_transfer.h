#pragma once

// The one loop behind every block transfer: destination pixels inside the clip are paired with
// the source pixel under their centre (nearest sampling, which is a plain copy at 1:1), and
// pixels whose source lies outside the source are left alone. Shrinking in the BLACKONWHITE or
// WHITEONBLACK stretch mode pairs each destination pixel with the AND or OR of all the source
// pixels it stands for instead.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/gdi/device_context.h"
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

// Whether shrinking follows the destination's stretch mode (the blits) or always samples
// (blending, which has no use for combined pixels).
enum class ShrinkRule { StretchMode, Sample };

// op(destinationPixel&, sourcePixel) for each pair.
template <class Op>
void TransferPixels(DeviceContext& destination, TransferRect to, const PixelSource& source,
                    TransferRect from, Op&& op, ShrinkRule shrink = ShrinkRule::StretchMode);

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

// The source pixels [first, last] destination pixel i of m stands for when n are shrunk to m:
// across, the run ending at the pixel kept by plain sampling; down, the run starting at it.
struct SourceSpan {
    std::int64_t first = 0;
    std::int64_t last = 0;
};
inline SourceSpan SpanOf(std::int64_t i, std::int64_t n, std::int64_t m, Axis axis) {
    const std::int64_t kept = Sample(i, n, m, axis);
    if (n <= m) {
        return {kept, kept};
    }
    if (axis == Axis::Across) {
        return {i == 0 ? 0 : Sample(i - 1, n, m, axis) + 1, kept};
    }
    return {kept, i + 1 == m ? n - 1 : Sample(i + 1, n, m, axis) - 1};
}

// The spans of destination pixels [begin, end) of `to`, as source coordinates clipped to
// [0, limit); empty (first > last) where none of a span's pixels is in the source.
inline std::vector<SourceSpan> SourceSpans(std::int64_t begin, std::int64_t end,
                                           std::int64_t toStart, std::int64_t toLength,
                                           std::int64_t fromStart, std::int64_t fromLength,
                                           bool mirror, std::int64_t limit, Axis axis) {
    std::vector<SourceSpan> spans;
    spans.reserve(static_cast<std::size_t>(end - begin));
    for (std::int64_t d = begin; d < end; ++d) {
        SourceSpan span = SpanOf(d - toStart, fromLength, toLength, axis);
        if (mirror) {
            span = {fromLength - 1 - span.last, fromLength - 1 - span.first};
        }
        span.first = std::max<std::int64_t>(fromStart + span.first, 0);
        span.last = std::min<std::int64_t>(fromStart + span.last, limit - 1);
        spans.push_back(span);
    }
    return spans;
}

template <class Op>
void TransferCombining(DeviceContext& destination, TransferRect to, const PixelSource& source,
                       TransferRect from, bool mirrorX, bool mirrorY, Op&& op) {
    const bool useAnd = destination.StretchMode() == BLACKONWHITE;
    // Only what the clip can show is worked out, however large the destination.
    const RECT clipBox = destination.EffectiveClip().Box();
    const RECT whole = ClampedRect(to.x, to.y, to.x + to.width, to.y + to.height);
    const RECT area{std::max(whole.left, clipBox.left), std::max(whole.top, clipBox.top),
                    std::min(whole.right, clipBox.right), std::min(whole.bottom, clipBox.bottom)};
    if (area.left >= area.right || area.top >= area.bottom) {
        return;
    }
    const std::vector<SourceSpan> columns =
        SourceSpans(area.left, area.right, to.x, to.width, from.x, from.width, mirrorX,
                    source.width, Axis::Across);
    const std::vector<SourceSpan> rows =
        SourceSpans(area.top, area.bottom, to.y, to.height, from.y, from.height, mirrorY,
                    source.height, Axis::Down);
    auto combined = [&](const SourceSpan& across, const SourceSpan& down) {
        std::uint32_t value = useAnd ? 0xFFFFFFFFu : 0u;
        for (std::int64_t y = down.first; y <= down.last; ++y) {
            const std::uint32_t* row = source.pixels + y * source.stride;
            for (std::int64_t x = across.first; x <= across.last; ++x) {
                value = useAnd ? value & row[x] : value | row[x];
            }
        }
        return value;
    };
    PixelBitmap& surface = *destination.Surface();
    destination.EffectiveClip().ForEachPieceIn(
        area, [&](int top, int bottom, int pieceLeft, int pieceRight) {
            for (int y = top; y < bottom; ++y) {
                const SourceSpan& down = rows[static_cast<std::size_t>(y - area.top)];
                if (down.first > down.last) {
                    continue;
                }
                std::uint32_t* row = surface.Row(y);
                for (int x = pieceLeft; x < pieceRight; ++x) {
                    const SourceSpan& across = columns[static_cast<std::size_t>(x - area.left)];
                    if (across.first <= across.last) {
                        op(row[x], combined(across, down));
                    }
                }
            }
        });
}

inline bool CombinesWhenShrinking(const DeviceContext& destination) {
    return destination.StretchMode() == BLACKONWHITE || destination.StretchMode() == WHITEONBLACK;
}

}  // namespace transfer_detail

template <class Op>
void TransferPixels(DeviceContext& destination, TransferRect to, const PixelSource& source,
                    TransferRect from, Op&& op, ShrinkRule shrink) {
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
    if (shrink == ShrinkRule::StretchMode && (from.width > to.width || from.height > to.height) &&
        transfer_detail::CombinesWhenShrinking(destination)) {
        transfer_detail::TransferCombining(destination, to, source, from, mirrorX, mirrorY, op);
        return;
    }
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
