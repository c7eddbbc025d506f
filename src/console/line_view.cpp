#include "console/line_view.h"

#include <utility>

#include "console/tick_line.h"

namespace quellan::console {

LineView::LineView(ConsoleOutput output) : output_(std::move(output)) {}

bool LineView::ShowTick(const ConsoleFigures& figures) {
    ++ticks_;
    return WriteListIfChanged(figures) && output_(TickLine(figures, ticks_) + "\n");
}

bool LineView::ShowChoice(const ConsoleFigures& figures) {
    return WriteListIfChanged(figures);
}

bool LineView::WriteListIfChanged(const ConsoleFigures& figures) {
    std::string line = InterfaceListLine(figures);
    if (line == lastListLine_) {
        return true;
    }
    lastListLine_ = line;
    return output_(line + "\n");
}

}  // namespace quellan::console
