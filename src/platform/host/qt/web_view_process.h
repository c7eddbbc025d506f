#pragma once

#include <QProcess>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/host/qt/line_splitter.h"
#include "platform/host/qt/web_view_protocol.h"

namespace win::host::desktop {

// One running web view helper: requests go to its input, its reports come back as calls.
// Destroying this asks the helper to end and lets it finish on its own time; one that has not gone
// within a few seconds is killed, with whatever it started.
class WebViewProcess {
public:
    struct Handlers {
        std::function<void(const WebViewReport&)> report;
        // The helper ended (or died) after it had started.
        std::function<void()> ended;
    };

    // When this ends, the helper's process object goes to `endingHelpers` until it has gone.
    WebViewProcess(Handlers handlers, QObject& endingHelpers);
    ~WebViewProcess();
    WebViewProcess(const WebViewProcess&) = delete;
    WebViewProcess& operator=(const WebViewProcess&) = delete;

    // Starts `program` with no arguments and no shell; false when it could not be started.
    bool Start(const QString& program);
    void Send(const WebViewRequest& request);

private:
    void ReadReports();

    Handlers handlers_;
    QObject& endingHelpers_;
    std::unique_ptr<QProcess> process_;
    LineSplitter lines_;
};

// Gives the helpers still ending under `endingHelpers` up to `ms` to go, then kills the rest.
void AwaitEndingHelpers(QObject& endingHelpers, int ms);

}  // namespace win::host::desktop
