#include <algorithm>

#include "platform/user/activation.h"
#include "platform/user/mouse_capture.h"
#include "platform/user/session.h"
#include "platform/user/user_internal.h"

namespace win::user {

// A window on its way out gives up the focus, the capture, the activation and its leave request
// while its procedure can still hear about it.
void ForgetInputOf(Session& session, Window& window) {
    const HWND handle = window.handle;
    const auto inTree = [&](HWND candidate) {
        return candidate && (candidate == handle || IsDescendant(session, candidate, handle));
    };
    if (inTree(session.input.focus)) {
        MoveFocus(session, nullptr);
    }
    if (inTree(session.input.capture)) {
        ReleaseCapture();
    }
    if (session.input.active == handle) {
        DeactivateActive(session, nullptr);
    }
    std::erase_if(session.input.leaveTracked, inTree);
    std::erase_if(session.input.hoverTracked,
                  [&](const InputState::HoverRequest& hover) { return inTree(hover.window); });
    if (inTree(session.input.mouseOver)) {
        session.input.mouseOver = nullptr;
    }
}

}  // namespace win::user
