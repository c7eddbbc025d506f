#pragma once

// The view for a pipe or a log: one line per tick, fields separated by tabs, and the interface
// list on a line of its own whenever it or its choice changes.

#include <string>

#include "console/console_figures.h"

namespace quellan::console {

// "选择网卡:" and the entries, the chosen one in brackets.
std::string InterfaceListLine(const ConsoleFigures& figures);

// The tick's number, then the figure labels, each with what it stands for.
std::string TickLine(const ConsoleFigures& figures, long long tickNumber);

}  // namespace quellan::console
