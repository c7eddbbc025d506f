#pragma once

// 64-bit additions and subtractions that report overflow instead of wrapping, so a failed
// step can leave its target unchanged.

#include <cstdint>
#include <optional>

namespace quellan::numeric {

inline std::optional<std::int64_t> CheckedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return std::nullopt;
    }
    return sum;
}

inline std::optional<std::int64_t> CheckedSubtract(std::int64_t a, std::int64_t b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) {
        return std::nullopt;
    }
    return difference;
}

inline std::optional<std::uint64_t> CheckedAdd(std::uint64_t a, std::uint64_t b) {
    std::uint64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return std::nullopt;
    }
    return sum;
}

// The signed change from an earlier unsigned counter reading to a later one.
inline std::optional<std::int64_t> CheckedDifference(std::uint64_t later, std::uint64_t earlier) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(later, earlier, &difference)) {
        return std::nullopt;
    }
    return difference;
}

}  // namespace quellan::numeric
