#include "meter/number_to_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace quellan {
namespace {

constexpr int kSignificantDigits = 15;
// The largest value whose 15 digits do not round up beyond the largest double: written any
// larger, the text would read back as out of range, that is as 0.
constexpr double kLargestWritable = 1.79769313486231e308;

struct DecimalDigits {
    bool negative = false;
    std::string digits;  // significant digits, no trailing zeros
    int exponent = 0;    // of the first digit: value = d.ddd × 10^exponent
};

DecimalDigits ToSignificantDigits(double value) {
    std::array<char, 32> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::scientific, kSignificantDigits - 1);
    std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));

    DecimalDigits decimal;
    if (text.front() == '-') {
        decimal.negative = true;
        text.remove_prefix(1);
    }
    std::size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            decimal.digits += c;
        }
    }
    std::string_view exponent = text.substr(e + 1);
    if (exponent.front() == '+') {
        exponent.remove_prefix(1);
    }
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), decimal.exponent);
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    return decimal;
}

std::string PlainDecimal(const DecimalDigits& decimal) {
    std::string text = decimal.negative ? "-" : "";
    const std::string& digits = decimal.digits;
    if (decimal.exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-decimal.exponent - 1), '0');
        text += digits;
        return text;
    }
    auto integerLength = static_cast<std::size_t>(decimal.exponent) + 1;
    if (digits.size() <= integerLength) {
        text += digits;
        text.append(integerLength - digits.size(), '0');
        return text;
    }
    text += digits.substr(0, integerLength);
    text += '.';
    text += digits.substr(integerLength);
    return text;
}

}  // namespace

std::string NumberToText(double value) {
    if (!std::isfinite(value) || value == 0.0) {
        return "0";
    }
    return PlainDecimal(
        ToSignificantDigits(std::clamp(value, -kLargestWritable, kLargestWritable)));
}

std::string NumberToTextWithLeadingBlank(double value) {
    std::string text = NumberToText(value);
    return text.front() == '-' ? text : " " + text;
}

}  // namespace quellan
