#pragma once

#include <string_view>
#include <vector>

namespace win::text {

struct DisplayCharacter {
    char32_t ch = 0;
    bool underlined = false;
};

enum class PrefixHandling {
    Underline,  // "&x" shows x underlined, "&&" one "&"
    Hide,       // as Underline, but nothing is underlined
    Literal,    // "&" is an ordinary character
};

// The characters as they are shown. A lone "&" at the end shows nothing.
std::vector<DisplayCharacter> ApplyPrefixes(std::u32string_view text, PrefixHandling handling);

}  // namespace win::text
