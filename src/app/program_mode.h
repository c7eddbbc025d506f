#pragma once

// Which face the program shows: its windows on the desktop, or the console view.

#include "app/program_options.h"

namespace quellan {

enum class ProgramMode { Help, Desktop, Console };

struct DesktopFacts {
    // A display to connect to (DISPLAY or WAYLAND_DISPLAY set).
    bool displayAvailable = false;
    // This build has the desktop host and the windows it shows.
    bool desktopBuilt = false;
};

ProgramMode ChooseProgramMode(const ProgramOptions& options, const DesktopFacts& facts);

// Whether the environment names a display, from the two variables' values (null when unset).
bool NamesDisplay(const char* x11Display, const char* waylandDisplay);

}  // namespace quellan
