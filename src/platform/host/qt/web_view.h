#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "platform/host/host.h"
#include "platform/host/qt/web_view_embedding.h"
#include "platform/host/qt/web_view_fallback.h"
#include "platform/host/qt/web_view_process.h"
#include "platform/host/qt/web_view_status.h"

namespace win::host::desktop {

// One embedded web page in a window of ours. The page is shown by a helper process whose window
// is embedded at the view's rectangle; until the helper is ready the rectangle shows our window's
// own pixels. Where the helper cannot start, stops answering at start or dies, the address pane
// takes its place.
class WebView {
public:
    // `helper` is the helper's executable, std::nullopt when there is none; an ending helper
    // is left in the care of `endingHelpers` (see AwaitEndingHelpers).
    WebView(QWidget& parent, Rect bounds, const std::optional<QString>& helper,
            WebViewFallback::Opener opener, QObject& endingHelpers);
    ~WebView();
    WebView(const WebView&) = delete;
    WebView& operator=(const WebView&) = delete;

    void Move(Rect bounds);
    void SetVisible(bool visible);
    void Navigate(std::string url);
    // Asks the helper for the page's text; it arrives in Status().pageText.
    void RequestPageText();

    const WebViewStatus& Status() const { return status_; }

    // How long a starting helper may take to show its window.
    static constexpr int kReadyMs = 30000;

private:
    void OnReport(const WebViewReport& report);
    void Embed(std::uint64_t window);
    void FallBackLater();
    void FallBack();

    QWidget& parent_;
    Rect bounds_;
    bool visible_ = true;
    WebViewFallback::Opener opener_;
    QObject& endingHelpers_;
    WebViewStatus status_;
    // Owns the timers of this view, so none fires after it.
    QObject context_;
    QTimer readiness_;
    std::unique_ptr<WebViewProcess> process_;
    std::unique_ptr<WebViewEmbedding> embedding_;
    std::unique_ptr<WebViewFallback> fallback_;
};

}  // namespace win::host::desktop
