#pragma once

// The one rule for integer division: the quotient is truncated toward zero.

#include <cstdint>
#include <limits>
#include <optional>

namespace quellan::numeric {

// Division truncating toward zero; nothing for a zero divisor or the one quotient that overflows.
inline std::optional<std::int64_t> TruncatingDivide(std::int64_t dividend, std::int64_t divisor) {
    if (divisor == 0) {
        return std::nullopt;
    }
    if (dividend == std::numeric_limits<std::int64_t>::min() && divisor == -1) {
        return std::nullopt;
    }
    return dividend / divisor;
}

}  // namespace quellan::numeric
