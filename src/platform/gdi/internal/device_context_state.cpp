#include "platform/gdi/internal/device_context_state.h"

#include <algorithm>
#include <utility>

#include "platform/gdi/internal/object_table.h"
#include "platform/gdi/pixel_blend.h"
#include "platform/gdi/region.h"

namespace win::gdi {

namespace {

int ClampCoordinate(std::int64_t value) {
    return static_cast<int>(
        std::clamp<std::int64_t>(value, -kRegionCoordinateLimit, kRegionCoordinateLimit));
}

}  // namespace

RECT ClampedRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    return RECT{ClampCoordinate(left), ClampCoordinate(top), ClampCoordinate(right),
                ClampCoordinate(bottom)};
}

RECT PatternCoverage(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
    auto span = [](std::int64_t from, std::int64_t extent) {
        return extent >= 0 ? std::pair{from, from + extent}
                           : std::pair{from + extent + 1, from + 1};
    };
    const auto [left, right] = span(x, width);
    const auto [top, bottom] = span(y, height);
    return ClampedRect(left, top, right, bottom);
}

DeviceContext* DeviceContext::From(HDC dc) {
    return ObjectTable::Instance().Find<DeviceContext>(dc);
}

void DeviceContext::AttachSurface(HBITMAP handle, PixelBitmap* surface) {
    surfaceHandle_ = handle;
    surface_ = surface;
    RecomputeClip();
}

void DeviceContext::AttachPen(HPEN handle, const PenObject* pen) {
    penHandle_ = handle;
    pen_ = pen;
}

void DeviceContext::AttachBrush(HBRUSH handle, const BrushObject* brush) {
    brushHandle_ = handle;
    brush_ = brush;
}

void DeviceContext::AttachFont(HFONT handle, const FontObject* font) {
    fontHandle_ = handle;
    font_ = font;
}

void DeviceContext::SetSurfaceOrigin(POINT origin) {
    // Held to the range regions hold, so offsetting the clip by it cannot overflow.
    surfaceOrigin_ = POINT{ClampCoordinate(origin.x), ClampCoordinate(origin.y)};
    RecomputeClip();
}

RECT DeviceContext::LogicalToSurface(const RECT& logical) const {
    return ClampedRect(SurfaceX(logical.left), SurfaceY(logical.top), SurfaceX(logical.right),
                       SurfaceY(logical.bottom));
}

void DeviceContext::SetClipRegion(std::optional<Region> region) {
    clipRegion_ = std::move(region);
    RecomputeClip();
}

void DeviceContext::SetVisibleRegion(std::optional<Region> region) {
    visibleRegion_ = std::move(region);
    RecomputeClip();
}

void DeviceContext::RecomputeClip() {
    if (surface_ == nullptr) {
        effectiveClip_ = Region();
        return;
    }
    Region clip = Region::FromRect(surface_->Bounds());
    if (visibleRegion_.has_value()) {
        clip = Region::Combine(clip, *visibleRegion_, RegionOp::And);
    }
    if (clipRegion_.has_value()) {
        Region programClip = *clipRegion_;
        programClip.Offset(surfaceOrigin_.x, surfaceOrigin_.y);
        clip = Region::Combine(clip, programClip, RegionOp::And);
    }
    effectiveClip_ = std::move(clip);
}

bool DeviceContext::IsClipped(int surfaceX, int surfaceY) const {
    if (effectiveClip_.IsSingleRect()) {
        const RECT box = effectiveClip_.Box();
        return surfaceX < box.left || surfaceX >= box.right || surfaceY < box.top ||
               surfaceY >= box.bottom;
    }
    return !effectiveClip_.Contains(surfaceX, surfaceY);
}

void DeviceContext::FillSurfaceRect(const RECT& surfaceRect, std::uint32_t pixel) {
    effectiveClip_.ForEachPieceIn(surfaceRect, [&](int top, int bottom, int left, int right) {
        for (int y = top; y < bottom; ++y) {
            std::fill(surface_->Row(y) + left, surface_->Row(y) + right, pixel);
        }
    });
}

void DeviceContext::InvertSurfaceRect(const RECT& surfaceRect, std::uint32_t mask) {
    effectiveClip_.ForEachPieceIn(surfaceRect, [&](int top, int bottom, int left, int right) {
        for (int y = top; y < bottom; ++y) {
            std::uint32_t* row = surface_->Row(y);
            for (int x = left; x < right; ++x) {
                row[x] ^= mask;
            }
        }
    });
}

void DeviceContext::SetSurfacePixel(int x, int y, std::uint32_t pixel) {
    if (surface_ != nullptr && !IsClipped(x, y)) {
        surface_->Row(y)[x] = pixel;
    }
}

void DeviceContext::BlendCoverage(int logicalLeft, int logicalTop, int width, int height,
                                  std::span<const std::uint8_t> coverage, COLORREF colour) {
    if (surface_ == nullptr || width <= 0 || height <= 0 ||
        coverage.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return;
    }
    const std::int64_t left = SurfaceX(logicalLeft);
    const std::int64_t top = SurfaceY(logicalTop);
    const RECT area = ClampedRect(left, top, left + width, top + height);
    const std::uint32_t pixel = PixelFromColor(colour);
    effectiveClip_.ForEachPieceIn(
        area, [&](int pieceTop, int pieceBottom, int pieceLeft, int pieceRight) {
            for (int y = pieceTop; y < pieceBottom; ++y) {
                const std::uint8_t* alphaRow =
                    coverage.data() + static_cast<std::size_t>(y - top) * width;
                std::uint32_t* row = surface_->Row(y);
                for (int x = pieceLeft; x < pieceRight; ++x) {
                    const std::uint32_t alpha = alphaRow[x - left];
                    if (alpha == 0) {
                        continue;
                    }
                    if (alpha == 255) {
                        row[x] = pixel;
                        continue;
                    }
                    row[x] = BlendPixel(pixel, row[x], alpha);
                }
            }
        });
}

void DeviceContext::FillLogicalRect(const RECT& logical, COLORREF colour) {
    if (surface_ == nullptr) {
        return;
    }
    FillSurfaceRect(LogicalToSurface(logical), PixelFromColor(colour));
}

}  // namespace win::gdi
