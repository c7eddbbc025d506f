#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/host/host.h"
#include "platform/host/qt/web_view_status.h"

namespace win::host {

// The desktop host on Qt 6 Widgets. Include this header only where the host is chosen; it keeps
// Qt out of everyone else's way.
class QtHost final : public Host {
public:
    // Creates the application object when there is none yet (argc and argv must outlive the host),
    // preferring the xcb platform under XWayland. One host per process.
    QtHost(int& argc, char** argv);
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // ---- for tests and tools
    // The X11 window of one of ours (0 when none or off X11).
    std::uint64_t NativeWindowHandle(WindowId window) const;
    // Where the tray icon is on the screen, once a notification area shows it.
    std::optional<Rect> TrayIconRect() const;
    // How many times a window's presented pixels reached the screen.
    std::uint64_t PaintedFrames(WindowId window) const;
    // What a web view shows and has reported; std::nullopt for no such view.
    std::optional<WebViewStatus> WebViewState(WebViewId view) const;
    // Asks a web view for its page's text, reported later in WebViewState's pageText.
    void RequestWebViewText(WebViewId view);

    // ---- Host
    void SetEventSink(EventSink* sink) override;
    WindowId CreateNativeWindow(const WindowSpec& request) override;
    void DestroyNativeWindow(WindowId window) override;
    void SetContentRect(WindowId window, Rect content) override;
    void SetTitle(WindowId window, std::string_view title) override;
    void SetTopmost(WindowId window, bool topmost) override;
    void SetSkipTaskbar(WindowId window, bool skip) override;
    void SetIcon(WindowId window, PixelView icon) override;
    void SetShape(WindowId window, std::span<const Span> spans) override;
    void ClearShape(WindowId window) override;
    void Present(WindowId window, PixelView pixels, Rect dirty) override;
    void SetCursorShape(WindowId window, CursorShape shape) override;
    void Show(WindowId window, bool activate) override;
    void Hide(WindowId window) override;
    void Activate(WindowId window) override;
    void Raise(WindowId window) override;
    void SetMinimized(WindowId window, bool minimized) override;
    void GrabPointer(WindowId popup) override;
    void ReleasePointer(WindowId popup) override;
    Margins DecorationMargins() const override;

    std::int64_t NowMilliseconds() const override;
    void SetWakeUp(std::optional<std::int64_t> due) override;
    void ProcessPendingEvents() override;
    void WaitForEvents() override;

    std::shared_ptr<win::text::TextEngine> GetTextEngine() override;

    Size ScreenSize() const override;
    Rect WorkArea() const override;
    Point CursorPosition() const override;

    std::optional<std::string> ClipboardText() const override;
    void SetClipboardText(std::string_view utf8) override;

    bool TrayAvailable() const override;
    void SetTrayIcon(PixelView icon, std::string_view tip) override;
    void ShowTrayIcon() override;
    void RemoveTrayIcon() override;

    // The page is shown by the helper executable next to ours (or $QUELLAN_WEB_VIEW_HELPER),
    // started for each view and ended with it or with its window; without a helper, the view
    // shows the address and a button that opens it in the desktop's browser.
    std::optional<WebViewId> CreateWebView(WindowId window, Rect bounds) override;
    void MoveWebView(WebViewId view, Rect bounds) override;
    void SetWebViewVisible(WebViewId view, bool visible) override;
    void Navigate(WebViewId view, std::string_view url) override;
    void DestroyWebView(WebViewId view) override;

    bool OpenUrl(std::string_view url) override;
    bool StartDetachedProcess(const std::vector<std::string>& argv,
                              ProcessWindowHint hint) override;

    Theme* GetTheme() override;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace win::host
