#include "platform/gdi/lines.h"

#include "platform/gdi/internal/device_context_state.h"
#include "platform/gdi/internal/line_raster.h"

namespace win {

namespace {

void DrawSegment(gdi::DeviceContext& dc, POINT from, POINT to) {
    if (dc.Surface() == nullptr || dc.Pen().DrawsNothing()) {
        return;
    }
    const std::uint32_t pixel = gdi::PixelFromColor(dc.Pen().logPen.lopnColor);
    const std::int64_t x0 = dc.SurfaceX(from.x);
    const std::int64_t y0 = dc.SurfaceY(from.y);
    const std::int64_t x1 = dc.SurfaceX(to.x);
    const std::int64_t y1 = dc.SurfaceY(to.y);
    const gdi::Region& clip = dc.EffectiveClip();
    if (clip.IsEmpty() || (x0 == x1 && y0 == y1)) {
        return;
    }
    // Straight lines are runs: fill them through the clip.
    if (y0 == y1 || x0 == x1) {
        const std::int64_t left = x0 <= x1 ? x0 : x1 + 1;
        const std::int64_t right = x0 <= x1 ? (x0 == x1 ? x0 + 1 : x1) : x0 + 1;
        const std::int64_t top = y0 <= y1 ? y0 : y1 + 1;
        const std::int64_t bottom = y0 <= y1 ? (y0 == y1 ? y0 + 1 : y1) : y0 + 1;
        dc.FillSurfaceRect(gdi::ClampedRect(left, top, right, bottom), pixel);
        return;
    }
    gdi::PixelBitmap& surface = *dc.Surface();
    const bool rectangular = clip.IsSingleRect();
    gdi::RasterizeLine(x0, y0, x1, y1, clip.Box(), [&](int x, int y) {
        if (rectangular || clip.Contains(x, y)) {
            surface.Row(y)[x] = pixel;
        }
    });
}

}  // namespace

bool MoveToEx(HDC dc, int x, int y, POINT* previous) {
    gdi::DeviceContext* context = gdi::DeviceContext::From(dc);
    if (context == nullptr) {
        return false;
    }
    if (previous != nullptr) {
        *previous = context->CurrentPosition();
    }
    context->SetCurrentPosition(POINT{x, y});
    return true;
}

bool GetCurrentPositionEx(HDC dc, POINT* position) {
    const gdi::DeviceContext* context = gdi::DeviceContext::From(dc);
    if (context == nullptr || position == nullptr) {
        return false;
    }
    *position = context->CurrentPosition();
    return true;
}

bool LineTo(HDC dc, int x, int y) {
    gdi::DeviceContext* context = gdi::DeviceContext::From(dc);
    if (context == nullptr) {
        return false;
    }
    DrawSegment(*context, context->CurrentPosition(), POINT{x, y});
    context->SetCurrentPosition(POINT{x, y});
    return true;
}

bool Polyline(HDC dc, const POINT* points, int count) {
    gdi::DeviceContext* context = gdi::DeviceContext::From(dc);
    if (context == nullptr || points == nullptr || count < 2) {
        return false;
    }
    for (int i = 1; i < count; ++i) {
        DrawSegment(*context, points[i - 1], points[i]);
    }
    return true;
}

}  // namespace win
