#pragma once

// The line graph as one line of block characters, on the window graph's fixed scale: 0 at the
// bottom, 100 at the top, higher values held at the top.

#include <span>
#include <string>

namespace quellan::console {

// At most `columns` characters. When there are more samples than columns each column stands for
// a run of neighbouring samples and shows the largest, so a short burst is never dropped.
std::string TextGraph(std::span<const double> samples, int columns);

}  // namespace quellan::console
