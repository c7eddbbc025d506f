#include "platform/host/qt/platform_choice.h"

#include <cstdlib>

namespace win::host::desktop {

namespace {

bool IsSet(const std::optional<std::string>& value) {
    return value.has_value() && !value->empty();
}

std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

}  // namespace

std::optional<std::string> ForcedPlatform(const PlatformEnvironment& environment) {
    if (IsSet(environment.qpaPlatform)) {
        return std::nullopt;
    }
    if (IsSet(environment.waylandDisplay) && IsSet(environment.x11Display)) {
        return "xcb";
    }
    return std::nullopt;
}

PlatformEnvironment CurrentPlatformEnvironment() {
    return {Variable("QT_QPA_PLATFORM"), Variable("WAYLAND_DISPLAY"), Variable("DISPLAY")};
}

void PreferXcbUnderXWayland() {
    if (const std::optional<std::string> forced = ForcedPlatform(CurrentPlatformEnvironment())) {
        setenv("QT_QPA_PLATFORM", forced->c_str(), 1);
    }
}

}  // namespace win::host::desktop
