#include "platform/host/headless/headless_host.h"

#include <utility>

namespace win::host {

void HeadlessHost::SetTrayIcon(PixelView icon, std::string_view tip) {
    tray_.iconSize = {icon.width, icon.height};
    tray_.tip = std::string(tip);
}

void HeadlessHost::ShowTrayIcon() {
    if (trayAvailable_) {
        tray_.shown = true;
    }
}

std::optional<WebViewId> HeadlessHost::CreateWebView(WindowId window, Rect bounds) {
    if (!webViewsAvailable_ || !windows_.contains(window)) {
        return std::nullopt;
    }
    const WebViewId id{nextWebView_++};
    webViews_.emplace(id, WebViewState{window, bounds, true, {}});
    return id;
}

void HeadlessHost::MoveWebView(WebViewId view, Rect bounds) {
    if (auto found = webViews_.find(view); found != webViews_.end()) {
        found->second.bounds = bounds;
    }
}

void HeadlessHost::SetWebViewVisible(WebViewId view, bool visible) {
    if (auto found = webViews_.find(view); found != webViews_.end()) {
        found->second.visible = visible;
    }
}

void HeadlessHost::Navigate(WebViewId view, std::string_view url) {
    if (auto found = webViews_.find(view); found != webViews_.end()) {
        found->second.navigations.emplace_back(url);
    }
}

bool HeadlessHost::OpenUrl(std::string_view url) {
    openedUrls_.emplace_back(url);
    return servicesSucceed_;
}

bool HeadlessHost::StartDetachedProcess(const std::vector<std::string>& argv,
                                        ProcessWindowHint hint) {
    if (argv.empty()) {
        return false;
    }
    started_.push_back({argv, hint});
    return servicesSucceed_;
}

}  // namespace win::host
