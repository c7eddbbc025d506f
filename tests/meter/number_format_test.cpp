#include "meter/number_format.h"

#include <clocale>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "meter/graph_sample.h"
#include "meter/numeric_separators.h"

namespace quellan {
namespace {

const NumericSeparators kChinese{".", ","};
const NumericSeparators kGerman{",", "."};
const NumericSeparators kFrench{",", "\u202f"};

TEST(NumberFormat, WholeKilobytesRoundsAndNeverGroups) {
    EXPECT_EQ(FormatNumber(123'456'789 / 1024.0, kWholeKilobytesPattern, kChinese), "120563 KB");
    EXPECT_EQ(FormatNumber(0.0, kWholeKilobytesPattern, kChinese), "0 KB");
    EXPECT_EQ(FormatNumber(0.4, kWholeKilobytesPattern, kChinese), "0 KB");
    EXPECT_EQ(FormatNumber(1.5, kWholeKilobytesPattern, kChinese), "2 KB");
    EXPECT_EQ(FormatNumber(2.5, kWholeKilobytesPattern, kChinese), "2 KB");  // half to even
    EXPECT_EQ(FormatNumber(1e17, kWholeKilobytesPattern, kChinese), "100000000000000000 KB");
    EXPECT_EQ(FormatNumber(-2097152.0, kWholeKilobytesPattern, kChinese), "-2097152 KB");
}

TEST(NumberFormat, GroupedRateHasGroupsOfThreeAndTwoDecimals) {
    EXPECT_EQ(FormatNumber(0.0, kGroupedRatePattern, kChinese), "0.00 Kb/S");
    EXPECT_EQ(FormatNumber(10.0, kGroupedRatePattern, kChinese), "10.00 Kb/S");
    EXPECT_EQ(FormatNumber(999.999, kGroupedRatePattern, kChinese), "1,000.00 Kb/S");
    EXPECT_EQ(FormatNumber(123456.5, kGroupedRatePattern, kChinese), "123,456.50 Kb/S");
    EXPECT_EQ(FormatNumber(1234567890123456.0, kGroupedRatePattern, kChinese),
              "1,234,567,890,123,456.00 Kb/S");
    EXPECT_EQ(FormatNumber(-1234.5, kGroupedRatePattern, kChinese), "-1,234.50 Kb/S");
    EXPECT_EQ(FormatNumber(-0.5, kGroupedRatePattern, kChinese), "-0.50 Kb/S");
}

TEST(NumberFormat, PerTickFormatsOfTheCurrentFigures) {
    EXPECT_EQ(FormatNumber(10240 / 1024.0, kKilobytesPerTickPattern, kChinese), "10.00 KBS ");
    EXPECT_EQ(FormatNumber(1024 / 1024.0, kKilobytesPerTickPattern, kChinese), "1.00 KBS ");
    EXPECT_EQ(FormatNumber(1234567.0, kKilobytesPerTickPattern, kChinese), "1234567.00 KBS ");
    EXPECT_EQ(FormatNumber(1023.0, kBytesPerTickPattern, kChinese), "1023 BS ");
    EXPECT_EQ(FormatNumber(-4096.0, kBytesPerTickPattern, kChinese), "-4096 BS ");
}

TEST(NumberFormat, ExactHalvesRoundToEvenAtTheLastDecimal) {
    // Differences over 1024 are exact binary fractions, so true halves do occur.
    EXPECT_EQ(FormatNumber(128 / 1024.0, kKilobytesPerTickPattern, kChinese), "0.12 KBS ");
    EXPECT_EQ(FormatNumber(384 / 1024.0, kKilobytesPerTickPattern, kChinese), "0.38 KBS ");
    EXPECT_EQ(FormatNumber(-128 / 1024.0, kKilobytesPerTickPattern, kChinese), "-0.12 KBS ");
}

TEST(NumberFormat, ValuesShownAsZeroCarryNoMinusSign) {
    EXPECT_EQ(FormatNumber(-0.001, kGroupedRatePattern, kChinese), "0.00 Kb/S");
    EXPECT_EQ(FormatNumber(-0.4, kWholeKilobytesPattern, kChinese), "0 KB");
    EXPECT_EQ(FormatNumber(-0.0, kBytesPerTickPattern, kChinese), "0 BS ");
}

TEST(NumberFormat, NonFiniteValuesShowAsZero) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), kGroupedRatePattern, kChinese),
              "0.00 Kb/S");
    EXPECT_EQ(
        FormatNumber(std::numeric_limits<double>::quiet_NaN(), kWholeKilobytesPattern, kChinese),
        "0 KB");
}

