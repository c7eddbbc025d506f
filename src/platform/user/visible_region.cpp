#include "platform/user/visible_region.h"

#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_styles.h"

namespace win::user {

namespace {

void Intersect(HRGN target, HRGN other) {
    CombineRgn(target, target, other, RGN_AND);
    DeleteObject(other);
}

void Subtract(HRGN target, HRGN other) {
    CombineRgn(target, target, other, RGN_DIFF);
    DeleteObject(other);
}

HRGN ClientArea(const Session& session, const Window& window) {
    const POINT offset = SurfaceOffset(session, window);
    const RECT client = Offset(window.client, offset.x, offset.y);
    return CreateRectRgnIndirect(&client);
}

bool ShownWithAncestors(const Session& session, const Window& window) {
    for (const Window* current = &window; current != nullptr;
         current = current->IsChild() ? session.Get(current->parent) : nullptr) {
        if (!current->IsVisible()) {
            return false;
        }
    }
    return true;
}

}  // namespace

HRGN WindowArea(const Session& session, const Window& window) {
    const POINT offset = SurfaceOffset(session, window);
    HRGN area = CreateRectRgn(offset.x, offset.y, offset.x + Width(window.rect),
                              offset.y + Height(window.rect));
    if (window.region) {
        HRGN shape = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(shape, window.region, nullptr, RGN_COPY);
        OffsetRgn(shape, offset.x, offset.y);
        Intersect(area, shape);
    }
    return area;
}

HRGN VisibleRegion(const Session& session, const Window& window, bool clientOnly) {
    if (!ShownWithAncestors(session, window)) {
        return CreateRectRgn(0, 0, 0, 0);
    }
    HRGN visible = WindowArea(session, window);
    if (clientOnly) {
        Intersect(visible, ClientArea(session, window));
    }
    if (window.style & WS_CLIPCHILDREN) {
        for (HWND child : window.children) {
            const Window* found = session.Get(child);
            if (found != nullptr && found->IsVisible()) {
                Subtract(visible, WindowArea(session, *found));
            }
        }
    }
    for (const Window* level = &window; level->IsChild();) {
        const Window* parent = session.Get(level->parent);
        if (parent == nullptr) {
            break;
        }
        if (level->style & WS_CLIPSIBLINGS) {
            for (HWND sibling : parent->children) {
                if (sibling == level->handle) {
                    break;
                }
                const Window* above = session.Get(sibling);
                if (above != nullptr && above->IsVisible()) {
                    Subtract(visible, WindowArea(session, *above));
                }
            }
        }
        Intersect(visible, ClientArea(session, *parent));
        Intersect(visible, WindowArea(session, *parent));
        level = parent;
    }
    return visible;
}

}  // namespace win::user
