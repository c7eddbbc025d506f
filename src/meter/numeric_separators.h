#pragma once

// The decimal point and thousands separator the rate and total labels are shown with.

#include <string>

namespace quellan {

struct NumericSeparators {
    std::string decimalPoint = ".";
    std::string thousandsSeparator = ",";
};

// Applies the house rule to a locale's own texts: a locale naming no thousands separator (C,
// POSIX) gets ",", as the zh_CN locale the program is made for has.
NumericSeparators SeparatorsFromLocaleTexts(const char* decimalPoint,
                                            const char* thousandsSeparator);

// The separators of a named locale ("" names the user's LC_NUMERIC), leaving the program's own
// numeric locale as it was. A locale that does not exist gets the "C" conventions.
NumericSeparators NumericSeparatorsOfLocale(const char* localeName);

// The user's LC_NUMERIC separators, read once and then kept for the run.
const NumericSeparators& UserNumericSeparators();

}  // namespace quellan
