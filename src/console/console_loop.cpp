#include "console/console_loop.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "console/full_screen_view.h"
#include "console/key_decoder.h"
#include "console/line_view.h"
#include "platform/terminal/descriptor_io.h"
#include "platform/terminal/key_input_mode.h"
#include "platform/terminal/terminal_device.h"

namespace quellan::console {
namespace {

using win::terminal::Descriptor;

bool WriteToStandardOutput(std::string_view text) {
    return win::terminal::WriteAll(Descriptor::StandardOutput, text);
}

ScreenSize StandardOutputSize() {
    auto size = win::terminal::TerminalWindowSize(Descriptor::StandardOutput);
    return size ? ScreenSize{size->columns, size->rows} : ScreenSize{};
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
    ConsoleLoop(FigureSource& source, const ConsoleRunOptions& options,
                win::terminal::TerminationSignals& signals)
        : source_(source), options_(options), signals_(signals) {}

    void Run() {
        win::terminal::KeyInputMode keys(Descriptor::StandardInput);
        View view;
        while (!ended_) {
            WaitForSomething();
            HandleInput(view);
            ShowTicks(view);
        }
    }

private:
    void WaitForSomething() {
        std::vector<Descriptor> watched = {signals_.WakeUp()};
        if (watchingKeys_) {
            watched.push_back(Descriptor::StandardInput);
        }
        ready_ = win::terminal::WaitForReadable(watched, source_.MillisecondsUntilDue());
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
            source_.MoveChoice(key == ConsoleKey::Up ? -1 : 1);
            ended_ = !view.AfterChoice(source_.CurrentFigures());
        }
    }

    void ShowTicks(View& view) {
        if (ended_) {
            return;
        }
        for (const ConsoleFigures& figures : source_.RunDueWork()) {
            ++ticks_;
            ended_ = !view.AfterTick(figures) || (options_.ticks && ticks_ >= *options_.ticks);
            if (ended_) {
                return;
            }
        }
    }

    FigureSource& source_;
    const ConsoleRunOptions& options_;
    win::terminal::TerminationSignals& signals_;
    KeyDecoder decoder_;
    std::vector<Descriptor> ready_;
    bool watchingKeys_ = true;
    bool ended_ = false;
    long long ticks_ = 0;
};

}  // namespace

int RunConsoleLoop(FigureSource& source, const ConsoleRunOptions& options,
                   win::terminal::TerminationSignals& signals) {
    ConsoleLoop(source, options, signals).Run();
    if (!options.saves) {
        return 0;
    }
    if (auto failure = source.SaveTotal()) {
        win::terminal::WriteAll(Descriptor::StandardError, TotalsSaveFailureText(*failure) + "\n");
        return 1;
    }
    return 0;
}

}  // namespace quellan::console
