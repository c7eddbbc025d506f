#pragma once

// The program with its windows on a desktop: the tray menu window first (its load shows the mini
// window, whose first tick brings the hidden statistics window and the sampling with it, puts the
// icon in the tray and skins the buttons), then the message loop until the end.

#include <functional>

#include "platform/host/host.h"

namespace quellan {

// Attaches the window manager to `host` for the run. The loop ends with the program's end (the
// mini window's "X" has saved by then) or with the desktop session ending, which saves the same
// way first. Returns the exit status: 1 when that last save failed (the reason on standard
// error), else 0. `showRequested`, when given, is asked a few times a second whether a second
// start in this folder wants the program shown.
int RunWindows(win::host::Host& host, std::function<bool()> showRequested = {});

}  // namespace quellan
