#include "platform/user/window_coordinates.h"

#include <algorithm>

#include "platform/user/window_styles.h"

namespace win::user {

namespace {

// Edge widths of the non-client parts we draw ourselves.
constexpr int kBorder = 1;
constexpr int kDialogFrame = 3;
constexpr int kThickFrame = 4;
constexpr int kClientEdge = 2;
constexpr int kStaticEdge = 1;

int OwnFrameWidth(const Window& window) {
    if (IsHostDecorated(window)) {
        return 0;
    }
    if (window.style & WS_THICKFRAME) {
        return kThickFrame;
    }
    if ((window.style & WS_DLGFRAME) || (window.exStyle & WS_EX_DLGMODALFRAME)) {
        return kDialogFrame;
    }
    if (window.style & WS_BORDER) {
        return kBorder;
    }
    return 0;
}

}  // namespace

bool IsHostDecorated(const Window& window) {
    return !window.IsChild() && (window.style & WS_CAPTION) == WS_CAPTION;
}

bool IsHostPopup(const Window& window) {
    if (window.IsChild()) {
        return false;
    }
    // Menus, lists and tooltips say so with WS_EX_NOACTIVATE. A borderless, topmost tool window
    // without it is a form (the mini window) that the window manager must still manage.
    return (window.exStyle & WS_EX_NOACTIVATE) != 0;
}

RECT DefaultClientArea(const Session& session, const Window& window, int width, int height) {
    RECT client{0, 0, std::max(width, 0), std::max(height, 0)};
    if (IsHostDecorated(window)) {
        const host::Margins margins = session.Host().DecorationMargins();
        client.left += margins.left;
        client.top += margins.top;
        client.right -= margins.right;
        client.bottom -= margins.bottom;
    }
    int inset = OwnFrameWidth(window);
    if (window.exStyle & WS_EX_CLIENTEDGE) {
        inset += kClientEdge;
    }
    if (window.exStyle & WS_EX_STATICEDGE) {
        inset += kStaticEdge;
    }
    client.left += inset;
    client.top += inset;
    client.right -= inset;
    client.bottom -= inset;
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    return client;
}

Window* TopLevelOf(const Session& session, Window& window) {
    Window* current = &window;
    while (current->IsChild()) {
        Window* parent = session.Get(current->parent);
        if (parent == nullptr) {
            return nullptr;
        }
        current = parent;
    }
    return current;
}

POINT WindowOrigin(const Session& session, const Window& window) {
    if (!window.IsChild()) {
        return {window.rect.left, window.rect.top};
    }
    const Window* parent = session.Get(window.parent);
    if (parent == nullptr) {
        return {window.rect.left, window.rect.top};
    }
    const POINT parentClient = ClientOrigin(session, *parent);
    return {parentClient.x + window.rect.left, parentClient.y + window.rect.top};
}

POINT ClientOrigin(const Session& session, const Window& window) {
    const POINT origin = WindowOrigin(session, window);
    return {origin.x + window.client.left, origin.y + window.client.top};
}

RECT ContentRect(const Session& session, const Window& topLevel) {
    RECT content = topLevel.rect;
    if (IsHostDecorated(topLevel)) {
        const host::Margins margins = session.Host().DecorationMargins();
        content.left += margins.left;
        content.top += margins.top;
        content.right = std::max(content.left, content.right - margins.right);
        content.bottom = std::max(content.top, content.bottom - margins.bottom);
    }
    return content;
}

POINT SurfaceOffset(const Session& session, const Window& window) {
    const POINT origin = WindowOrigin(session, window);
    Window* topLevel = TopLevelOf(session, const_cast<Window&>(window));
    if (topLevel == nullptr) {
        return origin;
    }
    const RECT content = ContentRect(session, *topLevel);
    return {origin.x - content.left, origin.y - content.top};
}

RECT ToRect(const host::Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

host::Rect ToHostRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

int Width(const RECT& rect) {
    return rect.right - rect.left;
}
int Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

RECT Offset(RECT rect, int dx, int dy) {
    rect.left += dx;
    rect.right += dx;
    rect.top += dy;
    rect.bottom += dy;
    return rect;
}

RECT Intersect(const RECT& a, const RECT& b) {
    RECT result{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
    if (IsEmpty(result)) {
        return {};
    }
    return result;
}

bool IsEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

}  // namespace win::user
