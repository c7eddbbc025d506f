#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "button/button_help.h"
#include "button_fixture.h"
#include "platform/forms/form.h"
#include "platform/forms/twips.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/png/png_image.h"
#include "platform/user/user.h"

namespace quellan::testing {
namespace {

using win::forms::PictureRef;
using win::forms::PictureType;
using win::forms::StdPicture;

PictureRef SmallPicture(PictureType type = PictureType::Bitmap) {
    win::png::PngImage image;
    image.width = 2;
    image.height = 2;
    image.pixels.assign(4, 0xFF336699u);
    return StdPicture::FromImage(image, type);
}

class ButtonModel : public ButtonTest {};

win::HFONT SelectedFont(const lumbutton& button) {
    return win::HFONT::FromValue(win::GetCurrentObject(button.SurfaceDC(), win::OBJ_FONT).Value());
}

TEST_F(ButtonModel, ANewInstanceIsSetUpAndFallsBackToTheRoundedStyleWithoutATheme) {
    form.Show();
    desktop.Pump();
    const lumbutton& button = form.cmdPush;
    ASSERT_FALSE(button.ThemeInUse());
    EXPECT_EQ(button.ButtonStyle(), StyleRoundedGradient);
    EXPECT_EQ(button.ColorScheme(), ColorSchemeBlue);
    EXPECT_EQ(button.BackColor(), 0xE7EBECu);
    EXPECT_FALSE(button.ShowFocusRect());
    EXPECT_EQ(button.Caption(), "cmdPush");
    ASSERT_TRUE(button.Font());
    EXPECT_EQ(button.Font()->Name(), "Tahoma");
    EXPECT_TRUE(button.Enabled());
    EXPECT_EQ(button.PictureOpacity(), 255);
    EXPECT_EQ(button.PictureOpacityOnOver(), 255);
    EXPECT_EQ(button.PictureAlign(), PictureLeftOfCaption);
    EXPECT_EQ(button.CaptionAlign(), CaptionCenter);
    EXPECT_TRUE(button.UseMaskColor());
    EXPECT_EQ(button.MaskColor(), 0xE0E0E0u);
    EXPECT_EQ(button.ForeColor(), 0x80000000u | win::COLOR_BTNTEXT);
    // Not named by the set-up: zero values.
    EXPECT_EQ(button.PictureEffectOnOver(), EffectNone);
    EXPECT_EQ(button.PictureEffectOnDown(), EffectNone);
    EXPECT_EQ(button.ForeColorHover(), 0u);
    EXPECT_EQ(button.TooltipBackColor(), 0u);
    EXPECT_EQ(button.Mode(), ModePush);
    // The brighten and darken tables were filled when it was created.
    EXPECT_EQ(button.BrightenTable()[255], 255);
    EXPECT_EQ(button.DarkenTable()[255], 217);
}

TEST_F(ButtonModel, BackColorMakesTheSchemeCustomExceptForTheToolbarStyle) {
    struct Case {
        std::int32_t style;
        std::int32_t schemeAfter;
    };
    const Case cases[] = {
        {StyleToolbarHighlight, ColorSchemeBlue},
        {StyleRoundedGradient, ColorSchemeCustom},
        {StyleStandard, ColorSchemeCustom},
        {StyleAmberHighlight, ColorSchemeCustom},
    };
    form.Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        form.cmdPush.SetButtonStyle(c.style);
        form.cmdPush.SetBackColor(0x00123456);
        EXPECT_EQ(form.cmdPush.ColorScheme(), c.schemeAfter);
        EXPECT_EQ(form.cmdPush.BackColor(), 0x00123456u);
    }
}

TEST_F(ButtonModel, TheStyleDecidesTheSchemeAndTheColours) {
    struct Case {
        std::int32_t schemeBefore;
        std::int32_t style;
        std::int32_t schemeAfter;
        win::OLE_COLOR backAfter;
        bool showFocusRect;
    };
    // Shifted colours by hand: 0xD4 + 0.06 * 255 = 227.3 -> 0xE3; for 0xBA9EA0 each channel
    // gains 38.25: A0 -> C6, 9E -> C4, BA -> E0.
    const Case cases[] = {
        {ColorSchemeOlive, StyleBlueGradient, ColorSchemeSilver, 0xE3E3E3, false},
        {ColorSchemeSilver, StyleAmberHighlight, ColorSchemeSilver, 0xE0C4C6, false},
        {ColorSchemeOlive, StyleAmberHighlight, ColorSchemeOlive, 0xBAD6D4, false},
        {ColorSchemeBlue, StyleWhiteGloss, ColorSchemeSilver, 0xE1D6D5, true},
        {ColorSchemeOlive, StyleOrangeGloss, ColorSchemeBlue, 0xFFD1AD, false},
        {ColorSchemeSilver, StyleSoftGloss, ColorSchemeBlue, 0xFFD1AD, false},
        {ColorSchemeCustom, StyleRoundedGradient, ColorSchemeBlue, 0xE7EBEC, false},
        {ColorSchemeSilver, StyleStandard, ColorSchemeBlue, 0xF0F0F0, true},
        {ColorSchemeSilver, StyleFlat, ColorSchemeBlue, 0xF0F0F0, true},
        {ColorSchemeOlive, StyleFlatHotEdge, ColorSchemeOlive, 0xF0F0F0, false},
        {ColorSchemeSilver, StyleFlatThinEdge, ColorSchemeSilver, 0xF0F0F0, false},
    };
    form.Show();
    lumbutton& button = form.cmdPush;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "style " << c.style << " scheme " << c.schemeBefore);
        button.SetButtonStyle(StyleFlatHotEdge);  // keeps whatever scheme it is given
        button.SetColorScheme(c.schemeBefore);
        button.SetShowFocusRect(!c.showFocusRect);
        button.SetButtonStyle(c.style);
        EXPECT_EQ(button.ColorScheme(), c.schemeAfter);
        EXPECT_EQ(button.BackColor(), c.backAfter);
        EXPECT_EQ(button.ShowFocusRect(), c.showFocusRect);
        EXPECT_EQ(button.ForeColor(), 0x80000000u | win::COLOR_BTNTEXT);
    }

    // A custom colour stays with a style whose scheme is its own.
    button.SetButtonStyle(StyleAmberHighlight);
    button.SetBackColor(0x00123456);
    button.SetButtonStyle(StyleAmberHighlight);
    EXPECT_EQ(button.ColorScheme(), ColorSchemeCustom);
    EXPECT_EQ(button.BackColor(), 0x00123456u);

    // The toolbar style pushes its picture on hover; leaving it does not undo that.
    button.SetPicturePushOnHover(false);
    button.SetButtonStyle(StyleToolbarHighlight);
    EXPECT_TRUE(button.PicturePushOnHover());
    button.SetButtonStyle(StyleFlat);
    EXPECT_TRUE(button.PicturePushOnHover());
}

