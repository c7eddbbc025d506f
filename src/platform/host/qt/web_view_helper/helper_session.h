#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QWebEngineView>
#include <vector>

#include "platform/host/qt/line_splitter.h"
#include "platform/host/qt/web_view_protocol.h"

namespace win::host::helper {

// Ends the process now: output flushed, no engine teardown and no exit handlers. The engine's
// orderly shutdown can wait on threads for ever, and a leak checker's exit pass can spin in a
// build with sanitizers; a page viewer has nothing to save.
[[noreturn]] void EndProcess();

// The helper's side of the web view: one page in a frameless window, driven by the requests on
// standard input, answered with reports on standard output. The process ends at once when its
// input closes or it is asked to quit (see EndProcess), so a helper never outlives the program
// that started it.
class HelperSession final : public QObject {
public:
    HelperSession();

    // Prepares the page, then shows the window where no one sees it until the program embeds
    // it, and tells its id.
    void Start();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowOutOfSight();
    void ReadInput();
    void Handle(const desktop::WebViewRequest& request);
    void Report(const desktop::WebViewReport& report);

    QWebEngineView view_;
    QSocketNotifier input_;
    desktop::LineSplitter lines_;
    // Requests that arrived before the window was told; handled once it has been.
    std::vector<desktop::WebViewRequest> waiting_;
    bool shown_ = false;
};

}  // namespace win::host::helper
