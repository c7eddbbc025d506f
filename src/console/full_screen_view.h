#pragma once

// The view on a terminal: drawn in place at every tick and key, in the alternate screen with the
// cursor hidden while it lives, the terminal's own screen given back when it ends.

#include <functional>

#include "console/console_figures.h"
#include "console/console_output.h"
#include "console/screen_layout.h"

namespace quellan::console {

class FullScreenView {
public:
    // `sizeNow` is asked at every frame, so the view follows a resized terminal.
    FullScreenView(ConsoleOutput output, std::function<ScreenSize()> sizeNow);
    ~FullScreenView();
    FullScreenView(const FullScreenView&) = delete;
    FullScreenView& operator=(const FullScreenView&) = delete;

    bool Show(const ConsoleFigures& figures);

private:
    ConsoleOutput output_;
    std::function<ScreenSize()> sizeNow_;
};

}  // namespace quellan::console