TEST_F(ButtonModel, PictureSlotsFillInOrderAndClearTogether) {
    form.Show();
    lumbutton& button = form.cmdPush;
    const PictureRef first = SmallPicture();
    const PictureRef second = SmallPicture();
    const PictureRef third = SmallPicture();
    ASSERT_TRUE(first && second && third);

    struct Step {
        const char* what;
        void (lumbutton::*set)(PictureRef);
        PictureRef picture;
        PictureRef normal, hot, down;
    };
    const Step steps[] = {
        {"hot without a normal one becomes normal", &lumbutton::SetPictureHot, first, first,
         nullptr, nullptr},
        {"hot beside a normal one", &lumbutton::SetPictureHot, second, first, second, nullptr},
        {"down beside them", &lumbutton::SetPictureDown, third, first, second, third},
        {"a new normal one keeps the others", &lumbutton::SetPictureNormal, second, second, second,
         third},
        {"clearing the normal one clears all", &lumbutton::SetPictureNormal, nullptr, nullptr,
         nullptr, nullptr},
        {"down without a normal one becomes normal", &lumbutton::SetPictureDown, third, third,
         nullptr, nullptr},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        (button.*step.set)(step.picture);
        EXPECT_EQ(button.PictureNormal(), step.normal);
        EXPECT_EQ(button.PictureHot(), step.hot);
        EXPECT_EQ(button.PictureDown(), step.down);
    }
}

