#include "platform/gdi/pixel_access.h"

#include "platform/gdi/internal/device_context_state.h"

namespace win {

namespace {

// The surface pixel a logical point names, when it can be drawn.
bool VisiblePixel(const gdi::DeviceContext& dc, int x, int y, int& surfaceX, int& surfaceY) {
    const std::int64_t sx = dc.SurfaceX(x);
    const std::int64_t sy = dc.SurfaceY(y);
    if (dc.Surface() == nullptr || sx < INT32_MIN || sx > INT32_MAX || sy < INT32_MIN ||
        sy > INT32_MAX) {
        return false;
    }
    surfaceX = static_cast<int>(sx);
    surfaceY = static_cast<int>(sy);
    return !dc.IsClipped(surfaceX, surfaceY);
}

}  // namespace

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour) {
    gdi::DeviceContext* context = gdi::DeviceContext::From(dc);
    int sx = 0;
    int sy = 0;
    if (context == nullptr || !VisiblePixel(*context, x, y, sx, sy)) {
        return CLR_INVALID;
    }
    context->Surface()->Row(sy)[sx] = gdi::PixelFromColor(colour);
    return colour & 0x00FFFFFF;
}

COLORREF GetPixel(HDC dc, int x, int y) {
    const gdi::DeviceContext* context = gdi::DeviceContext::From(dc);
    int sx = 0;
    int sy = 0;
    if (context == nullptr || !VisiblePixel(*context, x, y, sx, sy)) {
        return CLR_INVALID;
    }
    return gdi::ColorFromPixel(context->Surface()->Row(sy)[sx] & 0x00FFFFFF);
}

}  // namespace win
