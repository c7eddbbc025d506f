#pragma once

// Where the console's figures come from, and what ends a run: the sampling with its timers, the
// choice in the interface list, and the save of the total at the end.

#include <optional>
#include <vector>

#include "console/console_figures.h"
#include "windows/totals_file.h"

namespace quellan::console {

class FigureSource {
public:
    virtual ~FigureSource() = default;

    // Runs whatever has come due by now; the figures after each sampling tick that ran.
    virtual std::vector<ConsoleFigures> RunDueWork() = 0;
    // How long the loop may wait before something is due.
    virtual int MillisecondsUntilDue() const = 0;
    virtual ConsoleFigures CurrentFigures() = 0;
    // Up and Down in the list.
    virtual void MoveChoice(int step) = 0;
    // The stored total plus this run's traffic, saved as the mini window's "X" does.
    virtual std::optional<TotalsSaveError> SaveTotal() = 0;
};

}  // namespace quellan::console
