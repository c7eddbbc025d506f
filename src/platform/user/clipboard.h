#pragma once

// The desktop's clipboard, as text.

#include <optional>
#include <string>
#include <string_view>

namespace win {

// The clipboard's text as UTF-8; nothing when it holds no text or no desktop is attached.
std::optional<std::string> GetClipboardText();
// False when no desktop is attached.
bool SetClipboardText(std::string_view utf8);

}  // namespace win
