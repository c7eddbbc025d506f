#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/headless/headless_window.h"
#include "platform/host/headless/virtual_clock.h"
#include "platform/host/headless/window_stack.h"
#include "platform/host/host.h"

namespace win::host {

// A desktop that exists only in memory: a virtual clock, input injected by tests, every window's
// pixels readable. Injected input is queued and then one loop step runs (see SetLoopStep), so a
// test sees its effects as soon as the call returns.
class HeadlessHost final : public Host {
public:
    struct TrayState {
        bool shown = false;
        std::string tip;
        Size iconSize;
    };
    struct StartedProcess {
        std::vector<std::string> argv;
        ProcessWindowHint hint = ProcessWindowHint::Normal;
    };
    // A native window as it was asked for when made; kept after it is destroyed.
    struct CreatedWindow {
        WindowId id = WindowId::None;
        WindowSpec request;
    };
    struct WebViewState {
        WindowId window = WindowId::None;
        Rect bounds;
        bool visible = true;
        std::vector<std::string> navigations;
    };

    HeadlessHost();

    // ---- configuration
    void SetScreen(Size size, Rect workArea);
    void SetDecorationMargins(Margins margins) { margins_ = margins; }
    void SetTrayAvailable(bool available) { trayAvailable_ = available; }
    // Web views that only record where they were asked to go; off by default.
    void SetWebViewsAvailable(bool available) { webViewsAvailable_ = available; }
    void SetServicesSucceed(bool succeed) { servicesSucceed_ = succeed; }
    // What runs after each injection and each clock step; by default ProcessPendingEvents. The
    // window manager's "dispatch everything queued" goes here so timers fire through the loop.
    void SetLoopStep(std::function<void()> step);

    // ---- time
    // Moves the clock forward, stopping at every wake-up and scheduled action on the way.
    void Advance(std::int64_t milliseconds);
    // When the clock next has something to do (a wake-up or a scheduled action), if ever.
    std::optional<std::int64_t> NextDue() const { return clock_.NextDue(); }
    // Runs `action` (typically injected input) when the clock reaches `when`, also from inside
    // a nested loop that waits.
    void At(std::int64_t when, std::function<void()> action);

    // ---- injected input (screen coordinates)
    void MoveMouse(Point screen);
    void PressMouse(MouseButton button);
    void ReleaseMouse(MouseButton button);
    void DoubleClickMouse(MouseButton button);
    // Move, press, release.
    void Click(Point screen, MouseButton button = MouseButton::Left);
    void Wheel(int delta);
    void KeyDown(int virtualKey, bool autoRepeat = false);
    void KeyUp(int virtualKey);
    void TypeText(std::string_view utf8);
    // Delivered only while the icon is shown; returns whether it was.
    bool TrayInput(TrayAction action, MouseButton button);
    void RequestClose(WindowId window);
    void EndSession();
    void ChangeSystemColors();
    void ChangeTheme();
    void ChangeDisplay(Size size, Rect workArea);
    // The desktop moves a window, as a user dragging its frame would.
    void DragWindow(WindowId window, Rect content);
    // The desktop minimises a window or brings it back, as its minimise button or window list
    // would.
    void MinimizeFromDesktop(WindowId window, bool minimized);

    // ---- inspection
    const headless::HeadlessWindow* FindWindow(WindowId window) const;
    // Visible and hidden, bottom of the stack first.
    std::vector<WindowId> StackingOrder() const { return stack_.BottomToTop(); }
    WindowId ActiveWindow() const { return active_; }
    WindowId GrabbingPopup() const { return grab_; }
    // The window the pointer is over at `screen`, honouring shapes; None over the desktop.
    WindowId WindowAt(Point screen) const;
    // What the screen shows: every visible window composed in stacking order over black.
    std::vector<std::uint32_t> Screenshot() const;
    // For looking at a failing test: a window's presented pixels, or the whole screen, as PNG.
    bool SaveWindowPng(WindowId window, const std::filesystem::path& path) const;
    bool SaveScreenshotPng(const std::filesystem::path& path) const;
    const TrayState& Tray() const { return tray_; }
    const std::vector<std::string>& OpenedUrls() const { return openedUrls_; }
    const std::vector<StartedProcess>& StartedProcesses() const { return started_; }
    const WebViewState* FindWebView(WebViewId view) const;
    std::size_t LiveWindowCount() const { return windows_.size(); }
    // Every native window made so far, oldest first.
    const std::vector<CreatedWindow>& CreatedWindows() const { return created_; }

