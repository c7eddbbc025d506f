#pragma once

#include <Qt>

#include "platform/host/host.h"

namespace win::host::desktop {

// The Qt flags of a native window: frameless unless decorated, a decorated one with a close box
// only, popups bypass the window manager (placed exactly, never activated).
Qt::WindowFlags WindowFlagsFor(const WindowSpec& request);

}  // namespace win::host::desktop
