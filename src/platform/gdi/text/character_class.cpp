#include "platform/gdi/text/character_class.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace win::text {
namespace {

using Range = std::pair<char32_t, char32_t>;

constexpr std::array kWideRanges = {
    Range{0x1100, 0x115F},   Range{0x2E80, 0x303E},  Range{0x3041, 0x33FF}, Range{0x3400, 0x4DBF},
    Range{0x4E00, 0x9FFF},   Range{0xA000, 0xA4CF},  Range{0xAC00, 0xD7A3}, Range{0xF900, 0xFAFF},
    Range{0xFE30, 0xFE4F},   Range{0xFF00, 0xFF60},  Range{0xFFE0, 0xFFE6}, Range{0x1F300, 0x1F64F},
    Range{0x20000, 0x2FFFD}, Range{0x30000, 0x3FFFD}};

constexpr std::array kZeroWidthRanges = {Range{0x0300, 0x036F}, Range{0x200B, 0x200F},
                                         Range{0x2060, 0x2064}, Range{0xFE00, 0xFE0F},
                                         Range{0xFEFF, 0xFEFF}};

// No line may start with these...
constexpr std::u32string_view kClosingPunctuation =
    U"，。、；：？！）》」』】〕〉”’・ー…,.;:?!)]}%";
// ...and none may end with these.
constexpr std::u32string_view kOpeningPunctuation = U"（《「『【〔〈“‘([{";

template <std::size_t N>
bool InRanges(const std::array<Range, N>& ranges, char32_t ch) {
    return std::any_of(ranges.begin(), ranges.end(),
                       [ch](const Range& r) { return ch >= r.first && ch <= r.second; });
}

}  // namespace

bool IsWideCharacter(char32_t ch) {
    return InRanges(kWideRanges, ch);
}

bool IsBreakingBlank(char32_t ch) {
    return ch == U' ' || ch == U'\t' || ch == 0x3000;
}

bool IsZeroWidthCharacter(char32_t ch) {
    return InRanges(kZeroWidthRanges, ch);
}

bool CanBreakBetween(char32_t before, char32_t after, bool wideBreaks) {
    if (IsBreakingBlank(after)) {
        return false;
    }
    if (IsBreakingBlank(before)) {
        return true;
    }
    if (!wideBreaks || !(IsWideCharacter(before) || IsWideCharacter(after))) {
        return false;
    }
    return kClosingPunctuation.find(after) == std::u32string_view::npos &&
           kOpeningPunctuation.find(before) == std::u32string_view::npos;
}

}  // namespace win::text
