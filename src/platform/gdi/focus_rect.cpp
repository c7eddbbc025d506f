#include "platform/gdi/draw_edge.h"
#include "platform/gdi/internal/device_context_state.h"

namespace win {

namespace {

// Inverts the pixels of a one-pixel run whose device x + y is odd: the dots fall on the device
// grid, not the rectangle, so a rectangle at (0, 0) leaves its top-left pixel.
void InvertDots(gdi::DeviceContext& dc, const RECT& run, std::int64_t deviceToSurfaceX,
                std::int64_t deviceToSurfaceY) {
    dc.EffectiveClip().ForEachPieceIn(run, [&](int top, int bottom, int left, int right) {
        for (int y = top; y < bottom; ++y) {
            std::uint32_t* row = dc.Surface()->Row(y);
            const std::int64_t deviceY = y - deviceToSurfaceY;
            for (int x = left; x < right; ++x) {
                if (((x - deviceToSurfaceX + deviceY) & 1) != 0) {
                    row[x] ^= 0x00FFFFFF;
                }
            }
        }
    });
}

}  // namespace

bool DrawFocusRect(HDC dc, const RECT* rect) {
    gdi::DeviceContext* context = gdi::DeviceContext::From(dc);
    if (context == nullptr || rect == nullptr) {
        return false;
    }
    if (rect->right <= rect->left || rect->bottom <= rect->top || context->Surface() == nullptr) {
        return true;
    }
    const RECT r = context->LogicalToSurface(*rect);
    const std::int64_t offsetX = context->SurfaceOrigin().x;
    const std::int64_t offsetY = context->SurfaceOrigin().y;
    InvertDots(*context, RECT{r.left, r.top, r.right, r.top + 1}, offsetX, offsetY);
    if (r.bottom - r.top > 1) {
        InvertDots(*context, RECT{r.left, r.bottom - 1, r.right, r.bottom}, offsetX, offsetY);
    }
    if (r.bottom - r.top > 2) {
        InvertDots(*context, RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, offsetX, offsetY);
        if (r.right - r.left > 1) {
            InvertDots(*context, RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, offsetX,
                       offsetY);
        }
    }
    return true;
}

}  // namespace win
