#include "platform/host/qt/session_end_watcher.h"

#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <array>
#include <cerrno>

namespace win::host::desktop {

namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};

// The write end, for the handler; -1 when no watcher exists.
volatile sig_atomic_t signalPipe = -1;

void OnSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    if (signalPipe >= 0) {
        // A full pipe already holds a wake-up; losing this byte loses nothing.
        [[maybe_unused]] const ssize_t written = write(signalPipe, &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

SessionEndWatcher::SessionEndWatcher(std::function<void()> onEnding)
    : onEnding_(std::move(onEnding)) {
    if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) == 0) {
        signalPipe = pipe_[1];
        notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
            DrainPipe();
            End();
        });
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            sigaction(kSignals[i], &action, &previous_[i]);
        }
    }
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QObject::connect(application, &QGuiApplication::commitDataRequest, &guard_,
                         [this](QSessionManager&) { End(); });
        QObject::connect(application, &QCoreApplication::aboutToQuit, &guard_, [this] { End(); });
    }
}

SessionEndWatcher::~SessionEndWatcher() {
    if (pipe_[0] < 0) {
        return;
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &previous_[i], nullptr);
    }
    signalPipe = -1;
    notifier_.reset();
    close(pipe_[0]);
    close(pipe_[1]);
}

void SessionEndWatcher::DrainPipe() {
    unsigned char buffer[64];
    while (read(pipe_[0], buffer, sizeof buffer) > 0) {
    }
}

void SessionEndWatcher::End() {
    if (ended_) {
        return;
    }
    ended_ = true;
    onEnding_();
}

}  // namespace win::host::desktop
