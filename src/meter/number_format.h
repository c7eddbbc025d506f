#pragma once

// The display formats of the rate and total labels. Each pattern text is spelled out
// as what it produces: grouping, a fixed number of decimals and a literal suffix; at least one
// integer digit always. Values are rounded to the shown decimals half to even, and a value
// that rounds to zero shows no minus sign.

#include <optional>
#include <string>
#include <string_view>

#include "meter/numeric_separators.h"

namespace quellan {

struct NumberPattern {
    bool groupThousands = false;
    int decimals = 0;
    std::string_view suffix;
};

// "##############0 KB"
inline constexpr NumberPattern kWholeKilobytesPattern{false, 0, " KB"};
// "###,###,###,###,#0.#0 Kb/S"
inline constexpr NumberPattern kGroupedRatePattern{true, 2, " Kb/S"};
// "###,###,###,###,#0.#0", the graph sample's format
inline constexpr NumberPattern kGroupedTwoDecimalsPattern{true, 2, ""};
// "0.#0 KBS "
inline constexpr NumberPattern kKilobytesPerTickPattern{false, 2, " KBS "};
// "0 BS "
inline constexpr NumberPattern kBytesPerTickPattern{false, 0, " BS "};

// Non-finite values have no digits to show and are shown as 0.
std::string FormatNumber(double value, const NumberPattern& pattern,
                         const NumericSeparators& separators);

// Reads back a whole text written by FormatNumber without suffix: thousands separators are
// accepted, the decimal point is the locale's. Nothing for any other text.
std::optional<double> ReadFormattedNumber(std::string_view text,
                                          const NumericSeparators& separators);

}  // namespace quellan
