#include "platform/controls/tooltip_geometry.h"

#include <gtest/gtest.h>

#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"

namespace win::controls {
namespace {

constexpr RECT kScreen{0, 0, 1280, 800};

bool Inside(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(TooltipGeometry, PlainTipHangsBelowThePointerAndStaysOnScreen) {
    const TooltipContent content{{100, 26}, {}, false, false, false};
    const auto tip = LayoutTooltip(content, {200, 300}, kScreen);
    EXPECT_EQ(tip.window.left, 200);
    EXPECT_EQ(tip.window.top, 300 + kTooltipCursorDrop);
    EXPECT_TRUE(Inside(tip.body, tip.text));
    EXPECT_EQ(tip.text.right - tip.text.left, 100);

    const auto corner = LayoutTooltip(content, {1275, 795}, kScreen);
    EXPECT_TRUE(Inside(kScreen, corner.window));
    EXPECT_LE(corner.window.bottom, 795);  // above the pointer, not over it
}

TEST(TooltipGeometry, TitleAndIconSitAboveTheText) {
    const TooltipContent content{{150, 13}, {60, 13}, true, false, false};
    const auto tip = LayoutTooltip(content, {10, 10}, kScreen);
    EXPECT_LT(tip.icon.right, tip.title.left + 1);
    EXPECT_GE(tip.text.top, tip.icon.bottom);
    EXPECT_EQ(tip.icon.right - tip.icon.left, kTooltipIconSize);
}

TEST(TooltipGeometry, RightToLeftMirrorsTheParts) {
    const TooltipContent content{{150, 13}, {60, 13}, true, true, true};
    const auto tip = LayoutTooltip(content, {600, 300}, kScreen);
    const int width = tip.window.right - tip.window.left;
    EXPECT_GT(tip.icon.left, tip.title.right - 1);
    TooltipContent leftToRight = content;
    leftToRight.rightToLeft = false;
    const auto mirror = LayoutTooltip(leftToRight, {600, 300}, kScreen);
    EXPECT_EQ(tip.text.right, width - mirror.text.left);
    EXPECT_EQ(tip.icon.left, width - mirror.icon.right);
    EXPECT_LT(tip.stemBaseEnd.x, tip.stemBaseStart.x);
    EXPECT_EQ(tip.window.left + tip.stemTip.x, 600);
}

TEST(TooltipGeometry, BalloonPointsAtThePointAndFlipsAtTheBottom) {
    const TooltipContent content{{120, 26}, {}, false, true, false};
    const auto below = LayoutTooltip(content, {400, 300}, kScreen);
    EXPECT_TRUE(below.stemOnTop);
    EXPECT_EQ(below.window.left + below.stemTip.x, 400);
    EXPECT_EQ(below.window.top + below.stemTip.y, 300);
    EXPECT_EQ(below.body.top, kBalloonStemHeight);

    const auto above = LayoutTooltip(content, {400, 790}, kScreen);
    EXPECT_FALSE(above.stemOnTop);
    EXPECT_EQ(above.window.top + above.stemTip.y, 790);
    EXPECT_TRUE(Inside(kScreen, above.window));
}

TEST(TooltipGeometry, BalloonRegionHasRoundCornersAndTheStem) {
    const int before = GdiLiveObjects(GdiObjectKind::Region);
    const TooltipContent content{{120, 26}, {}, false, true, false};
    const auto tip = LayoutTooltip(content, {400, 300}, kScreen);
    HRGN shape = CreateBalloonRegion(tip);
    ASSERT_TRUE(shape);
    EXPECT_TRUE(PtInRegion(shape, tip.stemTip.x, tip.stemTip.y));
    EXPECT_FALSE(PtInRegion(shape, tip.stemTip.x - 2, tip.stemTip.y));
    EXPECT_FALSE(PtInRegion(shape, 0, tip.body.top));  // the rounded corner
    EXPECT_TRUE(PtInRegion(shape, tip.body.right / 2, tip.body.bottom - 1));
    DeleteObject(shape);
    EXPECT_EQ(GdiLiveObjects(GdiObjectKind::Region), before);
}

}  // namespace
}  // namespace win::controls
