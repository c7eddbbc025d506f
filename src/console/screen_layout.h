#pragma once

// The full-screen view's lines: the interface list with the chosen entry marked, the
// description, the figure labels and the graph, each line cut to the terminal's width and the
// whole to its height.

#include <string>
#include <vector>

#include "console/console_figures.h"

namespace quellan::console {

struct ScreenSize {
    int columns = 80;
    int rows = 24;
};

inline constexpr std::string_view kChosenMark = "> ";
inline constexpr std::string_view kUnchosenMark = "  ";

std::vector<std::string> ScreenLines(const ConsoleFigures& figures, ScreenSize size);

}  // namespace quellan::console
