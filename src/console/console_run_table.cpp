// The console on the statistics window's sampling alone, for builds without the windows.

#include <chrono>

#include "console/console_loop.h"
#include "console/console_run.h"
#include "console/stored_total.h"
#include "console/table_sampler.h"
#include "meter/connection_selection.h"
#include "platform/forms/settings_store.h"
#include "platform/net/system_interface_table.h"

namespace quellan::console {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kTickInterval{100};
constexpr std::chrono::milliseconds kPeakClearingInterval{2000};

class TableFigureSource final : public FigureSource {
public:
    TableFigureSource()
        : stored_(std::filesystem::path(kTotalsFileName)),
          sampler_(win::SystemInterfaceTable(),
                   win::GetSetting(kSettingsApplication, kConnectionSettingSection,
                                   kConnectionSettingKey)) {}

    std::vector<ConsoleFigures> RunDueWork() override {
        if (clearingPeaks_ && Clock::now() >= nextPeakClearing_) {
            clearingPeaks_ = sampler_.ClearPeaks() == PeakClearing::KeepClearing;
            nextPeakClearing_ = Clock::now() + kPeakClearingInterval;
        }
        if (Clock::now() < nextTick_) {
            return {};
        }
        sampler_.Tick();
        // The next tick comes one interval after this one ended.
        nextTick_ = Clock::now() + kTickInterval;
        return {sampler_.Figures()};
    }

    int MillisecondsUntilDue() const override {
        Clock::time_point due = clearingPeaks_ ? std::min(nextTick_, nextPeakClearing_) : nextTick_;
        auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(due - Clock::now()).count();
        return left < 0 ? 0 : static_cast<int>(left);
    }

    ConsoleFigures CurrentFigures() override { return sampler_.Figures(); }
    void MoveChoice(int step) override { sampler_.MoveChoice(step); }
    std::optional<TotalsSaveError> SaveTotal() override {
        return stored_.SaveWithRun(sampler_.ThisRunKilobytes());
    }

private:
    StoredTotal stored_;
    TableSampler sampler_;
    bool clearingPeaks_ = true;
    Clock::time_point nextTick_ = Clock::now() + kTickInterval;
    Clock::time_point nextPeakClearing_ = Clock::now() + kPeakClearingInterval;
};

}  // namespace

int RunConsole(const ConsoleRunOptions& options) {
    win::terminal::TerminationSignals signals;
    TableFigureSource source;
    return RunConsoleLoop(source, options, signals);
}

}  // namespace quellan::console