TEST_F(ButtonModel, MouseIconHandPointerAndMousePointer) {
    form.Show();
    desktop.Pump();
    lumbutton& button = form.cmdPush;
    button.SetHandPointer(true);
    EXPECT_TRUE(button.HandPointer());
    EXPECT_EQ(button.MousePointer(), 0);
    // The button sets the hand itself at every move over it.
    MoveTo(button, 10, 10);
    EXPECT_EQ(win::GetCursor(), win::LoadCursor(nullptr, win::IDC_HAND));

    button.SetMouseIcon(SmallPicture(PictureType::Icon));
    EXPECT_FALSE(button.HandPointer());
    EXPECT_EQ(button.MousePointer(), 99);
    button.SetMouseIcon(nullptr);
    EXPECT_EQ(button.MousePointer(), 0);

    button.SetMousePointer(win::forms::vbIbeam);
    MoveTo(button, 12, 10);
    EXPECT_EQ(win::GetCursor(), win::LoadCursor(nullptr, win::IDC_IBEAM));
    // Set again, the hand takes over from a standard pointer.
    button.SetHandPointer(true);
    EXPECT_EQ(button.MousePointer(), 0);
    MoveTo(button, 14, 10);
    EXPECT_EQ(win::GetCursor(), win::LoadCursor(nullptr, win::IDC_HAND));
}

TEST_F(ButtonModel, NoSideIsEverBelow220Twips) {
    struct Case {
        int width, height;
        int widthAfter, heightAfter;
    };
    const Case cases[] = {
        {100, 100, 220, 220}, {1575, 100, 1575, 220}, {100, 375, 220, 375},
        {220, 220, 220, 220}, {1575, 375, 1575, 375},
    };
    form.Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
        form.cmdPush.Move(150, 600, c.width, c.height);
        EXPECT_EQ(form.cmdPush.Width(), c.widthAfter);
        EXPECT_EQ(form.cmdPush.Height(), c.heightAfter);
        EXPECT_EQ(form.cmdPush.ScaleWidth(), win::forms::TwipsToPixels(c.widthAfter));
        EXPECT_EQ(form.cmdPush.ScaleHeight(), win::forms::TwipsToPixels(c.heightAfter));
    }
}

TEST_F(ButtonModel, CaptionsGiveTheirAccessKeys) {
    struct Case {
        const char* caption;
        const char* keys;
    };
    const Case cases[] = {
        {"Save &As", "a"}, {"Fish && &Chips", "c"},
        {"A&&B", ""},      {"&&A&&B&C", ""},
        {"&X", "x"},       {"&", ""},
        {"A&", ""},        {"", ""},
        {"plain", ""},     {"&&&Z", "z"},
        {"&&&", ""},       {"&查看", ""},
        {"查看&Q", "q"},
    };
    form.Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        form.cmdPush.SetCaption(c.caption);
        EXPECT_EQ(form.cmdPush.AccessKeys(), c.keys);
    }
}

TEST_F(ButtonModel, TheKeptFontReportsItsChangesToTheSurface) {
    form.Show();
    lumbutton& button = form.cmdPush;
    form.SaveProperties();
    ASSERT_FALSE(form.HasUnsavedProperties());
    button.Font()->SetBold(true);
    EXPECT_TRUE(form.HasUnsavedProperties());
    win::LOGFONT selected{};
    win::GetObject(SelectedFont(button), &selected);
    EXPECT_EQ(selected.lfWeight, win::FW_BOLD);

    // A font given later is the one listened to; the old one no longer is.
    const win::forms::FontRef old = button.Font();
    button.SetFont(win::forms::StdFont::Create("Arial", 12));
    form.SaveProperties();
    old->SetItalic(true);
    EXPECT_FALSE(form.HasUnsavedProperties());
    button.Font()->SetItalic(true);
    EXPECT_TRUE(form.HasUnsavedProperties());
    win::GetObject(SelectedFont(button), &selected);
    EXPECT_EQ(selected.lfFaceName, "Arial");
    EXPECT_TRUE(selected.lfItalic);
}

TEST_F(ButtonModel, TheDefaultButtonFlagFollowsTheForm) {
    form.Show();
    EXPECT_FALSE(form.cmdPush.DisplayAsDefault());
    form.cmdPush.Extender().SetDefault(true);
    EXPECT_TRUE(form.cmdPush.DisplayAsDefault());
    form.cmdPush.Extender().SetDefault(false);
    EXPECT_FALSE(form.cmdPush.DisplayAsDefault());
}

