#pragma once

#include <cstdint>

#include "platform/host/host.h"

namespace win::host::desktop {

// Qt reports the second press of a double click as a press followed by a double-click event;
// our sink wants the double click instead of that press, so the host decides at the press.
class DoubleClickDetector {
public:
    DoubleClickDetector(std::int64_t intervalMilliseconds, int maxDistance)
        : interval_(intervalMilliseconds), maxDistance_(maxDistance) {}

    // What a press of `button` in `window` at `screen` at time `now` is: Press or DoubleClick.
    MouseAction ClassifyPress(WindowId window, MouseButton button, Point screen, std::int64_t now);

private:
    std::int64_t interval_;
    int maxDistance_;
    bool armed_ = false;
    WindowId window_ = WindowId::None;
    MouseButton button_ = MouseButton::None;
    Point where_;
    std::int64_t when_ = 0;
};

}  // namespace win::host::desktop
