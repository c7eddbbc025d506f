#pragma once

#include <QWindow>
#include <string_view>

namespace win::host::desktop {

// Adds or removes one _NET_WM_STATE atom ("_NET_WM_STATE_SKIP_TASKBAR", ...) of a window:
// written into the property while the window is unmapped, asked of the window manager once it
// is mapped. Does nothing off X11; returns whether it was done.
bool SetNetWmState(QWindow& window, std::string_view stateAtom, bool on);

}  // namespace win::host::desktop
