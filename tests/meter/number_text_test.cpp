#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "meter/leading_number.h"
#include "meter/number_to_text.h"

namespace quellan {
namespace {

TEST(LeadingNumber, TextsWithoutANumberReadAsZero) {
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("KB"), 0.0);
    EXPECT_EQ(LeadingNumber("abc123"), 0.0);
    EXPECT_EQ(LeadingNumber("."), 0.0);
    EXPECT_EQ(LeadingNumber("-"), 0.0);
    EXPECT_EQ(LeadingNumber("--5"), 0.0);
    EXPECT_EQ(LeadingNumber("\r\n5"), 0.0);  // a carriage return ends the text's number
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    EXPECT_EQ(LeadingNumber("120563 KB"), 120563.0);
    EXPECT_EQ(LeadingNumber("1.5"), 1.5);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("5."), 5.0);
    EXPECT_EQ(LeadingNumber("-5"), -5.0);
    EXPECT_EQ(LeadingNumber("+5"), 5.0);
    EXPECT_EQ(LeadingNumber("1,234"), 1.0);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("50元"), 50.0);
    EXPECT_EQ(LeadingNumber("1000\r\n"), 1000.0);
}

TEST(LeadingNumber, BlanksTabsAndLineFeedsAreSkippedEverywhere) {
    EXPECT_EQ(LeadingNumber("12 34"), 1234.0);
    EXPECT_EQ(LeadingNumber("  \t\n 7"), 7.0);
    EXPECT_EQ(LeadingNumber("- 1 . 5"), -1.5);
    EXPECT_EQ(LeadingNumber("12\n34\r\n56"), 1234.0);
    EXPECT_EQ(LeadingNumber(" 1290"), 1290.0);
}

TEST(LeadingNumber, ExponentsOnlyWithDigits) {
    EXPECT_EQ(LeadingNumber("1e3"), 1000.0);
    EXPECT_EQ(LeadingNumber("1E+3"), 1000.0);
    EXPECT_EQ(LeadingNumber("25e-1"), 2.5);
    EXPECT_EQ(LeadingNumber("1e"), 1.0);
    EXPECT_EQ(LeadingNumber("1e+"), 1.0);
    EXPECT_EQ(LeadingNumber("2 e 2"), 200.0);
    EXPECT_EQ(LeadingNumber("3ex"), 3.0);
}

TEST(LeadingNumber, BeyondTheRangeOfADoubleReadsAsZero) {
    EXPECT_EQ(LeadingNumber("1e999"), 0.0);
    EXPECT_EQ(LeadingNumber("-1e999"), 0.0);
    EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
    EXPECT_EQ(LeadingNumber(std::string(400, '9')), 0.0);
    EXPECT_EQ(LeadingNumber("1e99999999999999999999"), 0.0);
    EXPECT_EQ(LeadingNumber(std::string(400, '9') + "e-300"), 1e100);
    EXPECT_EQ(LeadingNumber("0." + std::string(100'000, '0') + "1"), 0.0);
    EXPECT_EQ(LeadingNumber(std::string(300, '9')), 1e300);
}

TEST(LeadingNumber, NegativeZeroReadsAsZero) {
    EXPECT_FALSE(std::signbit(LeadingNumber("-0")));
}

TEST(NumberToText, PlainDecimalWithoutSeparators) {
    EXPECT_EQ(NumberToText(0.0), "0");
    EXPECT_EQ(NumberToText(-0.0), "0");
    EXPECT_EQ(NumberToText(1048576.0), "1048576");
    EXPECT_EQ(NumberToText(1.5), "1.5");
    EXPECT_EQ(NumberToText(-524.0), "-524");
    EXPECT_EQ(NumberToText(0.001), "0.001");
    EXPECT_EQ(NumberToText(1e20), "100000000000000000000");
    EXPECT_EQ(NumberToText(1.25e-7), "0.000000125");
}

TEST(NumberToText, FifteenSignificantDigits) {
    EXPECT_EQ(NumberToText(1024 * 0.1 + 50), "152.4");  // 152.40000000000001 in binary
    EXPECT_EQ(NumberToText(123456789012345.0), "123456789012345");
    EXPECT_EQ(NumberToText(1234567890123456.0), "1234567890123460");
    EXPECT_EQ(NumberToText(2.0 / 3.0), "0.666666666666667");
}

TEST(NumberToText, TheLargestDoublesReadBackInsteadOfOverflowingToZero) {
    const double largest = std::numeric_limits<double>::max();
    for (double value : {largest, -largest, std::nextafter(largest, 0.0), 1.7976931348623e308}) {
        const double read = LeadingNumber(NumberToText(value));
        EXPECT_NE(read, 0.0) << value;
        EXPECT_LE(std::fabs(read - value), std::fabs(value) * 1e-14) << value;
    }
    EXPECT_EQ(NumberToText(largest).substr(0, 15), "179769313486231");
}

TEST(NumberToText, NonFiniteValuesAreWrittenAsZero) {
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(NumberToText(-std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::quiet_NaN()), "0");
}

TEST(NumberToText, LeadingBlankOnlyBeforeNonNegativeNumbers) {
    EXPECT_EQ(NumberToTextWithLeadingBlank(1290.0), " 1290");
    EXPECT_EQ(NumberToTextWithLeadingBlank(0.0), " 0");
    EXPECT_EQ(NumberToTextWithLeadingBlank(-3.5), "-3.5");
}

TEST(NumberToText, ReadsBackThroughTheLeadingNumber) {
    for (double value : {0.1, 2290.0, 1e-5, 123456.789, -42.25, 9.87654321e15}) {
        EXPECT_EQ(NumberToText(LeadingNumber(NumberToText(value))), NumberToText(value)) << value;
    }
}

}  // namespace
}  // namespace quellan
