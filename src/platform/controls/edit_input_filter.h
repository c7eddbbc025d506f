#pragma once

#include <string>
#include <string_view>

namespace win::controls {

// What a single-line edit accepts from outside: any bytes become valid code points (malformed
// UTF-8 turns into U+FFFD) and control characters are dropped. A paste stops at its first line
// break, as a single line can hold only one.
enum class LineBreaks { Drop, EndInput };

std::u32string FilterEditInput(std::string_view utf8, LineBreaks lineBreaks);

bool IsEditControlCharacter(char32_t ch);

}  // namespace win::controls
