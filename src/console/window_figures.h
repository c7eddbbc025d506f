#pragma once

// The console's figures read from the statistics window itself, loaded or not: its list, its
// labels and its graph's samples. Reading its controls loads it, hidden, as the mini window's
// reads do.

#include "console/console_figures.h"
#include "meter/frm_bandwidth.h"

namespace quellan::console {

ConsoleFigures FiguresOfWindow(frmBandwidth& statistics);

// Up and Down in the window's list: the choice moves by `step` entries within the list.
void MoveWindowChoice(frmBandwidth& statistics, int step);

}  // namespace quellan::console
