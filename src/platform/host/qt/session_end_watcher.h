#pragma once

#include <QSocketNotifier>
#include <csignal>
#include <functional>
#include <memory>

namespace win::host::desktop {

// Turns the desktop session ending (logout, shutdown) and SIGTERM, SIGHUP and SIGINT into one
// call of `onEnding`, however many of them arrive. Signals reach the loop through a self-pipe,
// since nothing else may run inside a signal handler. One watcher per process.
class SessionEndWatcher {
public:
    explicit SessionEndWatcher(std::function<void()> onEnding);
    ~SessionEndWatcher();
    SessionEndWatcher(const SessionEndWatcher&) = delete;
    SessionEndWatcher& operator=(const SessionEndWatcher&) = delete;

    bool Ended() const { return ended_; }

private:
    void End();
    void DrainPipe();

    std::function<void()> onEnding_;
    // Ends the connections to the application's signals with the watcher.
    QObject guard_;
    bool ended_ = false;
    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction previous_[3] = {};
};

}  // namespace win::host::desktop
