// The console on the program's own windows: they all run on a desktop that exists only in
// memory, the mini window counting and saving exactly as on a real one, and the console shows
// what the statistics window shows.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>
#include <utility>

#include "console/console_loop.h"
#include "console/console_run.h"
#include "console/window_figures.h"
#include "platform/forms/application.h"
#include "platform/host/headless/headless_host.h"
#include "platform/user/desktop.h"
#include "platform/user/messaging.h"
#include "windows/frm_right.h"

namespace quellan::console {
namespace {

using Clock = std::chrono::steady_clock;

// With nothing due the loop still looks now and then, so a wait never outlives a missed change.
constexpr std::int64_t kLongestWaitMs = 1000;

class WindowFigureSource final : public FigureSource {
public:
    explicit WindowFigureSource(win::host::HeadlessHost& host) : host_(host) {
        win::AttachHost(host_);
        host_.SetLoopStep([] { win::ProcessPendingMessages(); });
        std::function<void()> tick = statistics_.tmrUpdate.Tick;
        statistics_.tmrUpdate.Tick = [this, tick] {
            tick();
            ticks_.push_back(FiguresOfWindow(statistics_));
        };
        mini_.Show();
    }
    ~WindowFigureSource() override {
        win::forms::App().End();
        host_.SetLoopStep(nullptr);
        win::DetachHost();
    }
    WindowFigureSource(const WindowFigureSource&) = delete;
    WindowFigureSource& operator=(const WindowFigureSource&) = delete;

    std::vector<ConsoleFigures> RunDueWork() override {
        // The in-memory desktop's clock follows the real one.
        const std::int64_t elapsed = ElapsedMicroseconds() / 1000;
        if (elapsed > host_.NowMilliseconds()) {
            host_.Advance(elapsed - host_.NowMilliseconds());
        }
        return std::exchange(ticks_, {});
    }

    // Until the in-memory desktop's next wake-up, rounded up so the loop never wakes a little
    // early and finds nothing due.
    int MillisecondsUntilDue() const override {
        const std::optional<std::int64_t> due = host_.NextDue();
        if (!due) {
            return static_cast<int>(kLongestWaitMs);
        }
        const std::int64_t waitMicroseconds = *due * 1000 - ElapsedMicroseconds();
        const std::int64_t wait = (std::max<std::int64_t>(waitMicroseconds, 0) + 999) / 1000;
        return static_cast<int>(std::min(wait, kLongestWaitMs));
    }
    ConsoleFigures CurrentFigures() override { return FiguresOfWindow(statistics_); }
    void MoveChoice(int step) override { MoveWindowChoice(statistics_, step); }
    std::optional<TotalsSaveError> SaveTotal() override { return mini_.SaveAccumulatedTotal(); }

private:
    std::int64_t ElapsedMicroseconds() const {
        return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start_).count();
    }

    win::host::HeadlessHost& host_;
    frmRight& mini_ = FrmRight();
    frmBandwidth& statistics_ = FrmBandwidth();
    std::vector<ConsoleFigures> ticks_;
    Clock::time_point start_ = Clock::now();
};

}  // namespace

int RunConsole(const ConsoleRunOptions& options, win::host::HeadlessHost& desktop) {
    win::terminal::TerminationSignals signals;
    WindowFigureSource source(desktop);
    return RunConsoleLoop(source, options, signals);
}

}  // namespace quellan::console
