#include "platform/host/qt/qt_host.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QIcon>
#include <QMimeData>
#include <QPixmap>
#include <QScreen>
#include <QStyleHints>
#include <QWindow>
#include <map>

#include "platform/host/qt/cursor_shapes.h"
#include "platform/host/qt/desktop_change_watcher.h"
#include "platform/host/qt/desktop_services.h"
#include "platform/host/qt/double_click_detector.h"
#include "platform/host/qt/event_queue.h"
#include "platform/host/qt/native_window.h"
#include "platform/host/qt/pixel_image.h"
#include "platform/host/qt/platform_choice.h"
#include "platform/host/qt/qt_text_engine.h"
#include "platform/host/qt/qt_theme.h"
#include "platform/host/qt/session_end_watcher.h"
#include "platform/host/qt/steady_clock.h"
#include "platform/host/qt/tray_icon.h"
#include "platform/host/qt/wake_up_timer.h"
#include "platform/host/qt/web_view.h"
#include "platform/host/qt/web_view_helper_location.h"

namespace win::host {

namespace {

// Until a decorated window of ours has been framed, the frame of openbox's default theme.
constexpr Margins kAssumedDecoration{1, 20, 1, 1};
// How long the host's end waits for web view helpers to close before killing them.
constexpr int kHelperEndingMs = 2000;

std::unique_ptr<QApplication> ApplicationFor(int& argc, char** argv) {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    desktop::PreferXcbUnderXWayland();
    return std::make_unique<QApplication>(argc, argv);
}

Rect FromQRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace

struct QtHost::State {
    State(int& argc, char** argv)
        : application(ApplicationFor(argc, argv)),
          clicks(QGuiApplication::styleHints()->mouseDoubleClickInterval(),
                 QGuiApplication::styleHints()->mouseDoubleClickDistance()),
          wakeUp(clock, [this] { events.Push([](EventSink& sink) { sink.OnWakeUp(); }); }),
          sessionEnd([this] { events.Push([](EventSink& sink) { sink.OnSessionEnding(); }); }),
          changes(events),
          tray(events) {
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    desktop::NativeWindow* Find(WindowId id) const {
        auto found = windows.find(id);
        return found == windows.end() ? nullptr : found->second.get();
    }

    void Deliver() { events.Deliver(sink); }

    desktop::WebView* FindWebView(WebViewId id) const {
        auto found = webViews.find(id);
        return found == webViews.end() ? nullptr : found->second.view.get();
    }

    void EndWebViewsOf(WindowId window) {
        std::erase_if(webViews, [&](const auto& entry) { return entry.second.window == window; });
    }

    void NoteFrame(const desktop::NativeWindow& window) {
        if (!window.Request().decorated || !window.isVisible()) {
            return;
        }
        const QRect frame = window.frameGeometry();
        const QRect content = window.geometry();
        if (frame != content) {
            decoration = {content.left() - frame.left(), content.top() - frame.top(),
                          frame.right() - content.right(), frame.bottom() - content.bottom()};
        }
    }

    // Destroyed last: everything below needs the application object.
    std::unique_ptr<QApplication> application;
    EventSink* sink = nullptr;
    desktop::SteadyClock clock;
    desktop::EventQueue events;
    desktop::DoubleClickDetector clicks;
    desktop::WakeUpTimer wakeUp;
    desktop::SessionEndWatcher sessionEnd;
    desktop::DesktopChangeWatcher changes;
    desktop::TrayIcon tray;
    desktop::QtTheme theme;
    std::shared_ptr<desktop::QtTextEngine> textEngine;
    std::map<WindowId, std::unique_ptr<desktop::NativeWindow>> windows;
    std::uint64_t nextWindow = 1;
    struct WebViewEntry {
        WindowId window;
        std::unique_ptr<desktop::WebView> view;
    };
    std::map<WebViewId, WebViewEntry> webViews;
    // Helpers of ended views that are still closing their engines.
    QObject endingHelpers;
    std::uint64_t nextWebView = 1;
    mutable Margins decoration = kAssumedDecoration;
};

QtHost::QtHost(int& argc, char** argv) : state_(std::make_unique<State>(argc, argv)) {}

QtHost::~QtHost() {
    // Windows go before the services and the application they use, web views before their windows.
    state_->webViews.clear();
    state_->windows.clear();
    desktop::AwaitEndingHelpers(state_->endingHelpers, kHelperEndingMs);
}

std::uint64_t QtHost::NativeWindowHandle(WindowId window) const {
    desktop::NativeWindow* found = state_->Find(window);
    return found == nullptr ? 0 : static_cast<std::uint64_t>(found->winId());
}

std::optional<WebViewStatus> QtHost::WebViewState(WebViewId view) const {
    desktop::WebView* found = state_->FindWebView(view);
    return found == nullptr ? std::nullopt : std::optional(found->Status());
}

void QtHost::RequestWebViewText(WebViewId view) {
    if (desktop::WebView* found = state_->FindWebView(view)) {
        found->RequestPageText();
    }
}

std::optional<Rect> QtHost::TrayIconRect() const {
    return state_->tray.Geometry();
}

std::uint64_t QtHost::PaintedFrames(WindowId window) const {
    desktop::NativeWindow* found = state_->Find(window);
    return found == nullptr ? 0 : found->PaintedFrames();
}

void QtHost::SetEventSink(EventSink* sink) {
    state_->sink = sink;
}

// ---- native windows -----------------------------------------------------------------------------

WindowId QtHost::CreateNativeWindow(const WindowSpec& request) {
    const WindowId id{state_->nextWindow++};
    desktop::NativeWindowContext context{state_->events, state_->clicks,
                                         [clock = &state_->clock] { return clock->Now(); }};
    auto window = std::make_unique<desktop::NativeWindow>(id, request, std::move(context));
    if (desktop::NativeWindow* owner = state_->Find(request.owner)) {
        // Not a Qt parent: that would make Qt delete the window with its owner.
        window->winId();
        owner->winId();
        window->windowHandle()->setTransientParent(owner->windowHandle());
    }
    state_->windows.emplace(id, std::move(window));
    return id;
}

void QtHost::DestroyNativeWindow(WindowId window) {
    state_->EndWebViewsOf(window);
    state_->windows.erase(window);
}

void QtHost::SetContentRect(WindowId window, Rect content) {
    if (desktop::NativeWindow* found = state_->Find(window)) {
        found->SetContent(content);
    }
}

void QtHost::SetTitle(WindowId window, std::string_view title) {
    if (desktop::NativeWindow* found = state_->Find(window)) {
        found->setWindowTitle(
            QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    }
}

void QtHost::SetTopmost(WindowId window, bool topmost) {
    if (desktop::NativeWindow* found = state_->Find(window)) {
        found->SetTopmost(topmost);
    }
}

void QtHost::SetSkipTaskbar(WindowId window, bool skip) {
    if (desktop::NativeWindow* found = state_->Find(window)) {
        found->SetSkipTaskbar(skip);
    }
}

void QtHost::SetIcon(WindowId window, PixelView icon) {
    desktop::NativeWindow* found = state_->Find(window);
    const QImage image = desktop::CopyPixels(icon);
    if (found != nullptr && !image.isNull()) {
        found->setWindowIcon(QIcon(QPixmap::fromImage(image)));
    }
}

void QtHost::SetShape(WindowId window, std::span<const Span> spans) {
    if (desktop::NativeWindow* found = state_->Find(window)) {
        found->SetShape(spans);
    }
}

void QtHost::ClearShape(WindowId window) {
    if (desktop::NativeWindow* found = state_->Find(window)) {
        found->ClearShape();
    }
}

void QtHost::Present(WindowId window, PixelView pixels, Rect dirty) {
    if (desktop::NativeWindow* found = state_->Find(window)) {
        found->Present(pixels, dirty);
    }
}

void QtHost::SetCursorShape(WindowId window, CursorShape shape) {
    if (desktop::NativeWindow* found = state_->Find(window)) {
        found->setCursor(desktop::QtCursorShape(shape));
    }
}

void QtHost::Show(WindowId window, bool activate) {
    if (desktop::NativeWindow* found = state_->Find(window)) {
        found->ShowWindow(activate);
    }
}

void QtHost::Hide(WindowId window) {
    if (desktop::NativeWindow* found = state_->Find(window)) {
        found->HideWindow();
    }
}

void QtHost::Activate(WindowId window) {
    desktop::NativeWindow* found = state_->Find(window);
    if (found != nullptr && found->isVisible() && found->Request().kind == WindowKind::TopLevel) {
        found->raise();
        found->activateWindow();
    }
}

void QtHost::SetMinimized(WindowId window, bool minimized) {
    if (desktop::NativeWindow* found = state_->Find(window)) {
        found->SetMinimized(minimized);
    }
}

void QtHost::Raise(WindowId window) {
    if (desktop::NativeWindow* found = state_->Find(window)) {
        found->raise();
    }
}

void QtHost::GrabPointer(WindowId popup) {
    if (desktop::NativeWindow* found = state_->Find(popup)) {
        found->GrabInput();
    }
}

void QtHost::ReleasePointer(WindowId popup) {
    if (desktop::NativeWindow* found = state_->Find(popup)) {
        found->ReleaseInput();
    }
}

Margins QtHost::DecorationMargins() const {
    for (const auto& [id, window] : state_->windows) {
        state_->NoteFrame(*window);
    }
    return state_->decoration;
}

// ---- time and the loop --------------------------------------------------------------------------

std::int64_t QtHost::NowMilliseconds() const {
    return state_->clock.Now();
}

void QtHost::SetWakeUp(std::optional<std::int64_t> due) {
    state_->wakeUp.SetDue(due);
}

void QtHost::ProcessPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Outside a running Qt loop nobody else deletes what Qt scheduled for deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state_->wakeUp.FireIfDue();
    state_->Deliver();
}

void QtHost::WaitForEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    state_->wakeUp.FireIfDue();
    // Qt also wakes for its own business (a repaint of presented pixels); that is no event of ours.
    while (state_->events.Empty()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        state_->wakeUp.FireIfDue();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state_->Deliver();
}

// ---- text, screen, pointer, clipboard -----------------------------------------------------------

std::shared_ptr<win::text::TextEngine> QtHost::GetTextEngine() {
    if (!state_->textEngine) {
        state_->textEngine = std::make_shared<desktop::QtTextEngine>();
    }
    return state_->textEngine;
}

Size QtHost::ScreenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    return {screen->geometry().width(), screen->geometry().height()};
}

Rect QtHost::WorkArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? Rect{} : FromQRect(screen->availableGeometry());
}

Point QtHost::CursorPosition() const {
    const QPoint at = QCursor::pos();
    return {at.x(), at.y()};
}

std::optional<std::string> QtHost::ClipboardText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return data->text().toStdString();
}

