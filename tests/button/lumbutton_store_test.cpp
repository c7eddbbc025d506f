#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "button_fixture.h"
#include "platform/forms/form.h"
#include "platform/gdi/png/png_image.h"

namespace quellan::testing {
namespace {

using win::forms::PictureRef;
using win::forms::PropertyBag;
using Names = std::vector<std::string>;

constexpr win::OLE_COLOR kButtonFace = 0x8000000F;
constexpr win::OLE_COLOR kButtonText = 0x80000012;
constexpr win::OLE_COLOR kInfoBackground = 0x80000018;

PictureRef SmallPicture() {
    win::png::PngImage image;
    image.width = 1;
    image.height = 1;
    image.pixels.assign(1, 0xFF102030u);
    return win::forms::StdPicture::FromImage(image, win::forms::PictureType::Bitmap);
}

class ButtonStore : public ButtonTest {
protected:
    lumbutton& button = form.cmdPush;
};

// Every property away from its default, set the way a form's code would.
void SetEveryProperty(lumbutton& button, const PictureRef& icon, const PictureRef& normal,
                      const PictureRef& hot, const PictureRef& down) {
    button.SetButtonStyle(StyleAmberHighlight);
    button.SetBackColor(0x00102030);  // custom scheme from here on
    button.SetColorScheme(ColorSchemeCustom);
    button.SetShowFocusRect(true);
    button.SetFont(win::forms::StdFont::Create("Arial", 11));
    button.SetCaption("查看 &Menu");
    button.SetForeColor(0x00405060);
    button.SetForeColorHover(0x00708090);
    button.SetMode(ModeCheck);
    button.SetValue(true);
    button.SetMouseIcon(icon);
    button.SetPictureNormal(normal);
    button.SetPictureHot(hot);
    button.SetPictureDown(down);
    button.SetPictureAlign(PictureBelowCaption);
    button.SetPictureEffectOnOver(EffectDarken);
    button.SetPictureEffectOnDown(EffectNone);
    button.SetPicturePushOnHover(true);
    button.SetPictureShadow(true);
    button.SetPictureOpacity(128);
    button.SetPictureOpacityOnOver(200);
    button.SetDisabledPictureMode(DisabledGreyscale);
    button.SetCaptionEffects(CaptionEffectOutline);
    button.SetUseMaskColor(false);
    button.SetMaskColor(0x00FF00FF);
    button.SetCaptionAlign(CaptionRight);
    button.SetToolTip("下载速率");
    button.SetToolTipType(TooltipBalloon);
    button.SetToolTipIcon(TooltipIconWarning);
    button.SetTooltipTitle("Quellan");
    button.SetTooltipBackColor(0x00E1FFFF);
    button.SetRightToLeft(true);
    button.SetDropDownSymbol(6);
    button.SetDropDownSeparator(true);
    button.SetEnabled(false);
}

TEST_F(ButtonStore, EveryPropertyIsWrittenInOrderUnderItsKeyAndReadBack) {
    const PictureRef icon = SmallPicture();
    const PictureRef normal = SmallPicture();
    const PictureRef hot = SmallPicture();
    const PictureRef down = SmallPicture();
    form.Show();
    SetEveryProperty(button, icon, normal, hot, down);
    form.SaveProperties();

    const PropertyBag& bag = form.PropertyStore("cmdPush");
    EXPECT_EQ(bag.Names(), (Names{"ButtonStyle",
                                  "ShowFocusRect",
                                  "Enabled",
                                  "Font",
                                  "BackColor",
                                  "Caption",
                                  "ForeColor",
                                  "ForeColorHover",
                                  "Mode",
                                  "Value",
                                  "MousePointer",
                                  "MouseIcon",
                                  "PictureNormal",
                                  "PictureHot",
                                  "PictureDown",
                                  "PictureAlign",
                                  "PictureEffectOnOver",
                                  "PictureEffectOnDown",
                                  "PicturePushOnHover",
                                  "PictureShadow",
                                  "PictureOpacity",
                                  "PictureOpacityOnOver",
                                  "DisabledPictureMode",
                                  "CaptionEffects",
                                  "UseMaskColor",
                                  "MaskColor",
                                  "CaptionAlign",
                                  "ToolTip",
                                  "TooltipType",
                                  "TooltipIcon",
                                  "TooltipTitle",
                                  "TooltipBackColor",
                                  "RightToLeft",
                                  "DropDownSymbol",
                                  "DropDownSeparator",
                                  "ColorScheme"}));
    // Stored with the types the keys are read with.
    EXPECT_EQ(std::get<std::int16_t>(*bag.Find("MousePointer")), 99);
    EXPECT_EQ(std::get<std::uint8_t>(*bag.Find("PictureOpacity")), 128);
    EXPECT_EQ(std::get<std::int32_t>(*bag.Find("CaptionEffects")), CaptionEffectOutline);

    form.Unload();
    form.Show();
    desktop.Pump();
    EXPECT_EQ(button.ButtonStyle(), StyleAmberHighlight);
    EXPECT_TRUE(button.ShowFocusRect());
    EXPECT_FALSE(button.Enabled());
    EXPECT_FALSE(win::IsWindowEnabled(button.hWnd()));
    ASSERT_TRUE(button.Font());
    EXPECT_EQ(button.Font()->Name(), "Arial");
    EXPECT_EQ(button.Font()->Size(), 11);
    EXPECT_EQ(button.BackColor(), 0x00102030u);
    EXPECT_EQ(button.Caption(), "查看 &Menu");
    EXPECT_EQ(button.AccessKeys(), "m");
    EXPECT_EQ(button.ForeColor(), 0x00405060u);
    EXPECT_EQ(button.ForeColorHover(), 0x00708090u);
    EXPECT_EQ(button.Mode(), ModeCheck);
    EXPECT_TRUE(button.Value());
    EXPECT_EQ(button.MousePointer(), 99);
    EXPECT_FALSE(button.HandPointer());
    EXPECT_EQ(button.MouseIcon(), icon);
    EXPECT_EQ(button.PictureNormal(), normal);
    EXPECT_EQ(button.PictureHot(), hot);
    EXPECT_EQ(button.PictureDown(), down);
    EXPECT_EQ(button.PictureAlign(), PictureBelowCaption);
    EXPECT_EQ(button.PictureEffectOnOver(), EffectDarken);
    EXPECT_EQ(button.PictureEffectOnDown(), EffectNone);
    EXPECT_TRUE(button.PicturePushOnHover());
    EXPECT_TRUE(button.PictureShadow());
    EXPECT_EQ(button.PictureOpacity(), 128);
    EXPECT_EQ(button.PictureOpacityOnOver(), 200);
    EXPECT_EQ(button.DisabledPictureMode(), DisabledGreyscale);
    EXPECT_EQ(button.CaptionEffects(), CaptionEffectOutline);
    EXPECT_FALSE(button.UseMaskColor());
    EXPECT_EQ(button.MaskColor(), 0x00FF00FFu);
    EXPECT_EQ(button.CaptionAlign(), CaptionRight);
    EXPECT_EQ(button.ToolTip(), "下载速率");
    EXPECT_EQ(button.ToolTipType(), TooltipBalloon);
    EXPECT_EQ(button.ToolTipIcon(), TooltipIconWarning);
    EXPECT_EQ(button.TooltipTitle(), "Quellan");
    EXPECT_EQ(button.TooltipBackColor(), 0x00E1FFFFu);
    EXPECT_TRUE(button.RightToLeft());
    EXPECT_EQ(button.DropDownSymbol(), 6);
    EXPECT_TRUE(button.DropDownSeparator());
    EXPECT_EQ(button.ColorScheme(), ColorSchemeCustom);
}

TEST_F(ButtonStore, DefaultsAreLeftOutExceptTheCaptionEffects) {
    form.PropertyStore("cmdPush");
    form.Show();
    // Read from an empty store: the reading defaults.
    EXPECT_EQ(button.ButtonStyle(), StyleFlat);
    EXPECT_FALSE(button.ShowFocusRect());
    EXPECT_TRUE(button.Enabled());
    EXPECT_EQ(button.BackColor(), kButtonFace);
    EXPECT_EQ(button.Caption(), "lumbutton");
    EXPECT_EQ(button.ForeColor(), kButtonText);
    EXPECT_EQ(button.ForeColorHover(), kButtonText);
    EXPECT_EQ(button.MousePointer(), 0);
    EXPECT_EQ(button.PictureAlign(), PictureLeftOfCaption);
    EXPECT_EQ(button.PictureEffectOnOver(), EffectBrighten);
    EXPECT_EQ(button.PictureEffectOnDown(), EffectDarken);
    EXPECT_EQ(button.PictureOpacity(), 255);
    EXPECT_EQ(button.PictureOpacityOnOver(), 255);
    EXPECT_TRUE(button.UseMaskColor());
    EXPECT_EQ(button.MaskColor(), 0xE0E0E0u);
    EXPECT_EQ(button.CaptionAlign(), CaptionCenter);
    EXPECT_EQ(button.TooltipBackColor(), kInfoBackground);
    ASSERT_TRUE(button.Font());
    EXPECT_EQ(*button.Font(), *form.Font());

    // Written back, only the caption (its writing default is another) and the caption
    // effects (whose written default is a text no number equals) are stored.
    form.SaveProperties();
    EXPECT_EQ(form.PropertyStore("cmdPush").Names(), (Names{"Caption", "CaptionEffects"}));
    button.SetCaption("lumbutton1");
    form.SaveProperties();
    EXPECT_EQ(form.PropertyStore("cmdPush").Names(), (Names{"CaptionEffects"}));
}

TEST_F(ButtonStore, StoredColoursAreUsedAsTheyAreWhateverTheStyle) {
    PropertyBag& bag = form.PropertyStore("cmdPush");
    bag.WriteProperty("ButtonStyle", std::int32_t{StyleOrangeGloss});
    bag.WriteProperty("BackColor", std::int32_t{0x00ABCDEF});
    bag.WriteProperty("ColorScheme", std::int32_t{ColorSchemeBlue});
    bag.WriteProperty("ForeColor", std::int32_t{0x00000080});
    form.Show();
    EXPECT_EQ(button.BackColor(), 0x00ABCDEFu);
    EXPECT_EQ(button.ForeColor(), 0x00000080u);
    EXPECT_EQ(button.ColorScheme(), ColorSchemeBlue);
}

TEST_F(ButtonStore, ARunningButtonSetUpAnewHasItsHookToo) {
    form.Show();
    desktop.Pump();
    EXPECT_TRUE(button.TrackLeaveAvailable());
    MoveTo(button, 5, 5);
    MoveAway();
    desktop.Pump();
    EXPECT_EQ(std::count(log.begin(), log.end(), "cmdPush MouseLeave"), 1);
    EXPECT_EQ(button.DrawState(), StateNormal);
}

TEST_F(ButtonStore, AtDesignTimeNoHookIsInstalled) {
    form.PropertyStore("cmdPush");
    form.SetDesignMode(true);
    form.Show();
    desktop.Pump();
    EXPECT_FALSE(button.UserMode());
    EXPECT_FALSE(button.TrackLeaveAvailable());
    MoveTo(button, 5, 5);
    MoveAway();
    desktop.Pump();
    EXPECT_EQ(std::count(log.begin(), log.end(), "cmdPush MouseLeave"), 0);
    form.Unload();
    form.SetDesignMode(false);

    form.Show();
    desktop.Pump();
    EXPECT_TRUE(button.TrackLeaveAvailable());
    TakeLog();
    MoveTo(button, 5, 5);
    MoveAway();
    desktop.Pump();
    EXPECT_EQ(std::count(log.begin(), log.end(), "cmdPush MouseLeave"), 1);
}

}  // namespace
}  // namespace quellan::testing
