#include "button/button_tooltip.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "button/render/button_values.h"
#include "platform/controls/tooltip.h"
#include "platform/gdi/gdi.h"
#include "subclass_test_window.h"

namespace quellan::test {
namespace {

using namespace win;

std::uint32_t Pixel(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

class ButtonTooltipTest : public ::testing::Test {
public:
    // Rests the pointer on the button past the hover delay.
    void Hover() {
        windows.MoveTo(SubclassTestWindows::OnButton(10, 10));
        windows.MoveTo(SubclassTestWindows::OnButton(12, 10));
        windows.desktop.Advance(kTooltipInitialDelay + 20);
        windows.desktop.Pump();
    }
    void Leave() {
        windows.MoveTo(
            {SubclassTestWindows::kFrameRect.left + 5, SubclassTestWindows::kFrameRect.top + 5});
    }
    RECT TipRect() const {
        RECT rect{};
        GetWindowRect(tooltip, &rect);
        return rect;
    }

    SubclassTestWindows windows;
    HWND tooltip;
};

struct GateCase {
    const char* name;
    bool Enabled;
    bool menuSuppressed;
    std::int32_t drawState;
    bool built;
};

const GateCase kGateCases[] = {
    {"hot", true, false, StateHot, true},
    {"normal", true, false, StateNormal, true},
    {"disabled", false, false, StateHot, false},
    {"pressed, or checked and drawn pressed", true, false, StateDown, false},
    {"menu suppressed", true, true, StateHot, false},
};

TEST_F(ButtonTooltipTest, BuiltOnlyForAnEnabledButtonOutOfThePressedLookAndMenuSuppression) {
    for (const GateCase& c : kGateCases) {
        SCOPED_TRACE(c.name);
        TooltipSettings settings;
        settings.ToolTip = "提示";
        CreateTooltip(windows.button, tooltip, settings);
        const HWND previous = tooltip;
        ASSERT_TRUE(IsWindow(previous));

        settings.Enabled = c.Enabled;
        settings.menuSuppressed = c.menuSuppressed;
        settings.drawState = c.drawState;
        EXPECT_EQ(TooltipAllowed(c.Enabled, c.menuSuppressed, c.drawState), c.built);
        CreateTooltip(windows.button, tooltip, settings);
        // Each hover builds a new window; a refused one leaves the last one as it was.
        EXPECT_EQ(tooltip != previous, c.built);
        EXPECT_EQ(IsWindow(previous), !c.built);
        EXPECT_TRUE(IsWindow(tooltip));
    }
}

struct ShapeCase {
    const char* name;
    std::int32_t ToolTipType;
    bool RightToLeft;
    OLE_COLOR TooltipBackColor;
    LONG_PTR tipStyle;
    LONG_PTR layout;
    COLORREF background;
};

const ShapeCase kShapeCases[] = {
    {"standard", TooltipStandard, false, 0, 3, 0, GetSysColor(COLOR_INFOBK)},
    {"balloon", TooltipBalloon, false, 0, 67, 0, GetSysColor(COLOR_INFOBK)},
    {"right to left", TooltipStandard, true, 0, 3, 0x400000, GetSysColor(COLOR_INFOBK)},
    {"own colour", TooltipStandard, false, RGB(173, 209, 255), 3, 0, RGB(173, 209, 255)},
    {"system colour reference", TooltipBalloon, false, 0x80000000 | COLOR_HIGHLIGHT, 67, 0,
     GetSysColor(COLOR_HIGHLIGHT)},
};

TEST_F(ButtonTooltipTest, StylesColourWidthAndTheToolFollowTheSettings) {
    for (const ShapeCase& c : kShapeCases) {
        SCOPED_TRACE(c.name);
        TooltipSettings settings;
        settings.ToolTip = "下载";
        settings.ToolTipType = c.ToolTipType;
        settings.RightToLeft = c.RightToLeft;
        settings.TooltipBackColor = c.TooltipBackColor;
        CreateTooltip(windows.button, tooltip, settings);
        ASSERT_TRUE(IsWindow(tooltip));
        EXPECT_EQ(GetWindowLongPtr(tooltip, GWL_STYLE) & 0xFF, c.tipStyle);
        EXPECT_EQ(GetWindowLongPtr(tooltip, GWL_EXSTYLE) & 0x400000, c.layout);
        EXPECT_EQ(SendMessage(tooltip, TTM_GETTIPBKCOLOR, 0, 0),
                  static_cast<LRESULT>(c.background));
        EXPECT_EQ(SendMessage(tooltip, TTM_GETMAXTIPWIDTH, 0, 0), 240);
        EXPECT_EQ(SendMessage(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
        EXPECT_NE(GetClassLongPtr(tooltip, GCL_STYLE) & 0x20000, 0);
        EXPECT_EQ(GetWindow(tooltip, GW_OWNER), windows.button);
    }
    // The last one goes with the control window.
    DestroyWindow(windows.button);
    EXPECT_FALSE(IsWindow(tooltip));
}

struct HoverCase {
    const char* name;
    TooltipSettings settings;
    std::function<void(ButtonTooltipTest&, const RECT&, POINT)> check;
};

TEST_F(ButtonTooltipTest, HoveringShowsTheTipAfterTheDelayAndLeavingHidesIt) {
    const POINT cursor = SubclassTestWindows::OnButton(12, 10);
    TooltipSettings plain;
    plain.ToolTip = "下载速率";
    TooltipSettings titled = plain;
    titled.TooltipTitle = "网络";
    titled.ToolTipIcon = TooltipIconInfo;
    titled.TooltipBackColor = RGB(173, 209, 255);
    TooltipSettings singleByte = plain;
    singleByte.isUnicodeOS = false;
    TooltipSettings balloon = plain;
    balloon.ToolTipType = TooltipBalloon;
    TooltipSettings mirrored = plain;
    mirrored.RightToLeft = true;
    TooltipSettings wrapped = plain;
    wrapped.ToolTip = "这是一段很长的提示文字，它比两百四十个像素还要宽得多，所以必须折成好几行。";

    const HoverCase cases[] = {
        {"plain", plain,
         [](ButtonTooltipTest& t, const RECT& rect, POINT at) {
             EXPECT_EQ(rect.left, at.x);
             EXPECT_EQ(t.windows.desktop.PresentedPixel(t.tooltip, 1, 1),
                       Pixel(GetSysColor(COLOR_INFOBK)));
             // The drop shadow at the far corner.
             EXPECT_EQ(t.windows.desktop.PresentedPixel(t.tooltip, rect.right - rect.left - 1,
                                                        rect.bottom - rect.top - 1),
                       Pixel(GetSysColor(COLOR_BTNSHADOW)));
         }},
        {"title, icon and colour", titled,
         [](ButtonTooltipTest& t, const RECT&, POINT) {
             EXPECT_EQ(t.windows.desktop.PresentedPixel(t.tooltip, 2, 2), 0xADD1FFu);
             // The information icon's blue disc at the top left.
             EXPECT_EQ(t.windows.desktop.PresentedPixel(t.tooltip, 3 + 2, 3 + 8), 0x0054E3u);
         }},
        {"single-byte tool", singleByte, [](ButtonTooltipTest&, const RECT&, POINT) {}},
        {"balloon", balloon,
         [](ButtonTooltipTest& t, const RECT& rect, POINT at) {
             EXPECT_EQ(rect.top, at.y);
             const HRGN shape = CreateRectRgn(0, 0, 0, 0);
             ASSERT_NE(GetWindowRgn(t.tooltip, shape), ERROR);
             EXPECT_FALSE(PtInRegion(shape, 0, 0));
             DeleteObject(shape);
         }},
        {"right to left", mirrored,
         [](ButtonTooltipTest&, const RECT& rect, POINT at) {
             // The shadow lies beyond the tip's right edge.
             EXPECT_EQ(rect.right - kTooltipShadowDepth, at.x);
         }},
        {"wrapped at 240", wrapped,
         [](ButtonTooltipTest&, const RECT& rect, POINT) {
             EXPECT_LE(rect.right - rect.left, 240 + 16 + kTooltipShadowDepth);
             // At least two lines of the 13-pixel built-in font.
             EXPECT_GT(rect.bottom - rect.top, 2 * 13);
         }},
    };
    for (const HoverCase& c : cases) {
        SCOPED_TRACE(c.name);
        Leave();
        CreateTooltip(windows.button, tooltip, c.settings);
        windows.MoveTo(SubclassTestWindows::OnButton(10, 10));
        windows.MoveTo(cursor);
        windows.desktop.Advance(kTooltipInitialDelay - 20);
        EXPECT_FALSE(IsWindowVisible(tooltip));
        windows.desktop.Advance(40);
        ASSERT_TRUE(IsWindowVisible(tooltip));
        c.check(*this, TipRect(), cursor);
        Leave();
        EXPECT_FALSE(IsWindowVisible(tooltip));
    }
}

TEST_F(ButtonTooltipTest, AnEmptyTextBuildsTheToolButShowsNothing) {
    TooltipSettings settings;
    CreateTooltip(windows.button, tooltip, settings);
    EXPECT_EQ(SendMessage(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    Hover();
    EXPECT_FALSE(IsWindowVisible(tooltip));
}

}  // namespace
}  // namespace quellan::test
