#include "platform/user/window_geometry.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"
#include "platform/user/messaging.h"
#include "platform/user/surface.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_styles.h"

namespace win {

namespace {

user::Window* Find(HWND hWnd) {
    user::Session* session = user::Current();
    return session ? session->Get(hWnd) : nullptr;
}

bool IsTopmost(const user::Session& session, HWND handle) {
    const user::Window* window = session.Get(handle);
    return window != nullptr && (window->exStyle & WS_EX_TOPMOST);
}

void PlaceTopLevel(user::Session& session, user::Window& window, HWND insertAfter) {
    auto& order = session.topLevels;
    std::erase(order, window.handle);
    const bool topmost = (window.exStyle & WS_EX_TOPMOST) != 0;
    // The topmost band comes first; each window stays inside its own band.
    const auto bandBegin =
        topmost ? order.begin() : std::find_if(order.begin(), order.end(), [&](HWND other) {
            return !IsTopmost(session, other);
        });
    const auto bandEnd = topmost
                             ? std::find_if(order.begin(), order.end(),
                                            [&](HWND other) { return !IsTopmost(session, other); })
                             : order.end();
    auto position = bandBegin;
    if (insertAfter == HWND_BOTTOM) {
        position = bandEnd;
    } else if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST &&
               insertAfter != HWND_NOTOPMOST) {
        auto after = std::find(bandBegin, bandEnd, insertAfter);
        position = after == bandEnd ? bandBegin : after + 1;
    }
    order.insert(position, window.handle);
}

void Restack(user::Session& session, user::Window& window, HWND insertAfter) {
    if (window.IsChild()) {
        user::Window* parent = session.Get(window.parent);
        if (parent == nullptr) {
            return;
        }
        auto& siblings = parent->children;
        std::erase(siblings, window.handle);
        auto position = siblings.begin();
        if (insertAfter == HWND_BOTTOM) {
            position = siblings.end();
        } else if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST &&
                   insertAfter != HWND_NOTOPMOST) {
            auto after = std::find(siblings.begin(), siblings.end(), insertAfter);
            position = after == siblings.end() ? siblings.begin() : after + 1;
        }
        siblings.insert(position, window.handle);
        if (window.IsVisible()) {
            user::InvalidateParentArea(session, window);
        }
        return;
    }
    const bool wasTopmost = (window.exStyle & WS_EX_TOPMOST) != 0;
    if (insertAfter == HWND_TOPMOST) {
        window.exStyle |= WS_EX_TOPMOST;
    } else if (insertAfter == HWND_NOTOPMOST) {
        window.exStyle &= ~WS_EX_TOPMOST;
    }
    PlaceTopLevel(session, window, insertAfter);
    if (((window.exStyle & WS_EX_TOPMOST) != 0) != wasTopmost) {
        user::MatchNativeWindow(session, window);
    }
    if (!window.surface || !window.surface->HasNative()) {
        return;
    }
    if (insertAfter != HWND_BOTTOM) {
        session.Host().Raise(window.surface->Native());
    }
}

bool CanActivate(const user::Window& window) {
    return !window.IsChild() && window.IsVisible() && window.IsEnabled() &&
           !user::IsHostPopup(window);
}

void ShowOrHide(user::Session& session, user::Window& window, bool show) {
    if (show == window.IsVisible()) {
        return;
    }
    if (!show && window.IsChild()) {
        user::InvalidateParentArea(session, window);
    }
    if (show) {
        window.style |= WS_VISIBLE;
    } else {
        window.style &= ~WS_VISIBLE;
    }
    if (window.surface) {
        if (show) {
            session.Host().Show(user::EnsureNativeWindow(session, window), false);
        } else if (window.surface->HasNative()) {
            session.Host().Hide(window.surface->Native());
        }
    }
    if (show) {
        user::InvalidateWindowArea(session, window);
    } else if (session.input.active == window.handle) {
        user::Window* owner = session.Get(window.owner);
        user::DeactivateActive(session, owner && CanActivate(*owner) ? owner->handle : HWND{});
    }
}

}  // namespace

