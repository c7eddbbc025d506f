#include "platform/host/qt/desktop_reachable.h"

#include <xcb/xcb.h>

#include <memory>

#include "platform/host/qt/platform_choice.h"

namespace win::host::desktop {
namespace {

bool IsSet(const std::optional<std::string>& value) {
    return value.has_value() && !value->empty();
}

bool XServerAnswers() {
    const std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> connection(
        xcb_connect(nullptr, nullptr), xcb_disconnect);
    return connection != nullptr && xcb_connection_has_error(connection.get()) == 0;
}

}  // namespace

bool DesktopReachable() {
    const PlatformEnvironment environment = CurrentPlatformEnvironment();
    if (IsSet(environment.qpaPlatform)) {
        return true;
    }
    // Only the xcb plugin is relied on: the mini window needs a position and a place on top,
    // which Wayland itself refuses; a Wayland session serves us through XWayland's DISPLAY.
    return IsSet(environment.x11Display) && XServerAnswers();
}

}  // namespace win::host::desktop
