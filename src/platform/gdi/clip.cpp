#include "platform/gdi/clip.h"

#include <algorithm>

#include "platform/gdi/internal/object_table.h"
#include "platform/gdi/region.h"

namespace win {

namespace {

using gdi::DeviceContext;
using gdi::Region;

// The program's clip in device coordinates; a DC without one may draw on all of its surface.
Region CurrentClip(const DeviceContext& dc) {
    if (dc.ClipRegion().has_value()) {
        return *dc.ClipRegion();
    }
    const RECT everything{-kRegionCoordinateLimit, -kRegionCoordinateLimit, kRegionCoordinateLimit,
                          kRegionCoordinateLimit};
    return Region::FromRect(everything);
}

// A logical rectangle in device coordinates.
RECT DeviceRect(const DeviceContext& dc, int left, int top, int right, int bottom) {
    const POINT origin = dc.ViewportOrigin();
    return gdi::ClampedRect(std::int64_t{std::min(left, right)} + origin.x,
                            std::int64_t{std::min(top, bottom)} + origin.y,
                            std::int64_t{std::max(left, right)} + origin.x,
                            std::int64_t{std::max(top, bottom)} + origin.y);
}

int EffectiveType(const DeviceContext& dc) {
    return dc.EffectiveClip().Type();
}

}  // namespace

int SelectClipRgn(HDC dc, HRGN region) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return ERROR;
    }
    if (!region) {
        context->SetClipRegion(std::nullopt);
        return EffectiveType(*context);
    }
    const gdi::RegionObject* object = gdi::ObjectTable::Instance().Find<gdi::RegionObject>(region);
    if (object == nullptr) {
        return ERROR;
    }
    context->SetClipRegion(object->region);
    return EffectiveType(*context);
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return ERROR;
    }
    const Region rect = Region::FromRect(DeviceRect(*context, left, top, right, bottom));
    context->SetClipRegion(Region::Combine(CurrentClip(*context), rect, gdi::RegionOp::And));
    return EffectiveType(*context);
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return ERROR;
    }
    const Region rect = Region::FromRect(DeviceRect(*context, left, top, right, bottom));
    context->SetClipRegion(Region::Combine(CurrentClip(*context), rect, gdi::RegionOp::Diff));
    return EffectiveType(*context);
}

int GetClipBox(HDC dc, RECT* box) {
    const DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr || box == nullptr) {
        return ERROR;
    }
    const RECT surfaceBox = context->EffectiveClip().Box();
    if (context->EffectiveClip().IsEmpty()) {
        *box = RECT{};
        return NULLREGION;
    }
    const std::int64_t dx = context->SurfaceX(0);
    const std::int64_t dy = context->SurfaceY(0);
    *box =
        RECT{static_cast<LONG>(surfaceBox.left - dx), static_cast<LONG>(surfaceBox.top - dy),
             static_cast<LONG>(surfaceBox.right - dx), static_cast<LONG>(surfaceBox.bottom - dy)};
    return EffectiveType(*context);
}

}  // namespace win
