#include "platform/gdi/draw_edge.h"
#include "platform/gdi/internal/device_context_state.h"

namespace win {

namespace {

// The focus outline is a dotted line traced once around the rectangle's edge pixels: from the
// top-right pixel down the right side, along the bottom, up the left side and along the top,
// inverting every other pixel and starting with the first. A rectangle one or two pixels thin
// retraces its own pixels, and a pixel inverted twice is left as it was.
class DottedOutline {
public:
    explicit DottedOutline(gdi::DeviceContext& dc) : dc_(dc) {}

    // The side from `from` towards `to`, leaving `to` for the next side.
    void Side(POINT from, POINT to) {
        const int stepX = (to.x > from.x) - (to.x < from.x);
        const int stepY = (to.y > from.y) - (to.y < from.y);
        for (POINT p = from; p.x != to.x || p.y != to.y; p.x += stepX, p.y += stepY) {
            if (dotted_) {
                Invert(p);
            }
            dotted_ = !dotted_;
        }
    }

private:
    void Invert(POINT p) {
        if (!dc_.IsClipped(p.x, p.y)) {
            dc_.Surface()->Row(p.y)[p.x] ^= 0x00FFFFFF;
        }
    }

    gdi::DeviceContext& dc_;
    bool dotted_ = true;
};

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
    const POINT topRight{r.right - 1, r.top};
    const POINT bottomRight{r.right - 1, r.bottom - 1};
    const POINT bottomLeft{r.left, r.bottom - 1};
    const POINT topLeft{r.left, r.top};
    DottedOutline outline(*context);
    outline.Side(topRight, bottomRight);
    outline.Side(bottomRight, bottomLeft);
    outline.Side(bottomLeft, topLeft);
    outline.Side(topLeft, topRight);
    return true;
}

}  // namespace win
