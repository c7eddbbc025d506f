#include "platform/terminal/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <stdexcept>

namespace win::terminal {
namespace {

constexpr std::array<int, 3> kEndingSignals = {SIGINT, SIGTERM, SIGHUP};

// The handler can only reach globals; at most one object owns them.
std::atomic<int> wakeUpWriteEnd{-1};
std::array<struct sigaction, kEndingSignals.size()> previousActions{};
struct sigaction previousPipeAction {};

void NoteSignal(int signalNumber) {
    int savedErrno = errno;
    unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already says a signal came.
    [[maybe_unused]] ssize_t written = ::write(wakeUpWriteEnd.load(), &byte, 1);
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals() {
    std::array<int, 2> ends{};
    if (::pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        throw std::runtime_error("cannot create the signal pipe");
    }
    readEnd_ = ends[0];
    writeEnd_ = ends[1];
    int none = -1;
    if (!wakeUpWriteEnd.compare_exchange_strong(none, writeEnd_)) {
        ::close(readEnd_);
        ::close(writeEnd_);
        throw std::logic_error("termination signals are already watched");
    }
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        ::sigaction(kEndingSignals[i], &action, &previousActions[i]);
    }
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, &previousPipeAction);
}

TerminationSignals::~TerminationSignals() {
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        ::sigaction(kEndingSignals[i], &previousActions[i], nullptr);
    }
    ::sigaction(SIGPIPE, &previousPipeAction, nullptr);
    wakeUpWriteEnd.store(-1);
    ::close(readEnd_);
    ::close(writeEnd_);
}

std::optional<int> TerminationSignals::TakeSignal() {
    unsigned char byte = 0;
    if (::read(readEnd_, &byte, 1) == 1) {
        return static_cast<int>(byte);
    }
    return std::nullopt;
}

}  // namespace win::terminal