namespace user {

void RecalculateClientArea(Session& session, Window& window) {
    RECT proposed = window.rect;
    SendMessage(window.handle, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&proposed));
    Window* after = session.Get(window.handle);
    if (after == nullptr) {
        return;
    }
    // Kept inside the window, whatever a procedure answered.
    const RECT inWindow = Offset(proposed, -after->rect.left, -after->rect.top);
    RECT client = Intersect(inWindow, {0, 0, Width(after->rect), Height(after->rect)});
    if (IsEmpty(client)) {
        client = {inWindow.left, inWindow.top, inWindow.left, inWindow.top};
        client.left = std::clamp(client.left, 0, Width(after->rect));
        client.top = std::clamp(client.top, 0, Height(after->rect));
        client.right = client.left;
        client.bottom = client.top;
    }
    after->client = client;
}

void SyncNativeGeometry(Session& session, Window& topLevel) {
    if (!topLevel.surface) {
        return;
    }
    if (topLevel.surface->HasNative()) {
        session.Host().SetContentRect(topLevel.surface->Native(),
                                      ToHostRect(ContentRect(session, topLevel)));
    }
    ResizeSurface(session, topLevel);
    ShapeNativeWindow(session, topLevel);
}

void PlaceInStackingBand(Session& session, Window& topLevel) {
    if (!topLevel.IsChild()) {
        PlaceTopLevel(session, topLevel, HWND_TOP);
    }
}

void ShapeNativeWindow(Session& session, Window& topLevel) {
    if (!topLevel.surface || !topLevel.surface->HasNative()) {
        return;
    }
    const host::WindowId native = topLevel.surface->Native();
    if (!topLevel.region) {
        session.Host().ClearShape(native);
        return;
    }
    // The region is in window coordinates; the shape is relative to the content.
    const RECT content = ContentRect(session, topLevel);
    const int dx = topLevel.rect.left - content.left;
    const int dy = topLevel.rect.top - content.top;
    std::vector<host::Span> spans;
    for (const RegionSpan& span : GetRegionSpans(topLevel.region)) {
        spans.push_back({span.y + dy, span.left + dx, span.right + dx});
    }
    session.Host().SetShape(native, spans);
}

}  // namespace user

bool GetWindowRect(HWND hWnd, RECT* lpRect) {
    const user::Window* window = Find(hWnd);
    if (window == nullptr || lpRect == nullptr) {
        return false;
    }
    const POINT origin = user::WindowOrigin(*user::Current(), *window);
    *lpRect = {origin.x, origin.y, origin.x + user::Width(window->rect),
               origin.y + user::Height(window->rect)};
    return true;
}

bool GetClientRect(HWND hWnd, RECT* lpRect) {
    const user::Window* window = Find(hWnd);
    if (window == nullptr || lpRect == nullptr) {
        return false;
    }
    *lpRect = {0, 0, user::Width(window->client), user::Height(window->client)};
    return true;
}

bool ScreenToClient(HWND hWnd, POINT* lpPoint) {
    const user::Window* window = Find(hWnd);
    if (window == nullptr || lpPoint == nullptr) {
        return false;
    }
    const POINT origin = user::ClientOrigin(*user::Current(), *window);
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
    return true;
}

bool ClientToScreen(HWND hWnd, POINT* lpPoint) {
    const user::Window* window = Find(hWnd);
    if (window == nullptr || lpPoint == nullptr) {
        return false;
    }
    const POINT origin = user::ClientOrigin(*user::Current(), *window);
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
    return true;
}

int MapWindowPoints(HWND hWndFrom, HWND hWndTo, POINT* lpPoints, UINT cPoints) {
    POINT from{0, 0};
    POINT to{0, 0};
    if ((hWndFrom && !ClientToScreen(hWndFrom, &from)) ||
        (hWndTo && !ClientToScreen(hWndTo, &to))) {
        return 0;
    }
    const int dx = from.x - to.x;
    const int dy = from.y - to.y;
    for (UINT i = 0; lpPoints != nullptr && i < cPoints; ++i) {
        lpPoints[i].x += dx;
        lpPoints[i].y += dy;
    }
    return static_cast<int>(MAKELPARAM(dx, dy));
}

