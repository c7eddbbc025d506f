#pragma once

// The desktop face of the program, where this build has one.

namespace quellan {

// Whether this build has the desktop host and the windows to show on it.
bool DesktopBuilt();

// Runs the windows on the desktop until the program ends; the exit status. Only when
// DesktopBuilt(); argc and argv must outlive the run.
int RunOnDesktop(int& argc, char** argv);

}  // namespace quellan
