#pragma once

#include <string>
#include <string_view>

namespace win::text {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// Decodes UTF-8; every malformed or truncated sequence becomes one U+FFFD, so hostile bytes can
// never desynchronise the caller's character count.
std::u32string DecodeUtf8(std::string_view utf8);

void AppendUtf8(std::string& out, char32_t ch);
std::string EncodeUtf8(std::u32string_view text);

}  // namespace win::text
