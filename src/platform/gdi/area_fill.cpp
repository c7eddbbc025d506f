#include "platform/gdi/area_fill.h"

#include <algorithm>
#include <utility>

#include "platform/gdi/internal/device_context_state.h"
#include "platform/gdi/internal/object_table.h"
#include "platform/gdi/raster_op.h"

namespace win {

namespace {

using gdi::DeviceContext;

bool IsEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

// The four one-pixel sides of a rectangle, each pixel once.
void FrameSurfaceRect(DeviceContext& dc, const RECT& r, std::uint32_t pixel) {
    if (IsEmpty(r)) {
        return;
    }
    dc.FillSurfaceRect(RECT{r.left, r.top, r.right, r.top + 1}, pixel);
    if (r.bottom - r.top > 1) {
        dc.FillSurfaceRect(RECT{r.left, r.bottom - 1, r.right, r.bottom}, pixel);
    }
    if (r.bottom - r.top > 2) {
        dc.FillSurfaceRect(RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, pixel);
        if (r.right - r.left > 1) {
            dc.FillSurfaceRect(RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, pixel);
        }
    }
}

RECT PatternArea(const DeviceContext& dc, std::int64_t x, std::int64_t y, std::int64_t width,
                 std::int64_t height) {
    return gdi::PatternCoverage(dc.SurfaceX(x), dc.SurfaceY(y), width, height);
}

const gdi::BrushObject* FindBrush(HBRUSH brush) {
    return gdi::ObjectTable::Instance().Find<gdi::BrushObject>(brush);
}

}  // namespace

bool FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* context = DeviceContext::From(dc);
    const gdi::BrushObject* object = FindBrush(brush);
    if (context == nullptr || object == nullptr || rect == nullptr) {
        return false;
    }
    // The rectangle is filled as PatBlt covers it, so one given right to left or bottom to top
    // fills the mirrored area.
    if (!object->DrawsNothing()) {
        const std::int64_t width = std::int64_t{rect->right} - rect->left;
        const std::int64_t height = std::int64_t{rect->bottom} - rect->top;
        context->FillSurfaceRect(PatternArea(*context, rect->left, rect->top, width, height),
                                 gdi::PixelFromColor(object->logBrush.lbColor));
    }
    return true;
}

bool FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* context = DeviceContext::From(dc);
    const gdi::BrushObject* object = FindBrush(brush);
    if (context == nullptr || object == nullptr || rect == nullptr) {
        return false;
    }
    if (!object->DrawsNothing() && !IsEmpty(*rect)) {
        FrameSurfaceRect(*context, context->LogicalToSurface(*rect),
                         gdi::PixelFromColor(object->logBrush.lbColor));
    }
    return true;
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return false;
    }
    const RECT logical{std::min(left, right), std::min(top, bottom), std::max(left, right),
                       std::max(top, bottom)};
    if (IsEmpty(logical)) {
        return true;
    }
    const RECT r = context->LogicalToSurface(logical);
    const gdi::BrushObject& brush = context->Brush();
    const gdi::PenObject& pen = context->Pen();
    if (pen.DrawsNothing()) {
        if (!brush.DrawsNothing()) {
            context->FillSurfaceRect(RECT{r.left, r.top, r.right - 1, r.bottom - 1},
                                     gdi::PixelFromColor(brush.logBrush.lbColor));
        }
        return true;
    }
    if (!brush.DrawsNothing()) {
        context->FillSurfaceRect(RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1},
                                 gdi::PixelFromColor(brush.logBrush.lbColor));
    }
    FrameSurfaceRect(*context, r, gdi::PixelFromColor(pen.logPen.lopnColor));
    return true;
}

bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return false;
    }
    const RECT r = PatternArea(*context, x, y, width, height);
    const gdi::BrushObject& brush = context->Brush();
    const std::uint32_t brushPixel = gdi::PixelFromColor(brush.logBrush.lbColor);
    switch (rop) {
        case PATCOPY:
            if (!brush.DrawsNothing()) {
                context->FillSurfaceRect(r, brushPixel);
            }
            return true;
        case PATINVERT:
            if (!brush.DrawsNothing()) {
                context->InvertSurfaceRect(r, brushPixel);
            }
            return true;
        case DSTINVERT:
            context->InvertSurfaceRect(r, 0x00FFFFFF);
            return true;
        case BLACKNESS:
            context->FillSurfaceRect(r, 0x00000000);
            return true;
        case WHITENESS:
            context->FillSurfaceRect(r, 0x00FFFFFF);
            return true;
        default:
            return false;
    }
}

bool InvertRect(HDC dc, const RECT* rect) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr || rect == nullptr) {
        return false;
    }
    if (!IsEmpty(*rect)) {
        context->InvertSurfaceRect(context->LogicalToSurface(*rect), 0x00FFFFFF);
    }
    return true;
}

bool FillRgn(HDC dc, HRGN region, HBRUSH brush) {
    DeviceContext* context = DeviceContext::From(dc);
    const gdi::BrushObject* object = FindBrush(brush);
    const gdi::RegionObject* shape = gdi::ObjectTable::Instance().Find<gdi::RegionObject>(region);
    if (context == nullptr || object == nullptr || shape == nullptr) {
        return false;
    }
    if (object->DrawsNothing()) {
        return true;
    }
    const std::uint32_t pixel = gdi::PixelFromColor(object->logBrush.lbColor);
    const std::int64_t dx = context->SurfaceX(0);
    const std::int64_t dy = context->SurfaceY(0);
    const RECT everything{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    shape->region.ForEachPieceIn(everything, [&](int top, int bottom, int left, int right) {
        context->FillSurfaceRect(gdi::ClampedRect(left + dx, top + dy, right + dx, bottom + dy),
                                 pixel);
    });
    return true;
}

}  // namespace win
