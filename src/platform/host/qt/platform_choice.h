#pragma once

#include <optional>
#include <string>

namespace win::host::desktop {

struct PlatformEnvironment {
    std::optional<std::string> qpaPlatform;     // QT_QPA_PLATFORM
    std::optional<std::string> waylandDisplay;  // WAYLAND_DISPLAY
    std::optional<std::string> x11Display;      // DISPLAY
};

// The platform plugin to force, if any: xcb when XWayland is there and the user chose nothing,
// because the mini window must be placed at a position and kept on top, which Wayland refuses.
std::optional<std::string> ForcedPlatform(const PlatformEnvironment& environment);

PlatformEnvironment CurrentPlatformEnvironment();
// Applies ForcedPlatform to this process's environment; call before the application object.
void PreferXcbUnderXWayland();

}  // namespace win::host::desktop
