#pragma once

// The statistics window's sampling without the window: the interface reader and the traffic
// meter run the tick's steps in the tick's order and keep what the window's labels, list and
// graph would show. The console runs on this until it can read the windows themselves.

#include <memory>
#include <string>
#include <vector>

#include "console/console_figures.h"
#include "meter/traffic_meter.h"
#include "platform/net/interface_table.h"
#include "stats/c_ip_helper.h"

namespace quellan::console {

class TableSampler {
public:
    // `connectionSetting` is the stored "Connection" text, empty when absent. Fills the list as
    // the window's load does.
    TableSampler(std::shared_ptr<win::InterfaceTable> table, std::string connectionSetting,
                 NumericSeparators separators = UserNumericSeparators());

    // `tmrUpdate`: one tick.
    void Tick();
    // `Timer1`: clears the peaks; once this says so, it is not to be called again.
    PeakClearing ClearPeaks() { return meter_.ClearPeaks(); }

    // Up and Down in the list: moves the choice by `step` entries, staying within the list. The
    // description follows at the next tick, as the window's does.
    void MoveChoice(int step);

    const ConsoleFigures& Figures() const { return figures_; }
    double ThisRunKilobytes() const { return meter_.ThisRunKilobytes(); }

private:
    void FillList(const CInterfaces& snapshot);
    void TakeDescription(const CInterfaces& snapshot);
    void AddGraphSample(double sample);

    CIpHelper reader_;
    TrafficMeter meter_;
    std::string connectionSetting_;
    ConsoleFigures figures_;
};

}  // namespace quellan::console
