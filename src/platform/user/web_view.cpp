#include "platform/user/web_view.h"

#include "platform/user/user.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_coordinates.h"

namespace win {
namespace {

struct Placement {
    host::WindowId native = host::WindowId::None;
    host::Rect bounds;
};

// The window's client area in the content of its top-level window's native window.
std::optional<Placement> PlacementOf(user::Session& session, HWND handle) {
    user::Window* window = session.Get(handle);
    if (window == nullptr) {
        return std::nullopt;
    }
    user::Window* topLevel = user::TopLevelOf(session, *window);
    if (topLevel == nullptr) {
        return std::nullopt;
    }
    const host::WindowId native = user::EnsureNativeWindow(session, *topLevel);
    if (native == host::WindowId::None) {
        return std::nullopt;
    }
    RECT client{};
    GetClientRect(handle, &client);
    const POINT origin = user::ClientOrigin(session, *window);
    const RECT content = user::ContentRect(session, *topLevel);
    const RECT bounds = user::Offset(client, origin.x - content.left, origin.y - content.top);
    return Placement{native, user::ToHostRect(bounds)};
}

}  // namespace

std::optional<host::WebViewId> CreateWebViewOver(HWND window) {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return std::nullopt;
    }
    const std::optional<Placement> placement = PlacementOf(*session, window);
    if (!placement) {
        return std::nullopt;
    }
    return session->Host().CreateWebView(placement->native, placement->bounds);
}

void PlaceWebViewOver(host::WebViewId view, HWND window) {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return;
    }
    if (const std::optional<Placement> placement = PlacementOf(*session, window)) {
        session->Host().MoveWebView(view, placement->bounds);
    }
    session->Host().SetWebViewVisible(view, IsWindowVisible(window));
}

void NavigateWebView(host::WebViewId view, std::string_view url) {
    if (user::Session* session = user::Current()) {
        session->Host().Navigate(view, url);
    }
}

void DestroyWebView(host::WebViewId view) {
    if (user::Session* session = user::Current()) {
        session->Host().DestroyWebView(view);
    }
}

}  // namespace win
