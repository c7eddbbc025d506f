#include "meter/surface_drawing.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/lines.h"
#include "platform/gdi/pen.h"
#include "platform/gdi/pixel_access.h"
#include "platform/numeric/round_half_even.h"

namespace quellan {
namespace {

// Far enough outside any surface to draw nothing there, and safe for the raster's integers.
constexpr std::int64_t kFarOutside = 1 << 20;

std::optional<win::POINT> PixelOf(SurfacePoint point, double unitsPerPixel) {
    auto x = numeric::RoundHalfEven(point.x / unitsPerPixel);
    auto y = numeric::RoundHalfEven(point.y / unitsPerPixel);
    if (!x || !y) {
        return std::nullopt;  // nothing non-finite is drawn
    }
    return win::POINT{static_cast<win::LONG>(std::clamp(*x, -kFarOutside, kFarOutside)),
                      static_cast<win::LONG>(std::clamp(*y, -kFarOutside, kFarOutside))};
}

void PixelLine(win::HDC dc, win::POINT from, win::POINT to, win::COLORREF colour) {
    const win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, colour);
    const win::HPEN previous = win::SelectObject(dc, pen);
    win::MoveToEx(dc, from.x, from.y, nullptr);
    win::LineTo(dc, to.x, to.y);
    win::SelectObject(dc, previous);
    win::DeleteObject(pen);
    win::SetPixel(dc, to.x, to.y, colour);
}

}  // namespace

void DrawSurfaceLine(win::HDC dc, SurfacePoint from, SurfacePoint to, double unitsPerPixel,
                     win::COLORREF colour) {
    auto start = PixelOf(from, unitsPerPixel);
    auto end = PixelOf(to, unitsPerPixel);
    if (start && end) {
        PixelLine(dc, *start, *end, colour);
    }
}

void DrawSurfaceBox(win::HDC dc, SurfacePoint corner, SurfacePoint opposite, double unitsPerPixel,
                    win::COLORREF colour) {
    auto a = PixelOf(corner, unitsPerPixel);
    auto b = PixelOf(opposite, unitsPerPixel);
    if (!a || !b) {
        return;
    }
    PixelLine(dc, {a->x, a->y}, {b->x, a->y}, colour);
    PixelLine(dc, {b->x, a->y}, {b->x, b->y}, colour);
    PixelLine(dc, {b->x, b->y}, {a->x, b->y}, colour);
    PixelLine(dc, {a->x, b->y}, {a->x, a->y}, colour);
}

}  // namespace quellan
