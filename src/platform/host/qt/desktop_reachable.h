#pragma once

namespace win::host::desktop {

// Whether the host can put windows on a desktop from this environment: an X server answers on
// DISPLAY, or the user named a Qt platform plugin of their own choice. Qt ends the process when
// no platform starts, so the caller asks first and picks another face instead.
bool DesktopReachable();

}  // namespace win::host::desktop
