#include "platform/user/messaging.h"
#include "platform/user/user_internal.h"
#include "platform/user/window_coordinates.h"
#include "platform/user/window_messages.h"
#include "platform/user/window_styles.h"

// WM_PARENTNOTIFY goes up from a child through each parent, until a window that is no child or
// asked not to tell (WS_EX_NOPARENTNOTIFY).
namespace win::user {

namespace {

template <class Arguments>
void NotifyUpwards(Session& session, HWND child, Arguments arguments) {
    HWND current = child;
    for (;;) {
        const Window* window = session.Get(current);
        if (window == nullptr || !window->IsChild() || (window->exStyle & WS_EX_NOPARENTNOTIFY)) {
            return;
        }
        const HWND parent = window->parent;
        const auto [wParam, lParam] = arguments(*window, parent);
        SendMessage(parent, WM_PARENTNOTIFY, wParam, lParam);
        current = parent;
    }
}

}  // namespace

void NotifyParentsOfLifetime(Session& session, HWND child, UINT event) {
    NotifyUpwards(session, child, [event](const Window& window, HWND) {
        return std::pair{MAKEWPARAM(static_cast<int>(event), static_cast<int>(window.id)),
                         window.handle.Value()};
    });
}

void NotifyParentsOfPress(Session& session, HWND child, UINT buttonDown, POINT screen) {
    NotifyUpwards(session, child, [&session, buttonDown, screen](const Window&, HWND parent) {
        POINT at = screen;
        if (const Window* found = session.Get(parent)) {
            const POINT origin = ClientOrigin(session, *found);
            at = {screen.x - origin.x, screen.y - origin.y};
        }
        return std::pair{MAKEWPARAM(static_cast<int>(buttonDown), 0), MAKELPARAM(at.x, at.y)};
    });
}

}  // namespace win::user
