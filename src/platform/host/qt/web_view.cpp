#include "platform/host/qt/web_view.h"

#include <QGuiApplication>

namespace win::host::desktop {

namespace {

// Another process's window can be taken in as a child only on X11.
bool CanEmbedForeignWindows() {
    return QGuiApplication::platformName() == QStringLiteral("xcb");
}

}  // namespace

WebView::WebView(QWidget& parent, Rect bounds, const std::optional<QString>& helper,
                 WebViewFallback::Opener opener, QObject& endingHelpers)
    : parent_(parent), bounds_(bounds), opener_(std::move(opener)), endingHelpers_(endingHelpers) {
    if (!helper || !CanEmbedForeignWindows()) {
        FallBack();
        return;
    }
    process_ = std::make_unique<WebViewProcess>(
        WebViewProcess::Handlers{[this](const WebViewReport& report) { OnReport(report); },
                                 [this] { FallBackLater(); }},
        endingHelpers_);
    if (!process_->Start(*helper)) {
        FallBack();
        return;
    }
    readiness_.setSingleShot(true);
    QObject::connect(&readiness_, &QTimer::timeout, &context_, [this] { FallBack(); });
    readiness_.start(kReadyMs);
}

WebView::~WebView() {
    // The window goes back before the helper is told to end, so neither waits for the other.
    embedding_.reset();
    process_.reset();
}

void WebView::Move(Rect bounds) {
    // Our window's own pixels come back where the page was.
    parent_.update(bounds_.left, bounds_.top, bounds_.Width(), bounds_.Height());
    bounds_ = bounds;
    if (embedding_) {
        embedding_->Move(bounds);
    }
    if (fallback_) {
        fallback_->Move(bounds);
    }
}

void WebView::SetVisible(bool visible) {
    visible_ = visible;
    parent_.update(bounds_.left, bounds_.top, bounds_.Width(), bounds_.Height());
    if (embedding_) {
        embedding_->SetVisible(visible);
    }
    if (fallback_) {
        fallback_->setVisible(visible);
    }
}

void WebView::Navigate(std::string url) {
    status_.address = std::move(url);
    status_.pageText.reset();
    if (process_) {
        process_->Send(WebViewRequest::Navigate(status_.address));
    }
    if (fallback_) {
        fallback_->SetAddress(status_.address);
    }
}

void WebView::RequestPageText() {
    if (process_) {
        process_->Send(WebViewRequest::ReportText());
    }
}

void WebView::OnReport(const WebViewReport& report) {
    switch (report.kind) {
        case WebViewReport::Kind::Window:
            Embed(report.window);
            break;
        case WebViewReport::Kind::LoadFinished:
            ++status_.loadsFinished;
            status_.lastLoadOk = report.ok;
            status_.title = report.text;
            break;
        case WebViewReport::Kind::PageText:
            status_.pageText = report.text;
            break;
    }
}

void WebView::Embed(std::uint64_t window) {
    if (fallback_ || window == status_.helperWindow) {
        return;
    }
    readiness_.stop();
    if (embedding_) {
        // The helper made its window anew; the old one is gone.
        embedding_->Abandon();
    }
    embedding_ = std::make_unique<WebViewEmbedding>(parent_, window, bounds_, visible_);
    status_.helperWindow = window;
}

void WebView::FallBackLater() {
    // Called from the helper's own signals: the process object must outlive their delivery.
    QTimer::singleShot(0, &context_, [this] { FallBack(); });
}

void WebView::FallBack() {
    readiness_.stop();
    if (embedding_) {
        embedding_->Abandon();
        embedding_.reset();
    }
    process_.reset();
    status_.helperWindow = 0;
    status_.fallback = true;
    if (!fallback_) {
        fallback_ = std::make_unique<WebViewFallback>(parent_, bounds_, opener_);
    }
    fallback_->SetAddress(status_.address);
    fallback_->setVisible(visible_);
}

}  // namespace win::host::desktop
