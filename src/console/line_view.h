#pragma once

// The view for a pipe or a log: a line per tick, and the interface list before the first tick
// and again whenever the list or its choice changes.

#include <string>

#include "console/console_figures.h"
#include "console/console_output.h"

namespace quellan::console {

class LineView {
public:
    explicit LineView(ConsoleOutput output);

    // After a tick: its line, with the list line first when that changed.
    bool ShowTick(const ConsoleFigures& figures);
    // After a key: the list line when the choice changed, nothing else.
    bool ShowChoice(const ConsoleFigures& figures);

private:
    bool WriteListIfChanged(const ConsoleFigures& figures);

    ConsoleOutput output_;
    std::string lastListLine_;
    long long ticks_ = 0;
};

}  // namespace quellan::console
