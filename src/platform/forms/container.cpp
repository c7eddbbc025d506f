#include "platform/forms/container.h"

#include <algorithm>
#include <utility>

#include "platform/forms/control.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/rect.h"

namespace win::forms {

void Container::Remove(Control* control) {
    std::erase(controls_, control);
    if (pressed_ == control) {
        pressed_ = nullptr;
    }
}

void Container::PaintWindowlessControls(HDC dc, const RECT& area) {
    for (Control* control : controls_) {
        if (!control->IsWindowless() || !control->geometry_.visible) {
            continue;
        }
        RECT rect = control->PixelRect();
        RECT overlap;
        if (IntersectRect(&overlap, &rect, &area)) {
            control->PaintWindowless(dc);
        }
    }
}

Control* Container::WindowlessAt(POINT point) const {
    // Later controls are drawn over earlier ones, so they are hit first.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        if ((*it)->IsWindowless() && (*it)->HitTest(point)) {
            return *it;
        }
    }
    return nullptr;
}

void Container::WindowlessMouseDown(POINT point) {
    pressed_ = WindowlessAt(point);
}

void Container::WindowlessMouseUp(POINT point) {
    Control* pressed = std::exchange(pressed_, nullptr);
    if (pressed && pressed == WindowlessAt(point) && pressed->geometry_.enabled) {
        pressed->OnWindowlessClick();
    }
}

}  // namespace win::forms
