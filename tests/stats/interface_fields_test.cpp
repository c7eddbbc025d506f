#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "stats/adapter_address_text.h"
#include "stats/date_serial.h"
#include "stats/interface_text.h"

namespace quellan {
namespace {

std::string Address(std::vector<std::uint8_t> bytes) {
    return FormatAdapterAddress(bytes);
}

TEST(AdapterAddressText, HexWithoutLeadingZerosButZeroAsTwoDigits) {
    EXPECT_EQ(Address({0x00, 0x1A, 0x2B, 0x03, 0x0C, 0xFF}), "00-1A-2B-3-C-FF");
    EXPECT_EQ(Address({0x0A, 0x0B}), "A-B");
    EXPECT_EQ(Address({0, 0, 0, 0, 0, 0}), "00-00-00-00-00-00");
    EXPECT_EQ(Address({0x10}), "10");
    EXPECT_EQ(Address({}), "");
    EXPECT_EQ(Address({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), "1-2-3-4-5-6-7-8");
}

std::string Decode(std::vector<std::uint8_t> bytes) {
    return DecodeInterfaceText(bytes);
}

TEST(InterfaceText, EndsAtTheFirstNul) {
    EXPECT_EQ(Decode({'e', 't', 'h', 0, 'x'}), "eth");
    EXPECT_EQ(Decode({0, 'x'}), "");
}

TEST(InterfaceText, KeepsUtf8AndReplacesWhatIsNot) {
    const std::string chinese = "无线网卡";
    EXPECT_EQ(Decode(std::vector<std::uint8_t>(chinese.begin(), chinese.end())), chinese);
    // A lone continuation byte, a cut sequence, an overlong slash, a surrogate, a GBK pair.
    EXPECT_EQ(Decode({'a', 0x80, 'b'}), "a\uFFFDb");
    EXPECT_EQ(Decode({'a', 0xE7, 0xBD}), "a\uFFFD\uFFFD");
    EXPECT_EQ(Decode({0xC0, 0xAF}), "\uFFFD\uFFFD");
    EXPECT_EQ(Decode({0xED, 0xA0, 0x80}), "\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(Decode({0xCD, 0xF8}), "\uFFFD\uFFFD");
    EXPECT_EQ(Decode({0xF4, 0x90, 0x80, 0x80}), "\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(Decode({0xF0, 0x9F, 0x98, 0x80}), "\U0001F600");
}

TEST(DateSerial, CountsDaysFromTheEndOf1899) {
    EXPECT_EQ(DateSerial().Date(), (CalendarDate{1899, 12, 30}));
    EXPECT_EQ(DateSerial::FromSerial(1)->Date(), (CalendarDate{1899, 12, 31}));
    EXPECT_EQ(DateSerial::FromSerial(-1)->Date(), (CalendarDate{1899, 12, 29}));
    EXPECT_EQ(DateSerial::FromSerial(36526)->Date(), (CalendarDate{2000, 1, 1}));
}

TEST(DateSerial, RefusesDatesOutsideYears100To9999) {
    EXPECT_EQ(DateSerial::FromSerial(2958465)->Date(), (CalendarDate{9999, 12, 31}));
    EXPECT_EQ(DateSerial::FromSerial(-657434)->Date(), (CalendarDate{100, 1, 1}));
    EXPECT_FALSE(DateSerial::FromSerial(2958466).has_value());
    EXPECT_FALSE(DateSerial::FromSerial(-657435).has_value());
    EXPECT_FALSE(DateSerial::FromSerial(3'000'000).has_value());
    EXPECT_FALSE(DateSerial::FromSerial(std::numeric_limits<double>::quiet_NaN()).has_value());
}

}  // namespace
}  // namespace quellan
