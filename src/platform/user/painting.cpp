#include "platform/user/painting.h"

#include <algorithm>

#include "platform/gdi/device_access.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"
#include "platform/user/messaging.h"
#include "platform/user/surface.h"
#include "platform/user/user_internal.h"
#include "platform/user/visible_region.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_styles.h"

namespace win {

namespace {

bool HasFrame(const user::Window& window) {
    return window.client != RECT{0, 0, user::Width(window.rect), user::Height(window.rect)};
}

bool IncludesChildren(const user::Window& window, UINT flags) {
    if (flags & RDW_ALLCHILDREN) {
        return true;
    }
    return !(flags & RDW_NOCHILDREN) && !(window.style & WS_CLIPCHILDREN);
}

// `area`: client coordinates of `window`; null means all of it, frame included.
void ChangeUpdateRegion(user::Session& session, user::Window& window, HRGN area, UINT flags) {
    const RECT clientRect{0, 0, user::Width(window.client), user::Height(window.client)};
    if (flags & RDW_INVALIDATE) {
        HRGN added = CreateRectRgnIndirect(&clientRect);
        if (area) {
            CombineRgn(added, added, area, RGN_AND);
        }
        RECT box;
        if (GetRgnBox(added, &box) != NULLREGION) {
            if (!window.updateRegion) {
                window.updateRegion = CreateRectRgn(0, 0, 0, 0);
            }
            CombineRgn(window.updateRegion, window.updateRegion, added, RGN_OR);
            window.eraseNeeded = window.eraseNeeded || (flags & RDW_ERASE);
        }
        DeleteObject(added);
        if ((flags & RDW_FRAME) && HasFrame(window)) {
            window.frameNeeded = true;
        }
    } else if (flags & RDW_VALIDATE) {
        if (window.updateRegion) {
            if (area) {
                CombineRgn(window.updateRegion, window.updateRegion, area, RGN_DIFF);
            }
            RECT box;
            if (!area || GetRgnBox(window.updateRegion, &box) == NULLREGION) {
                DeleteObject(window.updateRegion);
                window.updateRegion = nullptr;
            }
        }
        if ((flags & RDW_NOERASE) || !window.updateRegion) {
            window.eraseNeeded = false;
        }
        if (flags & RDW_NOFRAME) {
            window.frameNeeded = false;
        }
    }
    if (!IncludesChildren(window, flags)) {
        return;
    }
    const std::vector<HWND> children = window.children;
    for (HWND handle : children) {
        user::Window* child = session.Get(handle);
        if (child == nullptr) {
            continue;
        }
        // The child's area in the parent's client coordinates.
        if (area && !RectInRegion(area, &child->rect)) {
            continue;
        }
        HRGN childArea = nullptr;
        if (area) {
            childArea = CreateRectRgn(0, 0, 0, 0);
            CombineRgn(childArea, area, nullptr, RGN_COPY);
            OffsetRgn(childArea, -(child->rect.left + child->client.left),
                      -(child->rect.top + child->client.top));
        }
        // A child touched at all repaints its frame too.
        ChangeUpdateRegion(session, *child, childArea,
                           flags | ((flags & RDW_INVALIDATE) ? RDW_FRAME : 0));
        if (childArea) {
            DeleteObject(childArea);
        }
    }
}

bool NeedsPaint(const user::Window& window) {
    return window.updateRegion || window.frameNeeded;
}

void SendPaint(user::Session& session, HWND handle) {
    if (user::Window* window = session.Get(handle)) {
        window->paintStarted = false;
    }
    SendMessage(handle, WM_PAINT, 0, 0);
    if (user::Session* after = user::Current()) {
        user::ValidateAfterUnhandledPaint(*after, handle);
    }
}

void UpdateNow(user::Session& session, HWND handle, UINT flags) {
    user::Window* window = session.Get(handle);
    if (window == nullptr || !window->IsVisible()) {
        return;
    }
    if (NeedsPaint(*window)) {
        if (flags & RDW_UPDATENOW) {
            SendPaint(session, handle);
        } else if (window->frameNeeded) {
            window->frameNeeded = false;
            SendMessage(handle, WM_NCPAINT, 1, 0);
        }
    }
    if ((window = session.Get(handle)) == nullptr || !IncludesChildren(*window, flags)) {
        return;
    }
    const std::vector<HWND> children = window->children;
    for (HWND child : children) {
        UpdateNow(session, child, flags);
    }
}

HRGN AreaOf(const RECT* rect, HRGN region) {
    if (region) {
        HRGN copy = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(copy, region, nullptr, RGN_COPY);
        return copy;
    }
    return rect ? CreateRectRgnIndirect(rect) : nullptr;
}

// Invalidating all of a client area that is already wholly invalid changes nothing but the
// erase request; a picture box drawing many lines asks for exactly that after each one.
bool AlreadyWhollyInvalid(const user::Window& window, const RECT* rect, HRGN region, UINT flags) {
    constexpr UINT kPlainInvalidate = RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_ALLCHILDREN;
    if (rect != nullptr || region != nullptr || !(flags & RDW_INVALIDATE) ||
        (flags & ~kPlainInvalidate) != 0 || !window.updateRegion ||
        (!window.children.empty() && IncludesChildren(window, flags))) {
        return false;
    }
    const RECT client{0, 0, user::Width(window.client), user::Height(window.client)};
    RECT box;
    return GetRgnBox(window.updateRegion, &box) == SIMPLEREGION && box.left == client.left &&
           box.top == client.top && box.right == client.right && box.bottom == client.bottom;
}

bool RedrawOne(user::Session& session, HWND handle, const RECT* rect, HRGN region, UINT flags) {
    user::Window* window = session.Get(handle);
    if (window == nullptr) {
        return false;
    }
    if (AlreadyWhollyInvalid(*window, rect, region, flags)) {
        window->eraseNeeded = window->eraseNeeded || (flags & RDW_ERASE);
        return true;
    }
    const auto held = session.Hold(handle);
    if (flags & (RDW_INVALIDATE | RDW_VALIDATE)) {
        HRGN area = AreaOf(rect, region);
        if (!area && (flags & RDW_INVALIDATE) && !(flags & RDW_FRAME)) {
            // The whole client area, not the frame.
            const RECT client{0, 0, user::Width(window->client), user::Height(window->client)};
            area = CreateRectRgnIndirect(&client);
        }
        ChangeUpdateRegion(session, *window, area, flags);
        if (area) {
            DeleteObject(area);
        }
    }
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
        UpdateNow(session, handle, flags);
    }
    return true;
}

HDC HandOutDc(user::Session& session, user::Window& window, bool clientOnly, HRGN extraClip) {
    user::Window* topLevel = user::TopLevelOf(session, window);
    if (topLevel == nullptr || !topLevel->surface) {
        return nullptr;
    }
    const POINT offset = user::SurfaceOffset(session, window);
    const POINT origin =
        clientOnly ? POINT{offset.x + window.client.left, offset.y + window.client.top} : offset;
    HRGN visible = user::VisibleRegion(session, window, clientOnly);
    if (extraClip) {
        CombineRgn(visible, visible, extraClip, RGN_AND);
    }
    HDC dc = gdi::CreateSurfaceDC(topLevel->surface->Bitmap(), origin);
    if (!dc) {
        DeleteObject(visible);
        return nullptr;
    }
    gdi::SetSurfaceVisibleRegion(dc, visible);
    RECT box{};
    GetRgnBox(visible, &box);
    DeleteObject(visible);
    session.dcs[dc.Value()] = {window.handle, topLevel->handle, box};
    return dc;
}

bool GiveBackDc(user::Session& session, HDC dc) {
    auto found = session.dcs.find(dc.Value());
    if (found == session.dcs.end()) {
        return false;
    }
    if (user::Window* topLevel = session.Get(found->second.topLevel);
        topLevel && topLevel->surface) {
        topLevel->surface->AddDirty(found->second.visibleBox);
    }
    session.dcs.erase(found);
    DeleteDC(dc);
    return true;
}

HWND FindInTree(user::Session& session, HWND handle, HWND filter) {
    user::Window* window = session.Get(handle);
    if (window == nullptr || !window->IsVisible()) {
        return nullptr;
    }
    // Parents paint before their children, so children end up on top.
    if (NeedsPaint(*window) && (!filter || filter == handle)) {
        return handle;
    }
    for (HWND child : window->children) {
        if (const HWND found = FindInTree(session, child, filter)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

namespace user {

void InvalidateWindowArea(Session& session, Window& window) {
    RedrawOne(session, window.handle, nullptr, nullptr,
              RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void InvalidateParentArea(Session& session, Window& window) {
    if (!window.IsChild()) {
        return;
    }
    Window* parent = session.Get(window.parent);
    if (parent == nullptr) {
        return;
    }
    // The child's rectangle in the parent's client coordinates.
    RedrawOne(session, parent->handle, &window.rect, nullptr,
              RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ResizeSurface(Session& session, Window& topLevel) {
    if (topLevel.surface) {
        const RECT content = ContentRect(session, topLevel);
        topLevel.surface->Resize(Width(content), Height(content));
    }
}

void PresentDirtySurfaces(Session& session) {
    for (HWND handle : session.topLevels) {
        if (Window* window = session.Get(handle); window && window->surface) {
            window->surface->Present();
        }
    }
}

HWND FindWindowToPaint(Session& session, HWND filter) {
    for (HWND handle : session.topLevels) {
        if (const HWND found = FindInTree(session, handle, filter)) {
            return found;
        }
    }
    return nullptr;
}

void ValidateAfterUnhandledPaint(Session& session, HWND handle) {
    Window* window = session.Get(handle);
    if (window == nullptr || window->paintStarted) {
        return;
    }
    // A procedure that ignores WM_PAINT would otherwise be asked again for ever.
    if (window->updateRegion) {
        DeleteObject(window->updateRegion);
        window->updateRegion = nullptr;
    }
    window->eraseNeeded = false;
    window->frameNeeded = false;
}

}  // namespace user

bool InvalidateRect(HWND hWnd, const RECT* lpRect, bool bErase) {
    return RedrawWindow(hWnd, lpRect, nullptr, RDW_INVALIDATE | (bErase ? RDW_ERASE : 0));
}

bool InvalidateRgn(HWND hWnd, HRGN hRgn, bool bErase) {
    return RedrawWindow(hWnd, nullptr, hRgn, RDW_INVALIDATE | (bErase ? RDW_ERASE : 0));
}

bool ValidateRect(HWND hWnd, const RECT* lpRect) {
    return RedrawWindow(hWnd, lpRect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

bool RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags) {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return false;
    }
    if (!hWnd) {
        const std::vector<HWND> topLevels = session->topLevels;
        for (HWND window : topLevels) {
            RedrawOne(*session, window, lprcUpdate, hrgnUpdate, flags);
        }
        return true;
    }
    return RedrawOne(*session, hWnd, lprcUpdate, hrgnUpdate, flags);
}

bool UpdateWindow(HWND hWnd) {
    return RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool GetUpdateRect(HWND hWnd, RECT* lpRect, bool bErase) {
    user::Session* session = user::Current();
    user::Window* window = session ? session->Get(hWnd) : nullptr;
    if (window == nullptr) {
        return false;
    }
    RECT box{};
    if (window->updateRegion) {
        GetRgnBox(window->updateRegion, &box);
    }
    if (lpRect != nullptr) {
        *lpRect = box;
    }
    if (bErase && window->eraseNeeded && !user::IsEmpty(box)) {
        HDC dc = GetDC(hWnd);
        window->eraseNeeded = false;
        SendMessage(hWnd, WM_ERASEBKGND, static_cast<WPARAM>(dc.Value()), 0);
        ReleaseDC(hWnd, dc);
    }
    return !user::IsEmpty(box);
}

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint) {
    user::Session* session = user::Current();
    user::Window* window = session ? session->Get(hWnd) : nullptr;
    if (window == nullptr || lpPaint == nullptr) {
        return nullptr;
    }
    const auto held = session->Hold(hWnd);
    window->paintStarted = true;
    if (window->frameNeeded) {
        window->frameNeeded = false;
        SendMessage(hWnd, WM_NCPAINT, 1, 0);
        if ((window = session->Get(hWnd)) == nullptr) {
            return nullptr;
        }
    }
    // The update region, moved to backing-store coordinates, clips the paint.
    HRGN update = CreateRectRgn(0, 0, 0, 0);
    RECT paintBox{};
    if (window->updateRegion) {
        CombineRgn(update, window->updateRegion, nullptr, RGN_COPY);
        GetRgnBox(update, &paintBox);
        DeleteObject(window->updateRegion);
        window->updateRegion = nullptr;
    }
    const POINT offset = user::SurfaceOffset(*session, *window);
    OffsetRgn(update, offset.x + window->client.left, offset.y + window->client.top);
    const bool erase = window->eraseNeeded;
    window->eraseNeeded = false;
    HDC dc = HandOutDc(*session, *window, true, update);
    DeleteObject(update);
    if (!dc) {
        return nullptr;
    }
    lpPaint->hdc = dc;
    lpPaint->rcPaint = paintBox;
    lpPaint->fErase =
        erase && SendMessage(hWnd, WM_ERASEBKGND, static_cast<WPARAM>(dc.Value()), 0) == 0;
    return dc;
}

bool EndPaint(HWND, const PAINTSTRUCT* lpPaint) {
    user::Session* session = user::Current();
    if (session == nullptr || lpPaint == nullptr) {
        return false;
    }
    return GiveBackDc(*session, lpPaint->hdc);
}

HDC GetDC(HWND hWnd) {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return nullptr;
    }
    if (!hWnd) {
        HDC screen = CreateDC("DISPLAY");
        session->dcs[screen.Value()] = {};
        return screen;
    }
    user::Window* window = session->Get(hWnd);
    return window ? HandOutDc(*session, *window, true, nullptr) : HDC{};
}

HDC GetWindowDC(HWND hWnd) {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return nullptr;
    }
    if (!hWnd) {
        return GetDC(nullptr);
    }
    user::Window* window = session->Get(hWnd);
    return window ? HandOutDc(*session, *window, false, nullptr) : HDC{};
}

int ReleaseDC(HWND, HDC hDC) {
    user::Session* session = user::Current();
    return session != nullptr && GiveBackDc(*session, hDC) ? 1 : 0;
}

}  // namespace win
