#pragma once

namespace win::text {

// Characters that take two Latin cells: CJK ideographs, kana, hangul, full-width forms.
bool IsWideCharacter(char32_t ch);

// Blanks at which a line may be broken; they hang past the right edge instead of wrapping.
bool IsBreakingBlank(char32_t ch);

// Format and combining characters that occupy no room of their own.
bool IsZeroWidthCharacter(char32_t ch);

// Whether a wrapped line may end between `before` and `after`. Blanks break; wide characters break
// on either side unless `wideBreaks` is off, except before closing and after opening punctuation.
bool CanBreakBetween(char32_t before, char32_t after, bool wideBreaks);

}  // namespace win::text