bool SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    user::Session* session = user::Current();
    user::Window* window = Find(hWnd);
    if (window == nullptr) {
        return false;
    }
    const auto held = session->Hold(hWnd);
    WINDOWPOS position{hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags};
    if (uFlags & SWP_NOMOVE) {
        position.x = window->rect.left;
        position.y = window->rect.top;
    }
    if (uFlags & SWP_NOSIZE) {
        position.cx = user::Width(window->rect);
        position.cy = user::Height(window->rect);
    }
    if (!(uFlags & SWP_NOSENDCHANGING)) {
        SendMessage(hWnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&position));
        if ((window = session->Get(hWnd)) == nullptr) {
            return false;
        }
    }
    const UINT flags = position.flags;
    const RECT oldRect = window->rect;
    const RECT oldClient = window->client;
    const POINT oldClientOrigin = user::ClientOrigin(*session, *window);

    if (!(flags & SWP_NOZORDER)) {
        Restack(*session, *window, position.hwndInsertAfter);
    }
    const RECT newRect{position.x, position.y, position.x + std::max(position.cx, 0),
                       position.y + std::max(position.cy, 0)};
    const bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
    const bool resized = user::Width(newRect) != user::Width(oldRect) ||
                         user::Height(newRect) != user::Height(oldRect);
    const bool redraw = !(flags & SWP_NOREDRAW) && window->IsVisible();
    if (moved || resized || (flags & SWP_FRAMECHANGED)) {
        if (redraw && window->IsChild()) {
            user::InvalidateParentArea(*session, *window);
        }
        window->rect = newRect;
        if (resized || (flags & SWP_FRAMECHANGED)) {
            user::RecalculateClientArea(*session, *window);
            if ((window = session->Get(hWnd)) == nullptr) {
                return false;
            }
        }
        user::SyncNativeGeometry(*session, *window);
        // Without copied bits, a moved child repaints where it now is; a top-level window's
        // pixels travel with it.
        if (redraw && (resized || (flags & SWP_FRAMECHANGED) || window->IsChild())) {
            user::InvalidateWindowArea(*session, *window);
        }
    }
    if (flags & SWP_SHOWWINDOW) {
        ShowOrHide(*session, *window, true);
    } else if (flags & SWP_HIDEWINDOW) {
        ShowOrHide(*session, *window, false);
    }

    WINDOWPOS changed = position;
    const POINT newClientOrigin = user::ClientOrigin(*session, *window);
    if (!moved) {
        changed.flags |= SWP_NOMOVE;
    }
    if (!resized) {
        changed.flags |= SWP_NOSIZE;
    }
    if (newClientOrigin == oldClientOrigin) {
        changed.flags |= SWP_NOCLIENTMOVE;
    }
    if (user::Width(window->client) == user::Width(oldClient) &&
        user::Height(window->client) == user::Height(oldClient)) {
        changed.flags |= SWP_NOCLIENTSIZE;
    }
    SendMessage(hWnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&changed));
    if ((window = session->Get(hWnd)) == nullptr) {
        return true;
    }
    if (!(flags & SWP_NOACTIVATE) && CanActivate(*window)) {
        user::ActivateWindow(*session, hWnd, WA_ACTIVE);
    }
    return true;
}

bool MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, bool bRepaint) {
    return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight,
                        SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
}

int SetWindowRgn(HWND hWnd, HRGN hRgn, bool bRedraw) {
    user::Session* session = user::Current();
    user::Window* window = Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    const bool redraw = bRedraw && window->IsVisible();
    if (redraw && window->IsChild()) {
        user::InvalidateParentArea(*session, *window);
    }
    if (window->region && window->region != hRgn) {
        DeleteObject(window->region);
    }
    window->region = hRgn;
    user::ShapeNativeWindow(*session, *window);
    if (redraw) {
        user::InvalidateWindowArea(*session, *window);
    }
    return 1;
}

int GetWindowRgn(HWND hWnd, HRGN hRgn) {
    const user::Window* window = Find(hWnd);
    if (window == nullptr || !window->region) {
        return ERROR;
    }
    return CombineRgn(hRgn, window->region, nullptr, RGN_COPY);
}

}  // namespace win
