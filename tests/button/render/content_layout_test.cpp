#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "button/render/button_content.h"
#include "button/render/caption_drawing.h"
#include "platform/forms/std_picture.h"
#include "render_test_support.h"
#include "stand_in_button.h"

namespace quellan::testing {
namespace {

constexpr int kW = 105;
constexpr int kH = 25;
constexpr int kPic = 16;

win::forms::PictureRef SolidPicture(int w, int h, std::uint32_t pixel) {
    win::png::PngImage image{w, h, 24,
                             std::vector<std::uint32_t>(static_cast<std::size_t>(w * h), pixel)};
    return win::forms::StdPicture::FromImage(image, win::forms::PictureType::Bitmap);
}

win::SIZE Measured(StandInButton& button, const std::string& text, int width) {
    win::RECT box{0, 0, width, kH};
    win::DrawText(button.SurfaceDC(), text, -1, &box, win::DT_CALCRECT | win::DT_WORDBREAK);
    return {box.right, box.bottom};
}

struct PlacementCase {
    std::int32_t align;
    bool separator;
    // Expected picture left and top from the caption rectangle the pass laid out.
    int (*left)(const win::RECT& caption);
    int (*top)(const win::RECT& caption);
};

TEST(ContentLayout, PictureFollowsEveryAlignmentAroundACentredCaption) {
    const PlacementCase cases[] = {
        {PictureLeftEdge, false, [](const win::RECT&) { return 3; },
         [](const win::RECT&) { return (kH - kPic) / 2; }},
        {PictureLeftOfCaption, false, [](const win::RECT& c) { return c.left - kPic - 4; },
         [](const win::RECT&) { return (kH - kPic) / 2; }},
        {PictureRightEdge, false, [](const win::RECT&) { return kW - kPic - 3; },
         [](const win::RECT&) { return (kH - kPic) / 2; }},
        {PictureRightEdge, true, [](const win::RECT&) { return kW - kPic - 3 - 16; },
         [](const win::RECT&) { return (kH - kPic) / 2; }},
        {PictureRightOfCaption, false, [](const win::RECT& c) { return c.right + 4; },
         [](const win::RECT&) { return (kH - kPic) / 2; }},
        {PictureBackground, false, [](const win::RECT&) { return (kW - kPic) / 2; },
         [](const win::RECT&) { return (kH - kPic) / 2; }},
        {PictureBackground, true, [](const win::RECT&) { return (kW - kPic) / 2 - 8; },
         [](const win::RECT&) { return (kH - kPic) / 2; }},
        {PictureTopEdge, false, [](const win::RECT&) { return (kW - kPic) / 2; },
         [](const win::RECT&) { return 4; }},
        {PictureTopEdge, true, [](const win::RECT&) { return (kW - kPic) / 2 - 8; },
         [](const win::RECT&) { return 4; }},
        {PictureAboveCaption, false, [](const win::RECT&) { return (kW - kPic) / 2; },
         [](const win::RECT& c) { return c.top - kPic - 2; }},
        {PictureBottomEdge, false, [](const win::RECT&) { return (kW - kPic) / 2; },
         [](const win::RECT&) { return kH - kPic - 4; }},
        {PictureBelowCaption, true, [](const win::RECT&) { return (kW - kPic) / 2 - 8; },
         [](const win::RECT& c) { return c.bottom + 2; }},
    };
    for (const PlacementCase& c : cases) {
        StandInButton button(kW, kH);
        button.caption = "OK";
        button.pictureNormal = SolidPicture(kPic, kPic, 0x00FF00);
        button.pictureAlign = c.align;
        button.dropDownSeparator = c.separator;
        button.ClearSurface();
        const ContentLayout layout = DrawButtonContent(button, StateNormal);
        const win::RECT expected{c.left(layout.caption), c.top(layout.caption),
                                 c.left(layout.caption) + kPic, c.top(layout.caption) + kPic};
        EXPECT_EQ(layout.pictureRect, expected)
            << c.align << (c.separator ? " with separator" : "");
        // The picture shows where it is on the surface and clear of the caption.
        const int x = expected.left + 1;
        const int y = expected.bottom - 2;
        const win::POINT probe{x, y};
        if (y >= 0 && y < kH && !win::PtInRect(&layout.caption, probe)) {
            EXPECT_EQ(button.Pixel(x, y), 0x00FF00u) << c.align;
        }
    }
}

TEST(ContentLayout, CentredCaptionMakesRoomByAlignment) {
    const struct {
        std::int32_t align;
        int dx;  // beyond the plain centring by (W - tw + pw) div 2
        int dy;  // beyond (H - th) div 2
    } cases[] = {
        {PictureLeftOfCaption, 0, 0},
        {PictureLeftEdge, 0, 0},
        {PictureRightOfCaption, -12, 0},
        {PictureBackground, -16, 0},
        {PictureTopEdge, -kPic / 2, kPic / 2},
        {PictureAboveCaption, -kPic / 2, kPic / 2},
        {PictureBottomEdge, -kPic / 2, -kPic / 2},
        {PictureBelowCaption, -kPic / 2, -kPic / 2},
    };
    for (const auto& c : cases) {
        StandInButton button(kW, kH);
        button.caption = "OK";
        button.pictureNormal = SolidPicture(kPic, kPic, 0);
        button.pictureAlign = c.align;
        const win::SIZE text = Measured(button, "OK", kW - 8);
        const ContentLayout layout = DrawButtonContent(button, StateNormal);
        const int left = (kW - text.cx + kPic) / 2 + c.dx;
        const int top = (kH - text.cy) / 2 + c.dy;
        EXPECT_EQ(layout.caption, (win::RECT{left, top, left + text.cx, top + text.cy})) << c.align;
    }
}

TEST(ContentLayout, LeftAndRightCaptionsKeepClearOfThePicture) {
    StandInButton button(kW, kH);
    button.caption = "OK";
    button.captionAlign = CaptionLeft;
    button.pictureNormal = SolidPicture(kPic, kPic, 0);
    button.pictureAlign = PictureLeftEdge;
    const win::SIZE text = Measured(button, "OK", kW - 8);
    ContentLayout layout = DrawButtonContent(button, StateNormal);
    EXPECT_EQ(layout.caption.left, kPic + 4);
    EXPECT_EQ(layout.caption.right, 2 + text.cx + kPic + 4);

    button.captionAlign = CaptionRight;
    button.dropDownSymbol = 6;
    button.pictureAlign = PictureLeftOfCaption;
    const win::SIZE narrow = Measured(button, "OK", kW - 16);
    layout = DrawButtonContent(button, StateNormal);
    EXPECT_EQ(layout.caption.left, kW - narrow.cx - 4 - 16);
}

TEST(ContentLayout, LongCaptionPushesARightEdgePictureNoFurtherLeftThanItsEnd) {
    StandInButton button(kW, kH);
    button.caption = "A much longer caption";
    button.captionAlign = CaptionLeft;
    button.pictureNormal = SolidPicture(kPic, kPic, 0);
    button.pictureAlign = PictureRightEdge;
    const ContentLayout layout = DrawButtonContent(button, StateNormal);
    EXPECT_GE(layout.pictureRect.left, layout.caption.right + 2);
    EXPECT_LE(layout.caption.right, kW - kPic - 4);
}

TEST(ContentLayout, EmptyCaptionCentresThePictureWhateverTheAlignment) {
    for (std::int32_t align = PictureLeftEdge; align <= PictureBelowCaption; ++align) {
        StandInButton button(kW, kH);
        button.caption = "   ";
        button.pictureNormal = SolidPicture(kPic, kPic, 0);
        button.pictureAlign = align;
        const ContentLayout layout = DrawButtonContent(button, StateNormal);
        EXPECT_EQ(layout.pictureRect.left, (kW - kPic) / 2) << align;
        EXPECT_EQ(layout.pictureRect.top, (kH - kPic) / 2) << align;
    }
}

TEST(ContentLayout, DropDownRectangleAndSeparator) {
    StandInButton button(kW, kH);
    button.buttonStyle = StyleFlatHotEdge;
    button.dropDownSymbol = 6;
    button.dropDownSeparator = true;
    const win::COLORREF face = Sys(win::COLOR_BTNFACE);
    button.ClearSurface();
    const ContentLayout layout = DrawButtonContent(button, StateNormal);
    // round(12.5 - 7) = 6 (half to even), round(12.5 + 8) = 20
    EXPECT_EQ(layout.dropDown, (win::RECT{kW - 15, 6, kW, 20}));
    EXPECT_EQ(button.Pixel(kW - 16, 3), Raw(ShiftColor(face, -0.1f)));
    EXPECT_EQ(button.Pixel(kW - 15, kH - 4), Raw(ShiftColor(face, 0.1f)));
    EXPECT_EQ(button.Pixel(kW - 16, kH - 3), Raw(face));
    EXPECT_EQ(button.Pixel(kW - 16, 2), Raw(face));

    StandInButton even(kW, 24);
    even.dropDownSymbol = 6;
    EXPECT_EQ(DrawButtonContent(even, StateNormal).dropDown, (win::RECT{kW - 15, 5, kW, 20}));
}

TEST(ContentLayout, PressedContentSinksOnlyInTheListedStyles) {
    const struct {
        std::int32_t style;
        int caption;
        int symbol;
    } cases[] = {{StyleStandard, 1, 2},    {StyleFlat, 1, 2},         {StyleAmberHighlight, 1, 1},
                 {StyleSoftPanel, 1, 2},   {StyleSteelFrame, 1, 2},   {StyleSoftGloss, 1, 1},
                 {StyleFlatHotEdge, 1, 2}, {StyleFlatThinEdge, 1, 2}, {StyleRoundedGradient, 0, 0},
                 {StyleOrangeGloss, 0, 0}, {StyleWhiteGloss, 0, 0},   {StyleBlueGradient, 0, 0}};
    for (const auto& c : cases) {
        StandInButton button(kW, kH);
        button.buttonStyle = c.style;
        button.caption = "Go";
        button.dropDownSymbol = 6;
        const ContentLayout up = DrawButtonContent(button, StateNormal);
        const ContentLayout down = DrawButtonContent(button, StateDown);
        EXPECT_EQ(down.caption.left - up.caption.left, c.caption) << c.style;
        EXPECT_EQ(down.caption.top - up.caption.top, c.caption) << c.style;
        EXPECT_EQ(down.dropDown.left - up.dropDown.left, c.symbol) << c.style;
    }
}

TEST(ContentLayout, PictureChoiceByStateAndCheckedLook) {
    const struct {
        std::int32_t state;
        bool checked;
        bool hot;
        bool down;
        std::uint32_t expected;
    } cases[] = {
        {StateNormal, false, true, true, 0x0000FF}, {StateHot, false, true, true, 0x00FF00},
        {StateHot, false, false, true, 0x0000FF},   {StateDown, false, true, true, 0xFF0000},
        {StateDown, false, true, false, 0x00FF00},  {StateDown, false, false, false, 0x0000FF},
        {StateNormal, true, true, true, 0xFF0000},
    };
    for (const auto& c : cases) {
        StandInButton button(kW, kH);
        button.pictureNormal = SolidPicture(kPic, kPic, 0x0000FF);
        if (c.hot) {
            button.pictureHot = SolidPicture(kPic, kPic, 0x00FF00);
        }
        if (c.down) {
            button.pictureDown = SolidPicture(kPic, kPic, 0xFF0000);
        }
        button.mode = c.checked ? ModeCheck : ModePush;
        button.value = c.checked;
        button.buttonStyle = StyleOrangeGloss;  // no pressed offset
        const ContentLayout layout = DrawButtonContent(button, c.state);
        EXPECT_EQ(button.Pixel(layout.pictureRect.left + 2, layout.pictureRect.top + 2), c.expected)
            << c.state << c.hot << c.down;
    }
}

TEST(ContentLayout, PushOnHoverLiftsThePictureOverASilverSilhouette) {
    StandInButton button(kW, kH);
    button.pictureNormal = SolidPicture(kPic, kPic, 0x0000FF);
    button.picturePushOnHover = true;
    button.pictureShadow = true;  // not drawn while lifted
    button.ClearSurface();
    const ContentLayout layout = DrawButtonContent(button, StateHot);
    const win::RECT r = layout.pictureRect;
    EXPECT_EQ(button.Pixel(r.left - 2, r.top - 2), 0x0000FFu);
    EXPECT_EQ(button.Pixel(r.right - 1, r.bottom - 1), 0xC0C0C0u);
    EXPECT_EQ(button.Pixel(r.right, r.bottom), Raw(Sys(win::COLOR_BTNFACE)));
}

TEST(ContentLayout, ShadowIsTwoSilhouettesUnderThePicture) {
    StandInButton button(kW, kH);
    button.backColor = 0xFFFFFF;
    button.pictureNormal = SolidPicture(kPic, kPic, 0x0000FF);
    button.pictureShadow = true;
    button.ClearSurface();
    const ContentLayout layout = DrawButtonContent(button, StateNormal);
    const win::RECT r = layout.pictureRect;
    // base = average of 808080 and white = C0C0C0 (191.5 -> 192)
    const win::COLORREF base = 0xC0C0C0;
    EXPECT_EQ(button.Pixel(r.right + 1, r.bottom + 1), Raw(ShiftColor(base, 0.05f)));
    EXPECT_EQ(button.Pixel(r.right, r.bottom), Raw(ShiftColor(base, -0.1f)));
    EXPECT_EQ(button.Pixel(r.left, r.top), 0x0000FFu);
}

TEST(ContentLayout, ContentPassReleasesEverything) {
    StandInButton button(kW, kH);
    button.caption = "&Save";
    button.captionEffects = CaptionEffectOutline;
    button.dropDownSymbol = 6;
    button.dropDownSeparator = true;
    button.pictureNormal = SolidPicture(kPic, kPic, 0x0000FF);
    button.pictureShadow = true;
    const win::GdiObjectCounts before = win::GdiLiveObjects();
    DrawButtonContent(button, StateDown);
    EXPECT_EQ(win::GdiLiveObjects(), before);
}

}  // namespace
}  // namespace quellan::testing

