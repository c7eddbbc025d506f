#pragma once

// A value as plain decimal text: up to 15 significant digits, no exponent, no thousands
// separator, no decimal point for whole values, and "." as the decimal point in every locale so
// that the leading-number reading reads back exactly what was written.

#include <string>

namespace quellan {

// Non-finite values are written as 0: nothing non-finite ever reaches a text or a file.
std::string NumberToText(double value);

// The same with one blank before a number that is not negative.
std::string NumberToTextWithLeadingBlank(double value);

}  // namespace quellan
