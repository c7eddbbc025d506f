#pragma once

#include "platform/host/host.h"

namespace win {

// Binds the window manager to a desktop and installs the host's text engine. An earlier host is
// detached first. Everything of the window manager needs an attached host.
void AttachHost(host::Host& host);
// Destroys every window (with their messages), forgets timers, queues and the tray icon, and lets
// go of the host. Never call it from inside a window procedure.
void DetachHost();
// The attached host, for the desktop's services (clipboard, web view, theme, processes).
host::Host* GetHost();

}  // namespace win
