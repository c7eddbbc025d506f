#pragma once

// SIGINT, SIGTERM and SIGHUP turned into something the loop waits for: while an object of this
// class lives, such a signal no longer kills the process but makes Descriptor() readable, so the
// program can end in order (saving first). SIGPIPE is ignored meanwhile: a closed output shows up
// as a failed write instead. Everything is put back when it ends. One at a time per process.

#include <optional>

#include "platform/terminal/descriptor.h"

namespace win::terminal {

class TerminationSignals {
public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Readable once a signal came.
    Descriptor WakeUp() const { return Descriptor{readEnd_}; }
    // The first signal that came and was not taken yet.
    std::optional<int> TakeSignal();

private:
    int readEnd_ = -1;
    int writeEnd_ = -1;
};

}  // namespace win::terminal
