#include "platform/host/qt/double_click_detector.h"

#include <cstdlib>

namespace win::host::desktop {

MouseAction DoubleClickDetector::ClassifyPress(WindowId window, MouseButton button, Point screen,
                                               std::int64_t now) {
    const bool close = std::abs(screen.x - where_.x) <= maxDistance_ &&
                       std::abs(screen.y - where_.y) <= maxDistance_;
    if (armed_ && window == window_ && button == button_ && close && now - when_ <= interval_) {
        // A third press starts a new click, as on the desktop the design was written for.
        armed_ = false;
        return MouseAction::DoubleClick;
    }
    armed_ = true;
    window_ = window;
    button_ = button;
    where_ = screen;
    when_ = now;
    return MouseAction::Press;
}

}  // namespace win::host::desktop
