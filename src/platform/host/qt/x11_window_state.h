#pragma once

#include <QWindow>
#include <string_view>

namespace win::host::desktop {

// Adds or removes one _NET_WM_STATE atom ("_NET_WM_STATE_SKIP_TASKBAR", ...) of a window:
// written into the property while the window is unmapped, asked of the window manager once it
// is mapped. Does nothing off X11; returns whether it was done.
bool SetNetWmState(QWindow& window, std::string_view stateAtom, bool on);

// Asks for a title bar with a close box only (no minimise, maximise or resize), through the
// Motif hints that window managers read when the window is mapped. Does nothing off X11.
bool SetCloseBoxOnly(QWindow& window);

}  // namespace win::host::desktop
