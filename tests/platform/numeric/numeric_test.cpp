#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "platform/numeric/checked_arithmetic.h"
#include "platform/numeric/round_half_even.h"
#include "platform/numeric/truncating_division.h"

namespace quellan::numeric {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
}

TEST(RoundHalfEven, OtherFractionsGoToTheNearest) {
    EXPECT_EQ(RoundHalfEven(2.4999999999999996), 2);
    EXPECT_EQ(RoundHalfEven(2.5000000000000004), 3);
    EXPECT_EQ(RoundHalfEven(-0.7), -1);
    EXPECT_EQ(RoundHalfEven(-0.3), 0);
    EXPECT_EQ(RoundHalfEven(4503599627370497.0), 4503599627370497);  // 2^52 + 1, no fraction left
}

TEST(RoundHalfEven, NothingOutsideTheRangeOrForNonFiniteValues) {
    EXPECT_EQ(RoundHalfEven(-9223372036854775808.0), kMin);
    EXPECT_EQ(RoundHalfEven(9223372036854774784.0),
              9223372036854774784);  // largest double below 2^63
    EXPECT_FALSE(RoundHalfEven(9223372036854775808.0));
    EXPECT_FALSE(RoundHalfEven(-9223372036854777856.0));
    EXPECT_FALSE(RoundHalfEven(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(RoundHalfEven(-std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()));
}

TEST(TruncatingDivide, TruncatesTowardZeroInBothDirections) {
    EXPECT_EQ(TruncatingDivide(7, 2), 3);
    EXPECT_EQ(TruncatingDivide(-7, 2), -3);
    EXPECT_EQ(TruncatingDivide(7, -2), -3);
    EXPECT_EQ(TruncatingDivide(-7, -2), 3);
    EXPECT_EQ(TruncatingDivide(kMin, 1), kMin);
}

TEST(TruncatingDivide, ZeroDivisorAndTheOverflowingQuotientYieldNothing) {
    EXPECT_FALSE(TruncatingDivide(1, 0));
    EXPECT_FALSE(TruncatingDivide(kMin, -1));
}

TEST(CheckedArithmetic, SignedResultsAtTheEdgesOfTheRange) {
    EXPECT_EQ(CheckedAdd(kMax - 1, std::int64_t{1}), kMax);
    EXPECT_FALSE(CheckedAdd(kMax, std::int64_t{1}));
    EXPECT_FALSE(CheckedAdd(kMin, std::int64_t{-1}));
    EXPECT_EQ(CheckedSubtract(kMin + 1, 1), kMin);
    EXPECT_FALSE(CheckedSubtract(kMin, 1));
    EXPECT_FALSE(CheckedSubtract(0, kMin));
    EXPECT_EQ(CheckedSubtract(std::int64_t{2'000'000'000}, std::int64_t{-2'000'000'000}),
              4'000'000'000);
}

TEST(CheckedArithmetic, UnsignedSumsAndDifferences) {
    constexpr std::uint64_t kUnsignedMax = std::numeric_limits<std::uint64_t>::max();
    EXPECT_EQ(CheckedAdd(std::uint64_t{3'000'000'000}, std::uint64_t{3'000'000'000}),
              std::uint64_t{6'000'000'000});
    EXPECT_FALSE(CheckedAdd(kUnsignedMax, std::uint64_t{1}));
    EXPECT_EQ(CheckedDifference(1'010'240, 1'000'000), 10'240);
    EXPECT_EQ(CheckedDifference(1'000'000, 1'010'240), -10'240);
    EXPECT_EQ(CheckedDifference(static_cast<std::uint64_t>(kMax), 0), kMax);
    EXPECT_FALSE(CheckedDifference(static_cast<std::uint64_t>(kMax) + 1, 0));
    EXPECT_EQ(CheckedDifference(0, static_cast<std::uint64_t>(kMax) + 1), kMin);
    EXPECT_FALSE(CheckedDifference(0, kUnsignedMax));
}

}  // namespace
}  // namespace quellan::numeric
