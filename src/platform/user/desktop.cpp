#include "platform/user/desktop.h"

#include <memory>

#include "platform/gdi/text/text_engine.h"
#include "platform/user/session.h"
#include "platform/user/window_lifetime.h"

namespace win {

void AttachHost(host::Host& host) {
    DetachHost();
    user::SetCurrent(std::make_unique<user::Session>(host));
    text::SetCurrentTextEngine(host.GetTextEngine());
}

void DetachHost() {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return;
    }
    // Owned windows go with their owners; whatever is left goes by itself.
    while (!session->topLevels.empty()) {
        const HWND window = session->topLevels.front();
        if (!DestroyWindow(window)) {
            std::erase(session->topLevels, window);
        }
    }
    if (session->tray) {
        session->Host().RemoveTrayIcon();
    }
    user::SetCurrent(nullptr);
    text::SetCurrentTextEngine(nullptr);
}

host::Host* GetHost() {
    user::Session* session = user::Current();
    return session ? &session->Host() : nullptr;
}

}  // namespace win