TEST_F(ButtonModel, OpenWebsiteHandsTheAddressToTheDesktopAsItIs) {
    form.Show();
    form.cmdPush.OpenWebsite("http://127.0.0.1/a b?c=1&d=\"x\"");
    ASSERT_EQ(desktop.Host().OpenedUrls().size(), 1u);
    EXPECT_EQ(desktop.Host().OpenedUrls()[0], "http://127.0.0.1/a b?c=1&d=\"x\"");
}

TEST_F(ButtonModel, AboutIsAModalBoxTitledAbout) {
    form.Show();
    desktop.Pump();
    win::HWND box;
    bool formEnabled = true;
    desktop.After(10, [&] {
        box = win::FindWindow("#32770", "About");
        formEnabled = win::IsWindowEnabled(form.hWnd());
        desktop.TapKey(win::VK_RETURN);
    });
    form.cmdPush.About();
    EXPECT_TRUE(box);
    EXPECT_FALSE(formEnabled);
    EXPECT_FALSE(win::IsWindow(box));
}

TEST_F(ButtonModel, SettingAPropertyLoadsTheFormFirstAndTheValueStays) {
    ASSERT_FALSE(form.IsLoaded());
    form.cmdPush.SetCaption("查看&Menu");
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_EQ(form.cmdPush.Caption(), "查看&Menu");
    EXPECT_EQ(form.cmdPush.AccessKeys(), "m");
}

// What the form hears from each setter: the names a form designer marks as changed, some of
// them spelt unlike their property.
TEST_F(ButtonModel, SettersNameWhatChangedToTheForm) {
    struct Case {
        const char* what;
        std::function<void(lumbutton&)> set;
        std::vector<std::string> notices;
    };
    const std::vector<Case> cases{
        {"caption", [](lumbutton& b) { b.SetCaption("&Go"); }, {"Caption"}},
        {"back colour", [](lumbutton& b) { b.SetBackColor(0x00FFD1AD); }, {"BackColor"}},
        {"tooltip colour", [](lumbutton& b) { b.SetTooltipBackColor(0xFF); }, {"TooltipBackcolor"}},
        {"tooltip icon", [](lumbutton& b) { b.SetToolTipIcon(TooltipIconInfo); }, {"TooltipIcon"}},
        {"tooltip type", [](lumbutton& b) { b.SetToolTipType(TooltipBalloon); }, {"ToolTipType"}},
        {"value of a push button", [](lumbutton& b) { b.SetValue(true); }, {}},
        {"mode", [](lumbutton& b) { b.SetMode(ModeCheck); }, {"Value", "Mode"}},
        {"value of a check button", [](lumbutton& b) { b.SetValue(false); }, {"Value"}},
        {"mouse icon",
         [](lumbutton& b) { b.SetMouseIcon(SmallPicture(PictureType::Icon)); },
         {"HandPointer", "MouseIcon"}},
        {"no mouse icon", [](lumbutton& b) { b.SetMouseIcon(nullptr); }, {"MouseIcon"}},
        {"hot picture first",
         [](lumbutton& b) { b.SetPictureHot(SmallPicture()); },
         {"PictureNormal"}},
    };
    form.cmdPush.SetCaption("x");
    for (const Case& c : cases) {
        form.SaveProperties();
        ASSERT_FALSE(form.HasUnsavedProperties());
        c.set(form.cmdPush);
        std::vector<std::string> expected;
        for (const std::string& notice : c.notices) {
            expected.push_back("cmdPush." + notice);
        }
        EXPECT_EQ(form.ChangedProperties(), expected) << c.what;
        EXPECT_EQ(form.HasUnsavedProperties(), !expected.empty()) << c.what;
    }
}

TEST_F(ButtonModel, HelpTextsAreListedForEveryPropertyMethodAndEvent) {
    EXPECT_EQ(ButtonPropertyHelp().size(), 38u);
    EXPECT_EQ(ButtonMethodHelp().size(), 4u);
    ASSERT_EQ(ButtonEventHelp().size(), 10u);
    for (const MemberHelp& help : ButtonPropertyHelp()) {
        EXPECT_FALSE(help.helpText.empty()) << help.name;
    }
    EXPECT_EQ(ButtonEventHelp()[2].name, "MouseEnter");
    EXPECT_EQ(ButtonEventHelp()[2].dispatchId, 1);
    EXPECT_EQ(ButtonEventHelp()[3].dispatchId, 2);
}

}  // namespace
}  // namespace quellan::testing
