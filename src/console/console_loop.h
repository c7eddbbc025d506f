#pragma once

#include "console/console_run.h"
#include "console/figure_source.h"
#include "platform/terminal/termination_signals.h"

namespace quellan::console {

// The console's loop on the process's terminal or pipe, until q, an ending signal, a closed
// output or the asked number of ticks; then the save. The exit status, as RunConsole's.
int RunConsoleLoop(FigureSource& source, const ConsoleRunOptions& options,
                   win::terminal::TerminationSignals& signals);

}  // namespace quellan::console