    // ---- Host
    void SetEventSink(EventSink* sink) override { sink_ = sink; }
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
    Margins DecorationMargins() const override { return margins_; }

    std::int64_t NowMilliseconds() const override { return clock_.Now(); }
    void SetWakeUp(std::optional<std::int64_t> due) override { clock_.SetWakeUp(due); }
    void ProcessPendingEvents() override;
    // Nothing can arrive unless the clock moves: jumps to the next wake-up or scheduled action.
    // Throws std::logic_error when nothing is due at all, which would wait for ever.
    void WaitForEvents() override;

    std::shared_ptr<win::text::TextEngine> GetTextEngine() override { return nullptr; }

    Size ScreenSize() const override { return screen_; }
    Rect WorkArea() const override { return workArea_; }
    Point CursorPosition() const override { return cursor_; }

    std::optional<std::string> ClipboardText() const override { return clipboard_; }
    void SetClipboardText(std::string_view utf8) override { clipboard_ = std::string(utf8); }

    bool TrayAvailable() const override { return trayAvailable_; }
    void SetTrayIcon(PixelView icon, std::string_view tip) override;
    void ShowTrayIcon() override;
    void RemoveTrayIcon() override { tray_.shown = false; }

    std::optional<WebViewId> CreateWebView(WindowId window, Rect bounds) override;
    void MoveWebView(WebViewId view, Rect bounds) override;
    void SetWebViewVisible(WebViewId view, bool visible) override;
    void Navigate(WebViewId view, std::string_view url) override;
    void DestroyWebView(WebViewId view) override { webViews_.erase(view); }

    bool OpenUrl(std::string_view url) override;
    bool StartDetachedProcess(const std::vector<std::string>& argv,
                              ProcessWindowHint hint) override;

    // None unless a test lends one (it must outlive its use).
    Theme* GetTheme() override { return theme_; }
    void SetTheme(Theme* theme) { theme_ = theme; }

private:
    using Event = std::function<void(EventSink&)>;

    headless::HeadlessWindow* Find(WindowId window);
    void Queue(Event event);
    void RunLoopStep();
    void QueueMouse(WindowId window, MouseAction action, MouseButton button, int wheelDelta = 0);
    void UpdateHover();
    void SetActive(WindowId window);
    WindowId MouseTarget() const;
    void SetButton(MouseButton button, bool down);
    // Moves the clock to the next due instant (not past `limit`); false when nothing is due.
    bool StepClockTo(std::optional<std::int64_t> limit);

    EventSink* sink_ = nullptr;
    Theme* theme_ = nullptr;
    headless::VirtualClock clock_;
    std::deque<Event> events_;
    std::function<void()> loopStep_;
    bool insideAction_ = false;

    std::map<WindowId, headless::HeadlessWindow> windows_;
    std::vector<CreatedWindow> created_;
    headless::WindowStack stack_;
    std::uint64_t nextWindow_ = 1;
    WindowId active_ = WindowId::None;
    WindowId hovered_ = WindowId::None;
    WindowId grab_ = WindowId::None;
    WindowId pressTarget_ = WindowId::None;

    Size screen_{1280, 800};
    Rect workArea_{0, 0, 1280, 800};
    Margins margins_{3, 22, 3, 3};
    Point cursor_;
    MouseButtons buttons_;
    Modifiers modifiers_;

    std::optional<std::string> clipboard_;
    bool trayAvailable_ = true;
    TrayState tray_;
    bool webViewsAvailable_ = false;
    std::map<WebViewId, WebViewState> webViews_;
    std::uint64_t nextWebView_ = 1;
    bool servicesSucceed_ = true;
    std::vector<std::string> openedUrls_;
    std::vector<StartedProcess> started_;
};

}  // namespace win::host
