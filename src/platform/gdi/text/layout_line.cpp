#include "platform/gdi/text/layout_line.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace win::text {

std::u32string LayoutLine::Text() const {
    std::u32string text;
    text.reserve(characters.size());
    for (const LayoutCharacter& c : characters) {
        text.push_back(c.ch);
    }
    return text;
}

int SumOfAdvances(const std::vector<LayoutCharacter>& characters) {
    std::int64_t sum = 0;
    for (const LayoutCharacter& c : characters) {
        sum += c.advance;
    }
    return static_cast<int>(std::min<std::int64_t>(sum, std::numeric_limits<int>::max()));
}

}  // namespace win::text
