#pragma once

// The console view's run on the process's own terminal or pipe: samples every 100 ms, draws in
// place on a terminal or prints a line per tick otherwise, reads Up, Down and q, and ends on q,
// Ctrl-C, SIGTERM, SIGHUP, a closed output or after the asked number of ticks, saving the total
// unless told not to.

#include <optional>

namespace win::host {
class HeadlessHost;
}

namespace quellan::console {

struct ConsoleRunOptions {
    // Ends after this many ticks; runs until told otherwise without.
    std::optional<long long> ticks;
    // Another process keeps this folder's total: show the figures, but leave the file alone.
    bool saves = true;
};

// The process's exit status: 0, or 1 when the total could not be saved (the reason is written
// to standard error). The program's windows run on the given in-memory desktop.
int RunConsole(const ConsoleRunOptions& options, win::host::HeadlessHost& desktop);

}  // namespace quellan::console
