#include "platform/forms/user_control.h"

#include <cctype>
#include <optional>

#include "platform/forms/form.h"
#include "platform/user/user.h"

namespace win::forms {

const std::string& UserControl::AccessKeys() const {
    Touch();
    return surface_.accessKeys;
}

void UserControl::SetAccessKeys(std::string keys) {
    Touch();
    surface_.accessKeys = std::move(keys);
}

namespace {

// The access key as the control listed it, for a key pressed with Alt (letters in any case).
std::optional<char> ListedAccessKey(std::string_view keys, char pressed) {
    const auto upper = [](char c) { return std::toupper(static_cast<unsigned char>(c)); };
    for (char key : keys) {
        if (upper(key) == upper(pressed)) {
            return key;
        }
    }
    return std::nullopt;
}

}  // namespace

bool UserControl::MatchesAccessKey(char key) const {
    return ListedAccessKey(surface_.accessKeys, key).has_value();
}

void UserControl::OnAccessKey(char key) {
    const std::optional<char> listed = ListedAccessKey(surface_.accessKeys, key);
    if (!listed) {
        return;
    }
    if (CanTakeFocus()) {
        win::SetFocus(window_);
    }
    RaiseAccessKeyPress(static_cast<unsigned char>(*listed));
}

void UserControl::OnDefaultKey(char key) {
    if (geometry_.enabled && geometry_.visible) {
        RaiseAccessKeyPress(key);
    }
}

void UserControl::RaiseAccessKeyPress(int keyAscii) {
    if (sited_) {
        RaiseEvent([this, keyAscii] { UserControl_AccessKeyPress(keyAscii); });
    }
}

}  // namespace win::forms
