#include "platform/gdi/draw_edge.h"

#include "platform/gdi/internal/device_context_state.h"
#include "platform/gdi/sys_color.h"

namespace win {

namespace {

using gdi::DeviceContext;

struct RingColours {
    int topLeft = -1;  // system colour indices; -1 draws nothing
    int bottomRight = -1;
    // A layer both raised and sunken has no colours of its own, but still takes its width.
    bool colourless = false;
};

bool Contradicts(UINT layer, UINT both, UINT flags) {
    return layer == both && (flags & (BF_MONO | BF_FLAT)) == 0;
}

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
    if (Contradicts(outer, BDR_OUTER, flags)) {
        return {.colourless = true};
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
    if (Contradicts(inner, BDR_INNER, flags)) {
        return {.colourless = true};
    }
    if ((inner & BDR_RAISEDINNER) != 0) {
        return {COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
    }
    return {COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

bool IsEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

void ShrinkBySides(RECT& r, UINT flags) {
    r.left += (flags & BF_LEFT) != 0 ? 1 : 0;
    r.top += (flags & BF_TOP) != 0 ? 1 : 0;
    r.right -= (flags & BF_RIGHT) != 0 ? 1 : 0;
    r.bottom -= (flags & BF_BOTTOM) != 0 ? 1 : 0;
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
    ShrinkBySides(r, flags);
}

}  // namespace

bool DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr || rect == nullptr || (flags & BF_DIAGONAL) != 0) {
        return false;
    }
    if (IsEmpty(*rect)) {
        return true;
    }
    RECT r = context->LogicalToSurface(*rect);
    const RECT before = r;
    const RingColours outer = OuterColours(edge, flags);
    const RingColours inner = InnerColours(edge, flags);
    // A border both raised and sunken (unless flat or mono) is refused: nothing is drawn, but
    // BF_ADJUST still moves the rectangle in by the layers' width.
    const bool refused = outer.colourless || inner.colourless;
    if (refused) {
        ShrinkBySides(r, outer.colourless || outer.topLeft >= 0 ? flags : 0);
        ShrinkBySides(r, inner.colourless || inner.topLeft >= 0 ? flags : 0);
    } else {
        DrawRing(*context, r, outer, flags);
        DrawRing(*context, r, inner, flags);
    }
    if (!refused && (flags & BF_MIDDLE) != 0) {
        // Filled as FillRect fills: borders wider than the rectangle leave it inside out, and
        // the mirrored area is painted over them.
        const int face = (flags & BF_MONO) != 0 ? COLOR_WINDOW : COLOR_BTNFACE;
        context->FillSurfaceRect(gdi::PatternCoverage(r.left, r.top, std::int64_t{r.right} - r.left,
                                                      std::int64_t{r.bottom} - r.top),
                                 gdi::PixelFromColor(GetSysColor(face)));
    }
    if ((flags & BF_ADJUST) != 0) {
        rect->left += r.left - before.left;
        rect->top += r.top - before.top;
        rect->right -= before.right - r.right;
        rect->bottom -= before.bottom - r.bottom;
    }
    return !refused;
}

}  // namespace win
