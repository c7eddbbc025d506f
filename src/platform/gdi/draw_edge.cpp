#include "platform/gdi/draw_edge.h"

#include "platform/gdi/internal/device_context_state.h"
#include "platform/gdi/sys_color.h"

namespace win {

namespace {

using gdi::DeviceContext;

struct RingColours {
    int topLeft = -1;  // system colour indices; -1 draws nothing
    int bottomRight = -1;
};

RingColours OuterColours(UINT edge, UINT flags) {
    const UINT outer = edge & BDR_OUTER;
    if (outer == 0) {
        return {};
    }
    if ((flags & BF_MONO) != 0) {
        return {COLOR_WINDOWFRAME, COLOR_WINDOWFRAME};
    }
    if ((flags & BF_FLAT) != 0) {
        return {COLOR_BTNSHADOW, COLOR_BTNSHADOW};
    }
    if ((outer & BDR_RAISEDOUTER) != 0) {
        return {COLOR_3DLIGHT, COLOR_3DDKSHADOW};
    }
    return {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
}

RingColours InnerColours(UINT edge, UINT flags) {
    const UINT inner = edge & BDR_INNER;
    if (inner == 0) {
        return {};
    }
    if ((flags & BF_MONO) != 0) {
        return {COLOR_WINDOW, COLOR_WINDOW};
    }
    if ((flags & BF_FLAT) != 0) {
        return {COLOR_BTNFACE, COLOR_BTNFACE};
    }
    if ((inner & BDR_RAISEDINNER) != 0) {
        return {COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
    }
    return {COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

bool IsEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

// One ring on the edge of r (surface coordinates); r shrinks by the sides drawn.
void DrawRing(DeviceContext& dc, RECT& r, RingColours colours, UINT flags) {
    if (colours.topLeft < 0 || IsEmpty(r)) {
        return;
    }
    const std::uint32_t light = gdi::PixelFromColor(GetSysColor(colours.topLeft));
    const std::uint32_t dark = gdi::PixelFromColor(GetSysColor(colours.bottomRight));
    const bool left = (flags & BF_LEFT) != 0;
    const bool top = (flags & BF_TOP) != 0;
    const bool right = (flags & BF_RIGHT) != 0;
    const bool bottom = (flags & BF_BOTTOM) != 0;
    if (top) {
        dc.FillSurfaceRect(RECT{r.left, r.top, right ? r.right - 1 : r.right, r.top + 1}, light);
    }
    if (left) {
        dc.FillSurfaceRect(RECT{r.left, r.top, r.left + 1, bottom ? r.bottom - 1 : r.bottom},
                           light);
    }
    if (bottom) {
        dc.FillSurfaceRect(RECT{r.left, r.bottom - 1, r.right, r.bottom}, dark);
    }
    if (right) {
        dc.FillSurfaceRect(RECT{r.right - 1, r.top, r.right, r.bottom}, dark);
    }
    r.left += left ? 1 : 0;
    r.top += top ? 1 : 0;
    r.right -= right ? 1 : 0;
    r.bottom -= bottom ? 1 : 0;
}

}  // namespace

bool DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr || rect == nullptr || (flags & BF_DIAGONAL) != 0) {
        return false;
    }
    // A border cannot be raised and sunken at once: such an edge is refused and nothing drawn.
    if ((edge & BDR_OUTER) == BDR_OUTER || (edge & BDR_INNER) == BDR_INNER) {
        return false;
    }
    if (IsEmpty(*rect)) {
        return true;
    }
    RECT r = context->LogicalToSurface(*rect);
    const RECT before = r;
    DrawRing(*context, r, OuterColours(edge, flags), flags);
    DrawRing(*context, r, InnerColours(edge, flags), flags);
    if ((flags & BF_MIDDLE) != 0 && !IsEmpty(r)) {
        const int face = (flags & BF_MONO) != 0 ? COLOR_WINDOW : COLOR_BTNFACE;
        context->FillSurfaceRect(r, gdi::PixelFromColor(GetSysColor(face)));
    }
    if ((flags & BF_ADJUST) != 0) {
        rect->left += r.left - before.left;
        rect->top += r.top - before.top;
        rect->right -= before.right - r.right;
        rect->bottom -= before.bottom - r.bottom;
    }
    return true;
}

}  // namespace win
