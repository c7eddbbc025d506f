#pragma once

// The value of a text is the number at its start: blanks, tabs and line feeds are skipped
// wherever they occur, then a sign, digits, a "." with digits and an exponent are read up to the
// first other character. The decimal point is "." in every locale.

#include <string_view>

namespace quellan {

// 0 when the text starts with no number, and also when the number is too large for a double:
// the result is always finite.
double LeadingNumber(std::string_view text);

}  // namespace quellan
