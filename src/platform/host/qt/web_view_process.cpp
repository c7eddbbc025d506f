#include "platform/host/qt/web_view_process.h"

#include <signal.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QTimer>

namespace win::host::desktop {

namespace {

constexpr int kStartMs = 5000;
// How long an ending helper may take to close its engine before it is killed.
constexpr int kEndingMs = 5000;

QProcessEnvironment HelperEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Its window is embedded in ours as an X11 child, so it must be on X11 as we are.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
}

// The helper leads a process group of its own, so that whatever its engine starts can be ended
// with it.
void LeadOwnGroup(QProcess& process) {
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
}

// Kills the helper and everything left in its group. A helper not yet collected still holds its
// id, so the group named by that id can only be its own.
void KillWithItsGroup(QProcess& process) {
    if (process.state() != QProcess::NotRunning && process.processId() > 0) {
        ::kill(-static_cast<pid_t>(process.processId()), SIGKILL);
    }
    process.kill();
}

// The helper ends when its input closes; until then it keeps its process object, which is
// deleted once the helper has gone (or with the application).
void LetEnd(std::unique_ptr<QProcess> owned, QObject& endingHelpers) {
    QProcess* process = owned.release();
    QObject::disconnect(process, nullptr, nullptr, nullptr);
    process->setParent(&endingHelpers);
    process->closeWriteChannel();
    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return;
    }
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QTimer::singleShot(kEndingMs, process, [process] { KillWithItsGroup(*process); });
}

}  // namespace

WebViewProcess::WebViewProcess(Handlers handlers, QObject& endingHelpers)
    : handlers_(std::move(handlers)), endingHelpers_(endingHelpers) {}

WebViewProcess::~WebViewProcess() {
    if (process_) {
        Send(WebViewRequest::Quit());
        LetEnd(std::move(process_), endingHelpers_);
    }
}

bool WebViewProcess::Start(const QString& program) {
    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setProcessEnvironment(HelperEnvironment());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    LeadOwnGroup(*process);
    process->start(QIODevice::ReadWrite);
    if (!process->waitForStarted(kStartMs)) {
        return false;
    }
    QObject::connect(process.get(), &QProcess::readyReadStandardOutput, [this] { ReadReports(); });
    QObject::connect(process.get(), &QProcess::finished, [this] {
        if (handlers_.ended) {
            handlers_.ended();
        }
    });
    process_ = std::move(process);
    return true;
}

void WebViewProcess::Send(const WebViewRequest& request) {
    if (process_ && process_->state() == QProcess::Running) {
        const std::string line = FormatRequest(request);
        process_->write(line.data(), static_cast<qint64>(line.size()));
    }
}

void WebViewProcess::ReadReports() {
    const QByteArray bytes = process_->readAllStandardOutput();
    for (const std::string& line :
         lines_.Feed({bytes.constData(), static_cast<std::size_t>(bytes.size())})) {
        // Anything else on its output (an engine's stray message) is no report of ours.
        if (const auto report = ParseReport(line); report && handlers_.report) {
            handlers_.report(*report);
        }
    }
}

void AwaitEndingHelpers(QObject& endingHelpers, int ms) {
    QDeadlineTimer deadline(ms);
    for (QProcess* process : endingHelpers.findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
        if (!process->waitForFinished(static_cast<int>(deadline.remainingTime()))) {
            KillWithItsGroup(*process);
            process->waitForFinished(ms);
        }
        delete process;
    }
}

}  // namespace win::host::desktop
