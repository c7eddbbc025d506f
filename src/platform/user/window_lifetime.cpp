#include "platform/user/window_lifetime.h"

#include <algorithm>
#include <string>

#include "platform/gdi/gdi_objects.h"
#include "platform/user/last_error.h"
#include "platform/user/messaging.h"
#include "platform/user/surface.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_state.h"
#include "platform/user/window_styles.h"

namespace win {

namespace {

// Where CW_USEDEFAULT puts a top-level window.
constexpr int kDefaultLeft = 26;
constexpr int kDefaultTop = 26;
constexpr int kDefaultWidth = 320;
constexpr int kDefaultHeight = 240;

RECT InitialRect(bool child, int x, int y, int width, int height) {
    if (x == CW_USEDEFAULT) {
        x = child ? 0 : kDefaultLeft;
        y = child ? 0 : kDefaultTop;
    }
    if (width == CW_USEDEFAULT) {
        width = child ? 0 : kDefaultWidth;
        height = child ? 0 : kDefaultHeight;
    }
    return {x, y, x + std::max(width, 0), y + std::max(height, 0)};
}

void LinkIntoTree(user::Session& session, user::Window& window) {
    if (window.IsChild()) {
        // Children go to the bottom, so the stacking order is the creation (and tab) order.
        session.Get(window.parent)->children.push_back(window.handle);
        return;
    }
    auto& topLevels = session.topLevels;
    auto firstOrdinary = topLevels.begin();
    if (!(window.exStyle & WS_EX_TOPMOST)) {
        firstOrdinary = std::find_if(topLevels.begin(), topLevels.end(), [&](HWND other) {
            const user::Window* found = session.Get(other);
            return found == nullptr || !(found->exStyle & WS_EX_TOPMOST);
        });
    }
    topLevels.insert(firstOrdinary, window.handle);
}

void UnlinkFromTree(user::Session& session, user::Window& window) {
    if (user::Window* parent = session.Get(window.parent)) {
        std::erase(parent->children, window.handle);
    }
    std::erase(session.topLevels, window.handle);
}

void FreeWindowRecord(user::Session& session, user::Window& window) {
    session.timers.KillAllOf(window.handle);
    window.slots.Clear();
    if (window.region) {
        DeleteObject(window.region);
        window.region = nullptr;
    }
    if (window.updateRegion) {
        DeleteObject(window.updateRegion);
        window.updateRegion = nullptr;
    }
    UnlinkFromTree(session, window);
    if (window.surface && window.surface->HasNative()) {
        session.UnmapNative(window.surface->Native());
        window.surface.reset();
    }
    --window.windowClass->liveWindows;
    window.destroyed = true;
    session.Remove(window.handle);
}

void MarkDestroying(user::Session& session, user::Window& window) {
    window.destroying = true;
    for (HWND child : window.children) {
        if (user::Window* found = session.Get(child)) {
            MarkDestroying(session, *found);
        }
    }
}

void SendDestroyMessages(user::Session& session, HWND handle) {
    const auto held = session.Hold(handle);
    if (session.Get(handle) == nullptr) {
        return;
    }
    SendMessage(handle, WM_DESTROY, 0, 0);
    user::Window* window = session.Get(handle);
    if (window == nullptr) {
        return;
    }
    const std::vector<HWND> children = window->children;
    for (HWND child : children) {
        SendDestroyMessages(session, child);
    }
}

void FreeWindowTree(user::Session& session, HWND handle) {
    const auto held = session.Hold(handle);
    user::Window* window = session.Get(handle);
    if (window == nullptr) {
        return;
    }
    const std::vector<HWND> children = window->children;
    for (HWND child : children) {
        FreeWindowTree(session, child);
    }
    SendMessage(handle, WM_NCDESTROY, 0, 0);
    if (user::Window* stillThere = session.Get(handle)) {
        FreeWindowRecord(session, *stillThere);
    }
}

bool IsInSubtree(const user::Session& session, HWND candidate, HWND root) {
    for (const user::Window* window = session.Get(candidate); window != nullptr;
         window = session.Get(window->parent)) {
        if (window->handle == root) {
            return true;
        }
        if (!window->IsChild()) {
            break;
        }
    }
    return false;
}

void DestroyOwnedWindows(user::Session& session, HWND owner) {
    std::vector<HWND> owned;
    for (HWND handle : session.topLevels) {
        const user::Window* window = session.Get(handle);
        if (window != nullptr && window->owner && IsInSubtree(session, window->owner, owner)) {
            owned.push_back(handle);
        }
    }
    for (HWND handle : owned) {
        DestroyWindow(handle);
    }
}

// Failed creation: the window never became a full window, but it still hears WM_NCDESTROY.
HWND AbandonCreation(user::Session& session, HWND handle, bool sendDestroy) {
    if (user::Window* window = session.Get(handle)) {
        MarkDestroying(session, *window);
    }
    if (sendDestroy) {
        SendDestroyMessages(session, handle);
    }
    FreeWindowTree(session, handle);
    return nullptr;
}

}  // namespace

HWND CreateWindowEx(DWORD dwExStyle, std::string_view lpClassName, std::string_view lpWindowName,
                    DWORD dwStyle, int X, int Y, int nWidth, int nHeight, HWND hWndParent,
                    HMENU hMenu, void* lpParam) {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return nullptr;
    }
    const auto windowClass = session->classes.Find(lpClassName);
    if (!windowClass) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    const bool child = (dwStyle & WS_CHILD) != 0;
    if ((child && session->Get(hWndParent) == nullptr) ||
        (!child && hWndParent && session->Get(hWndParent) == nullptr)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }

