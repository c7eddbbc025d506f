#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "gdi_test_canvas.h"

namespace win {
namespace {

using testing::Canvas;
using testing::DrawLine;
using testing::kBlackPixel;

std::vector<std::string> Rows(const Canvas& canvas) {
    std::vector<std::string> rows;
    for (int y = 0; y < canvas.Height(); ++y) {
        rows.push_back(canvas.Row(y, kBlackPixel));
    }
    return rows;
}

TEST(LineTest, TheEndPointIsNotPaintedInAnyDirection) {
    struct Case {
        int x0, y0, x1, y1;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        {0, 1, 5, 1, {".....", "#####", "....."}},  // the point x = 5 is off the canvas anyway
        {4, 1, 0, 1, {".....", ".####", "....."}}, {1, 0, 1, 3, {".#...", ".#...", ".#..."}},
        {0, 0, 3, 3, {"#....", ".#...", "..#.."}}, {3, 2, 0, 2, {".....", ".....", ".###."}},
    };
    for (const Case& c : cases) {
        Canvas canvas(5, 3);
        DrawLine(canvas.Dc(), c.x0, c.y0, c.x1, c.y1, RGB(0, 0, 0));
        EXPECT_EQ(Rows(canvas), c.rows) << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1;
    }
}

TEST(LineTest, HalfwayPointsGoUpForFlatLinesAndLeftForSteepOnes) {
    // (0,0)-(4,1) passes y = 0.5 at x = 2: the upper pixel, whichever way it is drawn.
    Canvas right(5, 2);
    DrawLine(right.Dc(), 0, 0, 4, 1, RGB(0, 0, 0));
    EXPECT_EQ(Rows(right), (std::vector<std::string>{"###..", "...#."}));
    Canvas left(5, 2);
    DrawLine(left.Dc(), 4, 1, 0, 0, RGB(0, 0, 0));
    EXPECT_EQ(Rows(left), (std::vector<std::string>{".##..", "...##"}));
    // (0,0)-(1,4) passes x = 0.5 at y = 2: the left pixel.
    Canvas steep(2, 5);
    DrawLine(steep.Dc(), 0, 0, 1, 4, RGB(0, 0, 0));
    EXPECT_EQ(Rows(steep), (std::vector<std::string>{"#.", "#.", "#.", ".#", ".."}));
}

TEST(LineTest, ASlopeOfOneThirdStepsAtTheNearestRow) {
    Canvas canvas(7, 3);
    DrawLine(canvas.Dc(), 0, 0, 6, 2, RGB(0, 0, 0));
    // y = x / 3: rounds to 0, 0, 1 (0.67), 1, 1, 2 (1.67).
    EXPECT_EQ(Rows(canvas), (std::vector<std::string>{"##.....", "..###..", ".....#."}));
}

TEST(LineTest, CurrentPositionFollowsTheLineAndNullPenDrawsNothing) {
    Canvas canvas(4, 4);
    SelectObject(canvas.Dc(), GetStockObject(NULL_PEN).As<HPEN>());
    MoveToEx(canvas.Dc(), 0, 0, nullptr);
    LineTo(canvas.Dc(), 3, 0);
    POINT position;
    ASSERT_TRUE(GetCurrentPositionEx(canvas.Dc(), &position));
    EXPECT_EQ(position, (POINT{3, 0}));
    EXPECT_EQ(canvas.Count(kBlackPixel), 0);
    SelectObject(canvas.Dc(), GetStockObject(BLACK_PEN).As<HPEN>());
    LineTo(canvas.Dc(), 3, 3);
    EXPECT_EQ(canvas.Row(0, kBlackPixel), "...#");
    EXPECT_EQ(canvas.Row(2, kBlackPixel), "...#");
    EXPECT_EQ(canvas.Row(3, kBlackPixel), "....");
}

TEST(LineTest, PolylinePaintsJointsOnceAndSkipsTheLastPoint) {
    Canvas canvas(4, 3);
    const POINT points[] = {{0, 0}, {3, 0}, {3, 2}};
    ASSERT_TRUE(Polyline(canvas.Dc(), points, 3));
    EXPECT_EQ(Rows(canvas), (std::vector<std::string>{"####", "...#", "...."}));
    EXPECT_FALSE(Polyline(canvas.Dc(), points, 1));
}

TEST(LineTest, ViewportOriginShiftsLines) {
    Canvas canvas(4, 4);
    SetViewportOrgEx(canvas.Dc(), 1, 2, nullptr);
    DrawLine(canvas.Dc(), 0, 0, 2, 0, RGB(0, 0, 0));
    EXPECT_EQ(canvas.Row(2, kBlackPixel), ".##.");
}

TEST(LineTest, HostileCoordinatesDrawOnlyTheVisiblePartAndStayExact) {
    Canvas canvas(8, 8);
    // Only the pixels on the canvas of a line far longer than it: y = x exactly.
    DrawLine(canvas.Dc(), -100000000, -100000000, 100000000, 100000000, RGB(0, 0, 0));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(canvas.Pixel(i, i), kBlackPixel) << i;
    }
    EXPECT_EQ(canvas.Count(kBlackPixel), 8);
    // Extreme values and an extreme viewport neither crash nor paint.
    Canvas other(8, 8);
    SetViewportOrgEx(other.Dc(), INT_MAX, INT_MIN, nullptr);
    DrawLine(other.Dc(), INT_MIN, INT_MAX, INT_MAX, INT_MIN, RGB(0, 0, 0));
    SetViewportOrgEx(other.Dc(), 0, 0, nullptr);
    DrawLine(other.Dc(), INT_MIN, 3, INT_MAX, 3, RGB(0, 0, 0));
    EXPECT_EQ(other.Row(3, kBlackPixel), "########");
    EXPECT_EQ(other.Count(kBlackPixel), 8);
}

}  // namespace
}  // namespace win
