#pragma once

// A web page shown over a child window: the host's web view placed on the window's client area
// inside its top-level window. The window itself only reserves the place.

#include <optional>
#include <string_view>

#include "platform/host/host.h"
#include "platform/user/user_types.h"

namespace win {

// std::nullopt when there is no such window or the host shows no web pages.
std::optional<host::WebViewId> CreateWebViewOver(HWND window);
// After the window moved or was resized; also shows or hides the page with the window.
void PlaceWebViewOver(host::WebViewId view, HWND window);
void NavigateWebView(host::WebViewId view, std::string_view url);
void DestroyWebView(host::WebViewId view);

}  // namespace win
