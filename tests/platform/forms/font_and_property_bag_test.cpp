#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/forms/property_bag.h"
#include "platform/forms/std_font.h"
#include "platform/forms/std_picture.h"

namespace win::forms {
namespace {

TEST(StdFont, TellsEveryListenerWhichAttributeChangedAndOnlyOnRealChanges) {
    FontRef font = StdFont::Create("Arial", 8.25);
    std::vector<std::string> first;
    std::vector<std::string> second;
    auto a = font->Subscribe([&](std::string_view name) { first.emplace_back(name); });
    auto b = font->Subscribe([&](std::string_view name) { second.emplace_back(name); });
    font->SetBold(true);
    font->SetBold(true);
    font->SetSize(10.5);
    font->SetSize(-1);
    font->SetName("SimSun");
    font->SetCharset(GB2312_CHARSET);
    EXPECT_EQ(first, (std::vector<std::string>{"Bold", "Size", "Name", "Charset"}));
    EXPECT_EQ(second, first);
    EXPECT_EQ(font->Size(), 10.5);
}

TEST(StdFont, AGoneSubscriptionHearsNothingAndMayOutliveItsFont) {
    FontRef font = StdFont::Create();
    int calls = 0;
    {
        auto subscription = font->Subscribe([&](std::string_view) { ++calls; });
        font->SetItalic(true);
    }
    font->SetItalic(false);
    EXPECT_EQ(calls, 1);
    auto late = font->Subscribe([&](std::string_view) { ++calls; });
    font.reset();  // the subscription must not touch the dead font
}

TEST(StdFont, DescribesItselfAtNinetySixDotsPerInch) {
    FontRef font = StdFont::Create("Tahoma", 8.25);
    font->SetUnderline(true);
    LOGFONT description = font->ToLogFont();
    EXPECT_EQ(description.lfHeight, -11);
    EXPECT_EQ(description.lfWeight, FW_NORMAL);
    EXPECT_EQ(description.lfUnderline, 1);
    EXPECT_EQ(description.lfFaceName, "Tahoma");
    FontRef copy = font->Clone();
    EXPECT_TRUE(*copy == *font);
    copy->SetBold(true);
    EXPECT_FALSE(font->Bold());
}

// Sizes whose exact conversion ends in a half land on the even number, as every other
// conversion of ours does.
TEST(UnitConversion, HalvesRoundToEven) {
    struct PointCase {
        double points;
        LONG height;
    };
    // points * 96 / 72: 7.875 -> 10.5, 9.375 -> 12.5, 8.25 -> 11.
    for (const PointCase c : {PointCase{7.875, -10}, {9.375, -12}, {8.25, -11}, {9, -12}}) {
        SCOPED_TRACE(c.points);
        EXPECT_EQ(StdFont::Create("Tahoma", c.points)->ToLogFont().lfHeight, c.height);
    }
    struct PixelCase {
        int pixels;
        int himetric;
    };
    // pixels * 2540 / 96: 36 -> 952.5, 108 -> 2857.5, 37 -> 978.96.
    for (const PixelCase c :
         {PixelCase{36, 952}, {108, 2858}, {-36, -952}, {37, 979}, {96, 2540}, {0, 0}}) {
        SCOPED_TRACE(c.pixels);
        EXPECT_EQ(PixelsToHimetric(c.pixels), c.himetric);
    }
}

TEST(PropertyBag, LeavesOutValuesEqualToTheirDefaultAndKeepsWritingOrder) {
    PropertyBag bag;
    bag.WriteProperty("ButtonStyle", std::int32_t{8}, std::int32_t{1});
    bag.WriteProperty("Enabled", true, true);
    bag.WriteProperty("Caption", std::string("查看"), std::string("lumbutton1"));
    // A value of another type than its default is always written.
    bag.WriteProperty("CaptionEffects", std::int32_t{0}, std::string());
    EXPECT_EQ(bag.Names(), (std::vector<std::string>{"ButtonStyle", "Caption", "CaptionEffects"}));
    EXPECT_EQ(bag.ReadProperty("ButtonStyle", std::int32_t{1}), 8);
    EXPECT_EQ(bag.ReadProperty("Enabled", false), false);
    EXPECT_EQ(bag.ReadProperty("Caption", std::string("lumbutton")), "查看");
    EXPECT_EQ(bag.ReadProperty("Missing", std::string("lumbutton")), "lumbutton");
    // Writing the default again removes a stored value.
    bag.WriteProperty("ButtonStyle", std::int32_t{1}, std::int32_t{1});
    EXPECT_FALSE(bag.Contains("ButtonStyle"));
}

TEST(PropertyBag, NumbersConvertWhereTheyFitAndOtherKindsGiveTheDefault) {
    PropertyBag bag;
    bag.WriteProperty("Opacity", std::int32_t{200});
    bag.WriteProperty("Big", std::int32_t{70000});
    bag.WriteProperty("Text", std::string("12"));
    EXPECT_EQ(bag.ReadProperty("Opacity", std::uint8_t{255}), 200);
    EXPECT_EQ(bag.ReadProperty("Big", std::int16_t{7}), 7);
    EXPECT_EQ(bag.ReadProperty("Text", std::int32_t{3}), 3);
    EXPECT_EQ(bag.ReadProperty("Opacity", false), false);
}

TEST(PropertyBag, FontsCompareByTheirAttributes) {
    PropertyBag bag;
    FontRef ambient = StdFont::Create("Tahoma", 8.25);
    bag.WriteProperty("Font", ambient->Clone(), ambient);
    EXPECT_FALSE(bag.Contains("Font"));
    FontRef bold = ambient->Clone();
    bold->SetBold(true);
    bag.WriteProperty("Font", bold, ambient);
    ASSERT_TRUE(bag.Contains("Font"));
    EXPECT_TRUE(bag.ReadProperty<FontRef>("Font", ambient)->Bold());
}

}  // namespace
}  // namespace win::forms
