#include "meter/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace quellan {
namespace {

constexpr int kMaxDecimals = 20;

// Enough for the largest double in fixed notation: sign, 309 integer digits, point, decimals.
using FixedBuffer =
    std::array<char, std::numeric_limits<double>::max_exponent10 + 4 + kMaxDecimals>;

std::string_view ToFixed(double value, int decimals, FixedBuffer& buffer) {
    // to_chars rounds the exact binary value, ties to even.
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::fixed, decimals);
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

std::string GroupedInteger(std::string_view digits, const std::string& separator) {
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3 * separator.size());
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += separator;
        }
        grouped += digits[i];
    }
    return grouped;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return;
    }
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

}  // namespace

std::string FormatNumber(double value, const NumberPattern& pattern,
                         const NumericSeparators& separators) {
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    int decimals = std::clamp(pattern.decimals, 0, kMaxDecimals);
    FixedBuffer buffer;
    std::string_view fixed = ToFixed(value, decimals, buffer);

    bool negative = !fixed.empty() && fixed.front() == '-';
    if (negative) {
        fixed.remove_prefix(1);
    }
    bool showsOnlyZeros = fixed.find_first_not_of("0.") == std::string_view::npos;
    std::size_t point = fixed.find('.');
    std::string_view integerDigits = fixed.substr(0, point);
    std::string_view fractionDigits =
        point == std::string_view::npos ? std::string_view{} : fixed.substr(point + 1);

    std::string text;
    if (negative && !showsOnlyZeros) {
        text += '-';
    }
    text += pattern.groupThousands ? GroupedInteger(integerDigits, separators.thousandsSeparator)
                                   : std::string(integerDigits);
    if (!fractionDigits.empty()) {
        text += separators.decimalPoint;
        text += fractionDigits;
    }
    text += pattern.suffix;
    return text;
}

std::optional<double> ReadFormattedNumber(std::string_view text,
                                          const NumericSeparators& separators) {
    std::string plain(text);
    ReplaceAll(plain, separators.thousandsSeparator, "");
    ReplaceAll(plain, separators.decimalPoint, ".");
    double value = 0.0;
    const char* end = plain.data() + plain.size();
    auto result = std::from_chars(plain.data(), end, value, std::chars_format::fixed);
    if (result.ec != std::errc{} || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace quellan
