#include "platform/user/window.h"

#include "platform/user/surface.h"
#include "platform/user/window_styles.h"

namespace win::user {

Window::Window() = default;
Window::~Window() = default;

bool Window::IsChild() const {
    return (style & WS_CHILD) != 0;
}
bool Window::IsVisible() const {
    return (style & WS_VISIBLE) != 0;
}
bool Window::IsEnabled() const {
    return (style & WS_DISABLED) == 0;
}

}  // namespace win::user
