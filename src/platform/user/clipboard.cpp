#include "platform/user/clipboard.h"

#include "platform/user/session.h"

namespace win {

std::optional<std::string> GetClipboardText() {
    user::Session* session = user::Current();
    return session ? session->Host().ClipboardText() : std::nullopt;
}

bool SetClipboardText(std::string_view utf8) {
    user::Session* session = user::Current();
    if (session == nullptr) {
        return false;
    }
    session->Host().SetClipboardText(utf8);
    return true;
}

}  // namespace win
