#include "console/console_run.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "console/full_screen_view.h"
#include "console/key_decoder.h"
#include "console/line_view.h"
#include "console/stored_total.h"
#include "console/table_sampler.h"
#include "meter/connection_selection.h"
#include "platform/forms/settings_store.h"
#include "platform/net/system_interface_table.h"
#include "platform/terminal/descriptor_io.h"
#include "platform/terminal/key_input_mode.h"
#include "platform/terminal/terminal_device.h"
#include "platform/terminal/termination_signals.h"
#include "windows/totals_file.h"

namespace quellan::console {
namespace {

using Clock = std::chrono::steady_clock;
using win::terminal::Descriptor;

constexpr std::chrono::milliseconds kTickInterval{100};
constexpr std::chrono::milliseconds kPeakClearingInterval{2000};

bool WriteToStandardOutput(std::string_view text) {
    return win::terminal::WriteAll(Descriptor::StandardOutput, text);
}

ScreenSize StandardOutputSize() {
    auto size = win::terminal::TerminalWindowSize(Descriptor::StandardOutput);
    return size ? ScreenSize{size->columns, size->rows} : ScreenSize{};
}

int MillisecondsUntil(Clock::time_point due) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(due - Clock::now()).count();
    return left < 0 ? 0 : static_cast<int>(left);
}

// One of the two views, as standard output asks for.
class View {
public:
    View() {
        if (win::terminal::IsTerminal(Descriptor::StandardOutput)) {
            fullScreen_ =
                std::make_unique<FullScreenView>(WriteToStandardOutput, StandardOutputSize);
        } else {
            lines_ = std::make_unique<LineView>(WriteToStandardOutput);
        }
    }

    bool AfterTick(const ConsoleFigures& figures) {
        return fullScreen_ ? fullScreen_->Show(figures) : lines_->ShowTick(figures);
    }
    bool AfterChoice(const ConsoleFigures& figures) {
        return fullScreen_ ? fullScreen_->Show(figures) : lines_->ShowChoice(figures);
    }

private:
    std::unique_ptr<FullScreenView> fullScreen_;
    std::unique_ptr<LineView> lines_;
};

class ConsoleLoop {
public:
    ConsoleLoop(const ConsoleRunOptions& options, TableSampler& sampler,
                win::terminal::TerminationSignals& signals)
        : options_(options), sampler_(sampler), signals_(signals) {}

    // Until something ends the run.
    void Run() {
        View view;
        while (!ended_) {
            WaitForSomething();
            HandleInput(view);
            ClearPeaksWhenDue();
            TickWhenDue(view);
        }
    }

private:
    void WaitForSomething() {
        std::vector<Descriptor> watched = {signals_.WakeUp()};
        if (watchingKeys_) {
            watched.push_back(Descriptor::StandardInput);
        }
        Clock::time_point due = clearingPeaks_ ? std::min(nextTick_, nextPeakClearing_) : nextTick_;
        ready_ = win::terminal::WaitForReadable(watched, MillisecondsUntil(due));
    }

    bool Ready(Descriptor descriptor) const {
        return std::find(ready_.begin(), ready_.end(), descriptor) != ready_.end();
    }

    void HandleInput(View& view) {
        if (Ready(signals_.WakeUp()) && signals_.TakeSignal()) {
            ended_ = true;
            return;
        }
        if (!Ready(Descriptor::StandardInput)) {
            return;
        }
        std::string bytes = win::terminal::ReadAvailable(Descriptor::StandardInput);
        if (bytes.empty()) {
            watchingKeys_ = false;  // the input ended; the view goes on
            return;
        }
        for (ConsoleKey key : decoder_.Feed(bytes)) {
            if (key == ConsoleKey::Quit) {
                ended_ = true;
                return;
            }
            sampler_.MoveChoice(key == ConsoleKey::Up ? -1 : 1);
            ended_ = !view.AfterChoice(sampler_.Figures());
        }
    }

    void ClearPeaksWhenDue() {
        if (ended_ || !clearingPeaks_ || Clock::now() < nextPeakClearing_) {
            return;
        }
        clearingPeaks_ = sampler_.ClearPeaks() == PeakClearing::KeepClearing;
        nextPeakClearing_ = Clock::now() + kPeakClearingInterval;
    }

    void TickWhenDue(View& view) {
        if (ended_ || Clock::now() < nextTick_) {
            return;
        }
        sampler_.Tick();
        ++ticks_;
        bool shown = view.AfterTick(sampler_.Figures());
        ended_ = !shown || (options_.ticks && ticks_ >= *options_.ticks);
        // The next tick comes one interval after this one ended.
        nextTick_ = Clock::now() + kTickInterval;
    }

    const ConsoleRunOptions& options_;
    TableSampler& sampler_;
    win::terminal::TerminationSignals& signals_;
    KeyDecoder decoder_;
    std::vector<Descriptor> ready_;
    bool watchingKeys_ = true;
    bool clearingPeaks_ = true;
    bool ended_ = false;
    long long ticks_ = 0;
    Clock::time_point nextTick_ = Clock::now() + kTickInterval;
    Clock::time_point nextPeakClearing_ = Clock::now() + kPeakClearingInterval;
};

}  // namespace

int RunConsole(const ConsoleRunOptions& options) {
    win::terminal::TerminationSignals signals;
    StoredTotal stored{std::filesystem::path(kTotalsFileName)};
    TableSampler sampler(
        win::SystemInterfaceTable(),
        win::GetSetting(kSettingsApplication, kConnectionSettingSection, kConnectionSettingKey));
    {
        win::terminal::KeyInputMode keys(Descriptor::StandardInput);
        ConsoleLoop(options, sampler, signals).Run();
    }
    if (auto failure = stored.SaveWithRun(sampler.ThisRunKilobytes())) {
        win::terminal::WriteAll(Descriptor::StandardError, TotalsSaveFailureText(*failure) + "\n");
        return 1;
    }
    return 0;
}

}  // namespace quellan::console
