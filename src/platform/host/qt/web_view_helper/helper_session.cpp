#include "platform/host/qt/web_view_helper/helper_session.h"

#include <unistd.h>

#include <QEvent>
#include <QUrl>
#include <QWebEnginePage>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace win::host::helper {

namespace {

// Off every screen, so the window shows nowhere before it is embedded.
constexpr QPoint kOutOfSight{-30000, -30000};

std::string ToStd(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace

void EndProcess() {
    std::fflush(stdout);
    std::_Exit(0);
}

HelperSession::HelperSession() : input_(STDIN_FILENO, QSocketNotifier::Read) {
    // Never managed by the window manager: the program reparents it into its own window.
    view_.setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint | Qt::Tool);
    view_.setAttribute(Qt::WA_ShowWithoutActivating);
    // Input is read from the start, so its end is seen even while the engine is still starting.
    QObject::connect(&input_, &QSocketNotifier::activated, this, [this] { ReadInput(); });
    view_.installEventFilter(this);
}

void HelperSession::Start() {
    // The engine adds its drawing surface with the first page, and a window that already exists
    // would be made anew for it, under a new id. A blank page first, so the id told stays.
    QObject::connect(
        &view_, &QWebEngineView::loadFinished, this, [this] { ShowOutOfSight(); },
        Qt::SingleShotConnection);
    view_.load(QUrl(QStringLiteral("about:blank")));
}

void HelperSession::ShowOutOfSight() {
    view_.move(kOutOfSight);
    view_.show();
    shown_ = true;
    Report(desktop::WebViewReport::Window(static_cast<std::uint64_t>(view_.winId())));
    // Requests waited until the window was told, so none raced the blank first page.
    for (const desktop::WebViewRequest& request : std::exchange(waiting_, {})) {
        Handle(request);
    }
    QObject::connect(&view_, &QWebEngineView::loadFinished, this, [this](bool ok) {
        Report(desktop::WebViewReport::LoadFinished(ok, ToStd(view_.title())));
    });
}

bool HelperSession::eventFilter(QObject* watched, QEvent* event) {
    // Should the window be made anew all the same, the program must embed the new one.
    if (watched == &view_ && event->type() == QEvent::WinIdChange && shown_) {
        Report(desktop::WebViewReport::Window(static_cast<std::uint64_t>(view_.winId())));
    }
    return QObject::eventFilter(watched, event);
}

void HelperSession::ReadInput() {
    std::array<char, 4096> buffer{};
    const ssize_t got = ::read(STDIN_FILENO, buffer.data(), buffer.size());
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
        return;
    }
    if (got <= 0) {
        EndProcess();
    }
    for (const std::string& line : lines_.Feed({buffer.data(), static_cast<std::size_t>(got)})) {
        // A line we do not understand is skipped; the next one may well be fine.
        if (const auto request = desktop::ParseRequest(line)) {
            if (request->kind == desktop::WebViewRequest::Kind::Quit) {
                EndProcess();
            }
            if (shown_) {
                Handle(*request);
            } else {
                waiting_.push_back(*request);
            }
        }
    }
}

void HelperSession::Handle(const desktop::WebViewRequest& request) {
    using Kind = desktop::WebViewRequest::Kind;
    switch (request.kind) {
        case Kind::Navigate:
            view_.load(QUrl(QString::fromStdString(request.url)));
            break;
        case Kind::ReportText:
            view_.page()->toPlainText([this](const QString& text) {
                Report(desktop::WebViewReport::PageText(ToStd(text)));
            });
            break;
        case Kind::Quit:
            EndProcess();
    }
}

void HelperSession::Report(const desktop::WebViewReport& report) {
    const std::string line = desktop::FormatReport(report);
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

}  // namespace win::host::helper
