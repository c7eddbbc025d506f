#include "platform/forms/web_browser.h"

#include "platform/controls/control_classes.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/user.h"
#include "platform/user/web_view.h"

namespace win::forms {
namespace {

constexpr std::string_view kClassName = "WebBrowserPane";

// Only reserves the place and shows white until the page covers it.
bool RegisterPaneClass() {
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = DefWindowProc;
    windowClass.hbrBackground = GetStockObject(WHITE_BRUSH).As<HBRUSH>();
    windowClass.lpszClassName = std::string(kClassName);
    return controls::EnsureClassRegistered(windowClass);
}

}  // namespace

WebBrowser::WebBrowser(Container& container, std::string name)
    : WindowedControl(container, std::move(name)) {}

WebBrowser::~WebBrowser() {
    EndView();
}

std::string_view WebBrowser::ClassName() const {
    return kClassName;
}

void WebBrowser::ResetProperties() {
    address_.clear();
}

void WebBrowser::Navigate(std::string url) {
    Touch();
    address_ = std::move(url);
    if (view_) {
        NavigateWebView(*view_, address_);
    }
}

void WebBrowser::CreateControlWindow(HWND parent, int id) {
    // Registered with the window manager of the desktop the form is loaded on.
    RegisterPaneClass();
    WindowedControl::CreateControlWindow(parent, id);
}

void WebBrowser::WindowCreated() {
    view_ = CreateWebViewOver(window_);
    if (view_) {
        PlaceWebViewOver(*view_, window_);
        if (!address_.empty()) {
            NavigateWebView(*view_, address_);
        }
    }
}

void WebBrowser::ReleaseControlWindow() {
    EndView();
    WindowedControl::ReleaseControlWindow();
}

void WebBrowser::OnGeometryChanged() {
    WindowedControl::OnGeometryChanged();
    if (view_ && window_) {
        PlaceWebViewOver(*view_, window_);
    }
}

void WebBrowser::OnVisibilityChanged() {
    if (view_ && window_) {
        PlaceWebViewOver(*view_, window_);
    }
}

void WebBrowser::EndView() {
    if (view_) {
        DestroyWebView(*view_);
        view_.reset();
    }
}

}  // namespace win::forms