namespace quellan::testing {
namespace {

std::set<std::uint32_t> ColoursIn(const StandInButton& button, const win::RECT& r) {
    std::set<std::uint32_t> colours;
    for (int y = std::max(0, static_cast<int>(r.top)); y < std::min(kH, static_cast<int>(r.bottom));
         ++y) {
        for (int x = std::max(0, static_cast<int>(r.left));
             x < std::min(kW, static_cast<int>(r.right)); ++x) {
            colours.insert(button.Pixel(x, y));
        }
    }
    return colours;
}

TEST(ContentColours, HoverColoursTheCaptionButNeverTheSymbol) {
    const struct {
        std::int32_t state;
        bool enabled;
        win::COLORREF caption;
        win::COLORREF symbol;
    } cases[] = {
        {StateNormal, true, 0x0000FF, 0x0000FF},
        {StateHot, true, 0xFF0000, 0x0000FF},
        {StateHot, false, Sys(win::COLOR_GRAYTEXT), Sys(win::COLOR_GRAYTEXT)},
    };
    for (const auto& c : cases) {
        StandInButton button(kW, kH);
        button.caption = "WWW";
        button.dropDownSymbol = 6;
        button.foreColor = 0x0000FF;
        button.foreColorHover = 0xFF0000;
        button.enabled = c.enabled;
        button.ClearSurface();
        const ContentLayout layout = DrawButtonContent(button, c.state);
        const auto captionColours = ColoursIn(button, layout.caption);
        const auto symbolColours = ColoursIn(button, layout.dropDown);
        EXPECT_TRUE(captionColours.contains(Raw(c.caption))) << c.state << c.enabled;
        EXPECT_TRUE(symbolColours.contains(Raw(c.symbol))) << c.state << c.enabled;
        if (c.caption != c.symbol) {
            EXPECT_FALSE(symbolColours.contains(Raw(c.caption)));
            EXPECT_FALSE(captionColours.contains(Raw(c.symbol)));
        }
    }
}

}  // namespace
}  // namespace quellan::testing
