#pragma once

#include <string>
#include <vector>

namespace win::text {

struct LayoutCharacter {
    char32_t ch = 0;
    int advance = 0;
    bool underlined = false;
};

// One line as it is drawn: its characters with resolved advances, its width, and the pen
// position of its top-left corner.
struct LayoutLine {
    std::vector<LayoutCharacter> characters;
    int width = 0;
    int x = 0;
    int y = 0;

    std::u32string Text() const;
};

int SumOfAdvances(const std::vector<LayoutCharacter>& characters);

}  // namespace win::text
