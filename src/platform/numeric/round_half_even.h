#pragma once

// The one rule for turning a fractional value into an integer.

#include <cmath>
#include <cstdint>
#include <optional>

namespace quellan::numeric {

// Rounds to the nearest integer, halves to the even one. Values outside the 64-bit range and
// non-finite values have no integer and yield nothing.
inline std::optional<std::int64_t> RoundHalfEven(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    double lower = std::floor(value);
    double fraction = value - lower;  // exact: value and its floor are close
    bool lowerIsEven = std::fmod(lower, 2.0) == 0.0;
    bool roundUp = fraction > 0.5 || (fraction == 0.5 && !lowerIsEven);
    double rounded = roundUp ? lower + 1.0 : lower;
    // -2^63 is exact in a double; 2^63 is the first value above the range.
    constexpr double kLowest = -9223372036854775808.0;
    constexpr double kAboveHighest = 9223372036854775808.0;
    if (rounded < kLowest || rounded >= kAboveHighest) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(rounded);
}

}  // namespace quellan::numeric