TEST(NumberFormat, LargestDoubleIsWrittenInFull) {
    std::string text =
        FormatNumber(std::numeric_limits<double>::max(), kGroupedRatePattern, kChinese);
    EXPECT_EQ(text.substr(0, 8), "179,769,");
    EXPECT_EQ(text.size(), 309 + 102 + 3 + 5u);  // digits, separators, decimals, suffix
}

TEST(NumberFormat, LocaleSeparatorsAreUsed) {
    EXPECT_EQ(FormatNumber(1234567.125, kGroupedRatePattern, kGerman), "1.234.567,12 Kb/S");
    EXPECT_EQ(FormatNumber(10.0, kKilobytesPerTickPattern, kGerman), "10,00 KBS ");
    EXPECT_EQ(FormatNumber(1234.0, kKilobytesPerTickPattern, kGerman), "1234,00 KBS ");
    EXPECT_EQ(FormatNumber(1234.5, kGroupedRatePattern, kFrench), "1\u202f234,50 Kb/S");
}

TEST(NumberFormat, ReadsBackWhatItWrote) {
    EXPECT_EQ(ReadFormattedNumber("1,234,567.50", kChinese), 1234567.5);
    EXPECT_EQ(ReadFormattedNumber("1.234.567,50", kGerman), 1234567.5);
    EXPECT_EQ(ReadFormattedNumber("1\u202f234,50", kFrench), 1234.5);
    EXPECT_EQ(ReadFormattedNumber("-0.50", kChinese), -0.5);
    EXPECT_FALSE(ReadFormattedNumber("", kChinese));
    EXPECT_FALSE(ReadFormattedNumber("12 KB", kChinese));
}

TEST(NumericSeparators, LocaleWithoutThousandsSeparatorGetsComma) {
    NumericSeparators c = SeparatorsFromLocaleTexts(".", "");
    EXPECT_EQ(c.decimalPoint, ".");
    EXPECT_EQ(c.thousandsSeparator, ",");
    NumericSeparators german = SeparatorsFromLocaleTexts(",", ".");
    EXPECT_EQ(german.decimalPoint, ",");
    EXPECT_EQ(german.thousandsSeparator, ".");
}

TEST(NumericSeparators, ReadFromInstalledLocales) {
    NumericSeparators c = NumericSeparatorsOfLocale("C");
    EXPECT_EQ(c.decimalPoint, ".");
    EXPECT_EQ(c.thousandsSeparator, ",");
    NumericSeparators unknown = NumericSeparatorsOfLocale("xx_NOWHERE.UTF-8");
    EXPECT_EQ(unknown.decimalPoint, ".");
    EXPECT_EQ(unknown.thousandsSeparator, ",");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");

    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    }
    std::setlocale(LC_NUMERIC, "C");
    NumericSeparators german = NumericSeparatorsOfLocale("de_DE.UTF-8");
    EXPECT_EQ(german.decimalPoint, ",");
    EXPECT_EQ(german.thousandsSeparator, ".");
    EXPECT_EQ(FormatNumber(1234.5, kGroupedRatePattern, german), "1.234,50 Kb/S");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}

TEST(NumericSeparators, UserSeparatorsLeaveTheProgramLocaleAlone) {
    std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const NumericSeparators& user = UserNumericSeparators();
    EXPECT_FALSE(user.decimalPoint.empty());
    EXPECT_FALSE(user.thousandsSeparator.empty());
    EXPECT_EQ(std::setlocale(LC_NUMERIC, nullptr), before);
}

TEST(GraphSample, FollowsTheShownTwoDecimals) {
    EXPECT_EQ(GraphSampleOfAverage(10240.0, kChinese), 15.0);
    EXPECT_EQ(GraphSampleOfAverage(0.0, kChinese), 5.0);
    EXPECT_EQ(GraphSampleOfAverage(-512.0, kChinese), 4.0);
    EXPECT_EQ(GraphSampleOfAverage(9.996 * 1024, kChinese), 15.0);  // shown as 10.00
    EXPECT_EQ(GraphSampleOfAverage(9.994 * 1024, kChinese), 14.0);
    EXPECT_EQ(GraphSampleOfAverage(-1.0, kChinese), 5.0);  // shown as 0.00
}

TEST(GraphSample, ThousandsAndCommaDecimalsReadBackWhole) {
    EXPECT_EQ(GraphSampleOfAverage(1234.75 * 1024, kChinese), 1239.0);
    EXPECT_EQ(GraphSampleOfAverage(1234.75 * 1024, kGerman), 1239.0);
    EXPECT_EQ(GraphSampleOfAverage(1234.75 * 1024, kFrench), 1239.0);
}

}  // namespace
}  // namespace quellan
