#include <algorithm>
#include <vector>

#include "platform/gdi/region.h"
#include "platform/user/messaging.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_geometry.h"
#include "platform/user/window_messages.h"

// Which window a screen point belongs to, as the mouse sees it: the deepest visible window there,
// unless it answers WM_NCHITTEST with HTTRANSPARENT and so hands the point to what lies beneath.
namespace win {

namespace {

bool PointInWindow(const user::Session& session, const user::Window& window, POINT screen) {
    const POINT origin = user::WindowOrigin(session, window);
    const RECT rect{origin.x, origin.y, origin.x + user::Width(window.rect),
                    origin.y + user::Height(window.rect)};
    if (!user::Contains(rect, screen)) {
        return false;
    }
    return !window.region || PtInRegion(window.region, screen.x - origin.x, screen.y - origin.y);
}

bool Passed(const std::vector<HWND>& passed, HWND window) {
    return std::find(passed.begin(), passed.end(), window) != passed.end();
}

// A disabled child keeps the point for its parent.
HWND DeepestWindowAt(const user::Session& session, const user::Window& root, POINT screen,
                     const std::vector<HWND>& passed) {
    const user::Window* current = &root;
    for (;;) {
        const POINT client = user::ClientOrigin(session, *current);
        const RECT clientRect{client.x, client.y, client.x + user::Width(current->client),
                              client.y + user::Height(current->client)};
        if (!user::Contains(clientRect, screen)) {
            return current->handle;
        }
        const user::Window* hit = nullptr;
        for (HWND child : current->children) {
            const user::Window* window = session.Get(child);
            if (window != nullptr && window->IsVisible() && !Passed(passed, child) &&
                PointInWindow(session, *window, screen)) {
                hit = window;
                break;
            }
        }
        if (hit == nullptr || !hit->IsEnabled()) {
            return current->handle;
        }
        current = hit;
    }
}

// The top-level windows at the point, topmost first; the one the desktop named goes first
// while the point is on its content.
std::vector<HWND> TopLevelsAt(const user::Session& session, POINT screen, HWND named) {
    std::vector<HWND> found;
    if (const user::Window* window = session.Get(named);
        window != nullptr && !window->IsChild() &&
        user::Contains(user::ContentRect(session, *window), screen)) {
        found.push_back(named);
    }
    for (HWND handle : session.topLevels) {
        const user::Window* window = session.Get(handle);
        if (handle != named && window != nullptr && window->IsVisible() &&
            PointInWindow(session, *window, screen)) {
            found.push_back(handle);
        }
    }
    return found;
}

}  // namespace

namespace user {

MouseRoute RouteMouse(Session& session, POINT screen, HWND named) {
    std::vector<HWND> passed;
    for (HWND topLevel : TopLevelsAt(session, screen, named)) {
        for (;;) {
            const Window* root = session.Get(topLevel);
            if (root == nullptr) {
                break;
            }
            if (!root->IsEnabled()) {
                return {topLevel, HTERROR};
            }
            const HWND candidate = DeepestWindowAt(session, *root, screen, passed);
            const LRESULT hit =
                SendMessage(candidate, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
            if (hit != HTTRANSPARENT) {
                return {candidate, hit};
            }
            passed.push_back(candidate);
            if (candidate == topLevel) {
                break;
            }
        }
    }
    return {};
}

}  // namespace user

HWND WindowFromPoint(POINT Point) {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return nullptr;
    }
    return user::RouteMouse(*session, Point, nullptr).window;
}

}  // namespace win
