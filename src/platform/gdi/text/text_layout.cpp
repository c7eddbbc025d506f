#include "platform/gdi/text/text_layout.h"

#include <algorithm>
#include <limits>
#include <string>

#include "platform/gdi/text/draw_text_flags.h"
#include "platform/gdi/text/end_ellipsis.h"
#include "platform/gdi/text/line_breaker.h"
#include "platform/gdi/text/prefix_text.h"
#include "platform/gdi/text/utf8.h"

namespace win::text {
namespace {

constexpr int kTabStopInAverageCharacters = 8;

bool Has(unsigned int format, unsigned int flag) {
    return (format & flag) != 0;
}

int ClampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

PrefixHandling PrefixHandlingOf(unsigned int format) {
    if (Has(format, DT_NOPREFIX)) {
        return PrefixHandling::Literal;
    }
    return Has(format, DT_HIDEPREFIX) ? PrefixHandling::Hide : PrefixHandling::Underline;
}

std::vector<LayoutCharacter> Measure(const std::vector<DisplayCharacter>& shown,
                                     const MatchedFont& font) {
    std::string utf8;
    utf8.reserve(shown.size());
    for (const DisplayCharacter& c : shown) {
        AppendUtf8(utf8, c.ch);
    }
    std::vector<int> advances;
    font.Advances(utf8, advances);
    advances.resize(shown.size(), 0);  // an engine that miscounts must not misalign the rest
    std::vector<LayoutCharacter> measured;
    measured.reserve(shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        measured.push_back({shown[i].ch, std::max(0, advances[i]), shown[i].underlined});
    }
    return measured;
}

int AdvanceOfDot(const MatchedFont& font) {
    std::vector<int> advances;
    font.Advances(".", advances);
    return advances.empty() ? 0 : std::max(0, advances.front());
}

std::vector<std::vector<LayoutCharacter>> SplitParagraphs(
    const std::vector<LayoutCharacter>& characters) {
    std::vector<std::vector<LayoutCharacter>> paragraphs(1);
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const char32_t ch = characters[i].ch;
        if (ch != U'\r' && ch != U'\n') {
            paragraphs.back().push_back(characters[i]);
            continue;
        }
        if (ch == U'\r' && i + 1 < characters.size() && characters[i + 1].ch == U'\n') {
            ++i;
        }
        if (i + 1 < characters.size()) {
            paragraphs.emplace_back();
        }
    }
    return paragraphs;
}

unsigned int HorizontalAlignment(unsigned int format) {
    const unsigned int align = format & (DT_CENTER | DT_RIGHT);
    if (!Has(format, DT_RTLREADING) || Has(align, DT_CENTER)) {
        return align;
    }
    // Right-to-left reading starts at the right edge, so the sides swap.
    return align == DT_RIGHT ? DT_LEFT : DT_RIGHT;
}

void PlaceLines(TextLayout& layout, const LayoutBox& box, unsigned int format) {
    std::int64_t y = box.top;
    if (Has(format, DT_SINGLELINE)) {
        if (Has(format, DT_VCENTER)) {
            y = box.top + (box.Height() - layout.height) / 2;
        } else if (Has(format, DT_BOTTOM)) {
            y = std::int64_t{box.bottom} - layout.height;
        }
    }
    const bool measuredFromTop =
        !Has(format, DT_SINGLELINE) || !Has(format, DT_VCENTER | DT_BOTTOM);
    layout.drawnHeight = measuredFromTop ? layout.height : ClampToInt(y - box.top + layout.height);

    const unsigned int align = HorizontalAlignment(format);
    for (LayoutLine& line : layout.lines) {
        std::int64_t x = box.left;
        if (align == DT_CENTER) {
            x = box.left + (box.Width() - line.width) / 2;
        } else if (align == DT_RIGHT) {
            x = std::int64_t{box.right} - line.width;
        }
        line.x = ClampToInt(x);
        line.y = ClampToInt(y);
        y += layout.lineHeight;
    }
}

}  // namespace

TextLayout LayoutText(std::u32string_view text, const LayoutBox& box, unsigned int format,
                      const MatchedFont& font) {
    TextLayout layout;
    layout.metrics = font.Metrics();
    layout.lineHeight = std::max(0, layout.metrics.height);
    if (Has(format, DT_EXTERNALLEADING)) {
        layout.lineHeight += std::max(0, layout.metrics.externalLeading);
    }
    if (text.empty()) {
        return layout;
    }

    const std::vector<LayoutCharacter> measured =
        Measure(ApplyPrefixes(text, PrefixHandlingOf(format)), font);
    const bool singleLine = Has(format, DT_SINGLELINE);
    LineBreakRules rules;
    rules.wordBreak = Has(format, DT_WORDBREAK) && !singleLine;
    rules.wideBreaks = !Has(format, DT_NOFULLWIDTHCHARBREAK);
    rules.width = ClampToInt(box.Width());
    if (Has(format, DT_EXPANDTABS)) {
        rules.tabWidth = std::max(1, kTabStopInAverageCharacters * layout.metrics.averageCharWidth);
    }

    const auto paragraphs = singleLine ? std::vector<std::vector<LayoutCharacter>>{measured}
                                       : SplitParagraphs(measured);
    const bool ellipsis = Has(format, DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS);
    const int dotAdvance = ellipsis ? AdvanceOfDot(font) : 0;
    for (const auto& paragraph : paragraphs) {
        for (LayoutLine& line : BreakParagraph(paragraph, rules)) {
            if (ellipsis) {
                ApplyEndEllipsis(line, rules.width, dotAdvance);
            }
            layout.width = std::max(layout.width, line.width);
            layout.lines.push_back(std::move(line));
        }
    }
    layout.height = ClampToInt(static_cast<std::int64_t>(layout.lines.size()) * layout.lineHeight);
    PlaceLines(layout, box, format);
    return layout;
}

}  // namespace win::text