    auto window = std::make_shared<user::Window>();
    window->handle = user::NewWindowHandle();
    window->windowClass = windowClass;
    window->procedure = windowClass->info.lpfnWndProc;
    window->style = dwStyle & ~WS_VISIBLE;
    window->exStyle = dwExStyle;
    if (!child) {
        window->style |= WS_CLIPSIBLINGS;
        if (!(dwStyle & WS_POPUP)) {
            // An overlapped window always has a caption.
            window->style |= WS_CAPTION;
        }
    }
    window->id = child ? hMenu.Value() : 0;
    window->extraBytes.resize(static_cast<std::size_t>(windowClass->info.cbWndExtra));
    window->rect = InitialRect(child, X, Y, nWidth, nHeight);
    window->client = {0, 0, window->rect.right - window->rect.left,
                      window->rect.bottom - window->rect.top};
    if (child) {
        window->parent = hWndParent;
    } else {
        window->owner = hWndParent;
    }
    ++windowClass->liveWindows;

    const HWND handle = window->handle;
    session->Add(window);
    LinkIntoTree(*session, *window);
    if (!child) {
        user::CreateSurface(*session, *window);
    }

    const std::string name(lpWindowName);
    const std::string className(lpClassName);
    CREATESTRUCT create{lpParam,
                        hMenu,
                        hWndParent,
                        user::Height(window->rect),
                        user::Width(window->rect),
                        window->rect.top,
                        window->rect.left,
                        dwStyle,
                        name.c_str(),
                        className.c_str(),
                        dwExStyle};
    if (SendMessage(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) == 0) {
        return AbandonCreation(*session, handle, false);
    }
    if (user::Window* created = session->Get(handle)) {
        user::RecalculateClientArea(*session, *created);
    }
    if (SendMessage(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        return AbandonCreation(*session, handle, true);
    }
    user::Window* created = session->Get(handle);
    if (created == nullptr) {
        return nullptr;
    }
    const RECT client = created->client;
    SendMessage(handle, WM_SIZE, SIZE_RESTORED,
                MAKELPARAM(user::Width(client), user::Height(client)));
    if ((created = session->Get(handle)) != nullptr) {
        POINT origin{created->rect.left + client.left, created->rect.top + client.top};
        SendMessage(handle, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
    }
    if (child && session->Get(handle) != nullptr) {
        user::NotifyParentsOfLifetime(*session, handle, WM_CREATE);
    }
    if ((created = session->Get(handle)) == nullptr) {
        return nullptr;
    }
    if (!child) {
        user::EnsureNativeWindow(*session, *created);
    }
    if (dwStyle & WS_VISIBLE) {
        ShowWindow(handle, SW_SHOW);
    }
    return session->Get(handle) ? handle : nullptr;
}

bool DestroyWindow(HWND hWnd) {
    user::Session* session = user::Current();
    user::Window* window = session ? session->Get(hWnd) : nullptr;
    if (window == nullptr || window->destroying) {
        return false;
    }
    const auto held = session->Hold(hWnd);
    if (window->IsChild()) {
        user::NotifyParentsOfLifetime(*session, hWnd, WM_DESTROY);
    }
    DestroyOwnedWindows(*session, hWnd);
    window = session->Get(hWnd);
    if (window == nullptr || window->destroying) {
        return false;
    }
    if (window->IsVisible()) {
        ShowWindow(hWnd, SW_HIDE);
    }
    if ((window = session->Get(hWnd)) == nullptr || window->destroying) {
        return false;
    }
    MarkDestroying(*session, *window);
    user::ForgetInputOf(*session, *window);
    SendDestroyMessages(*session, hWnd);
    FreeWindowTree(*session, hWnd);
    return true;
}

bool IsWindow(HWND hWnd) {
    user::Session* session = user::Current();
    return session != nullptr && session->Get(hWnd) != nullptr;
}

}  // namespace win
