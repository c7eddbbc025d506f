#pragma once

#include <vector>

#include "platform/gdi/text/layout_line.h"

namespace win::text {

struct LineBreakRules {
    bool wordBreak = false;  // wrap at `width`
    bool wideBreaks = true;  // wide characters may be separated
    int width = 0;
    int tabWidth = 0;  // 0: tabs keep the advance the font gave them
};

// Splits one paragraph (no line feeds) into lines. Wrapping breaks after blanks and between wide
// characters; a word longer than the line is cut after its last character that fits, and every
// line takes at least one character. Blanks at a wrap hang: they are dropped from the end of the
// line and from the start of the next.
std::vector<LayoutLine> BreakParagraph(const std::vector<LayoutCharacter>& paragraph,
                                       const LineBreakRules& rules);

}  // namespace win::text