void QtHost::SetClipboardText(std::string_view utf8) {
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

// ---- tray ---------------------------------------------------------------------------------------

bool QtHost::TrayAvailable() const {
    return desktop::TrayIcon::Available();
}

void QtHost::SetTrayIcon(PixelView icon, std::string_view tip) {
    state_->tray.Set(icon, tip);
}

void QtHost::ShowTrayIcon() {
    state_->tray.Show();
}

void QtHost::RemoveTrayIcon() {
    state_->tray.Remove();
}

// ---- web view -----------------------------------------------------------------------------------

std::optional<WebViewId> QtHost::CreateWebView(WindowId window, Rect bounds) {
    desktop::NativeWindow* parent = state_->Find(window);
    if (parent == nullptr) {
        return std::nullopt;
    }
    const WebViewId id{state_->nextWebView++};
    auto view = std::make_unique<desktop::WebView>(
        *parent, bounds, desktop::WebViewHelperPath(),
        [](const std::string& url) { return desktop::OpenWithDesktop(url); },
        state_->endingHelpers);
    state_->webViews.emplace(id, State::WebViewEntry{window, std::move(view)});
    return id;
}

void QtHost::MoveWebView(WebViewId view, Rect bounds) {
    if (desktop::WebView* found = state_->FindWebView(view)) {
        found->Move(bounds);
    }
}

void QtHost::SetWebViewVisible(WebViewId view, bool visible) {
    if (desktop::WebView* found = state_->FindWebView(view)) {
        found->SetVisible(visible);
    }
}

void QtHost::Navigate(WebViewId view, std::string_view url) {
    if (desktop::WebView* found = state_->FindWebView(view)) {
        found->Navigate(std::string(url));
    }
}

void QtHost::DestroyWebView(WebViewId view) {
    state_->webViews.erase(view);
}

// ---- services -----------------------------------------------------------------------------------

bool QtHost::OpenUrl(std::string_view url) {
    return desktop::OpenWithDesktop(url);
}

bool QtHost::StartDetachedProcess(const std::vector<std::string>& argv, ProcessWindowHint) {
    // A desktop without window styles for started programs: the hint has nothing to choose.
    return desktop::StartDetached(argv);
}

Theme* QtHost::GetTheme() {
    return &state_->theme;
}

}  // namespace win::host
