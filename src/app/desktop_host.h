#pragma once

// The desktop face of the program, where this build has one.

#include <functional>

namespace quellan {

// Whether this build has the desktop host and the windows to show on it.
bool DesktopBuilt();

// Whether the desktop the environment names answers, so that the run can start there. Only when
// DesktopBuilt().
bool DesktopReachable();

// Runs the windows on the desktop until the program ends; the exit status. Only when
// DesktopBuilt(); argc and argv must outlive the run. `showRequested` as RunWindows takes it.
int RunOnDesktop(int& argc, char** argv, std::function<bool()> showRequested);

}  // namespace quellan
