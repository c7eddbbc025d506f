#include "platform/gdi/text/line_breaker.h"

#include <cstdint>

#include "platform/gdi/text/character_class.h"

namespace win::text {
namespace {

int ResolvedAdvance(const LayoutCharacter& c, std::int64_t penX, const LineBreakRules& rules) {
    if (c.ch == U'\t' && rules.tabWidth > 0) {
        return rules.tabWidth - static_cast<int>(penX % rules.tabWidth);
    }
    return c.advance;
}

void DropTrailingBlanks(std::vector<LayoutCharacter>& characters) {
    while (!characters.empty() && IsBreakingBlank(characters.back().ch)) {
        characters.pop_back();
    }
}

std::size_t SkipBlanks(const std::vector<LayoutCharacter>& paragraph, std::size_t pos) {
    while (pos < paragraph.size() && IsBreakingBlank(paragraph[pos].ch)) {
        ++pos;
    }
    return pos;
}

}  // namespace

std::vector<LayoutLine> BreakParagraph(const std::vector<LayoutCharacter>& paragraph,
                                       const LineBreakRules& rules) {
    std::vector<LayoutLine> lines;
    if (paragraph.empty()) {
        lines.emplace_back();
        return lines;
    }
    std::size_t pos = 0;
    while (pos < paragraph.size()) {
        LayoutLine line;
        std::int64_t penX = 0;
        std::size_t next = pos;
        std::size_t lastBreak = pos;
        while (next < paragraph.size()) {
            const LayoutCharacter& c = paragraph[next];
            const int advance = ResolvedAdvance(c, penX, rules);
            const bool overflows = penX + advance > rules.width;
            if (rules.wordBreak && next > pos && overflows && !IsBreakingBlank(c.ch)) {
                break;
            }
            line.characters.push_back({c.ch, advance, c.underlined});
            penX += advance;
            ++next;
            if (next < paragraph.size() &&
                CanBreakBetween(paragraph[next - 1].ch, paragraph[next].ch, rules.wideBreaks)) {
                lastBreak = next;
            }
        }
        if (next < paragraph.size()) {
            if (lastBreak > pos) {
                line.characters.resize(lastBreak - pos);
                next = lastBreak;
            }
            DropTrailingBlanks(line.characters);
            next = SkipBlanks(paragraph, next);
        }
        line.width = SumOfAdvances(line.characters);
        lines.push_back(std::move(line));
        pos = next;
    }
    return lines;
}

}  // namespace win::text
