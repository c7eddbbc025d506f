#include <gtest/gtest.h>

#include <cstdint>

#include "button/render/drawing_primitives.h"
#include "button/render/gradient.h"
#include "platform/gdi/gdi_test_canvas.h"

namespace quellan {
namespace {

using win::testing::Canvas;

// What a COLORREF looks like in bitmap memory (0x00RRGGBB).
std::uint32_t Raw(win::COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

TEST(DrawGradient, HorizontalBlackToBlueGivesEachColumnItsIndex) {
    Canvas canvas(256, 3);
    DrawGradient(canvas.Dc(), 0, 0, 256, 3, 0, win::RGB(0, 0, 255), GradientDirection::Horizontal);
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(canvas.Pixel(c, 1), static_cast<std::uint32_t>(c)) << c;
    }
}

TEST(DrawGradient, SingleStepTakesTheHalvesOfBothEnds) {
    Canvas canvas(4, 3);
    DrawGradient(canvas.Dc(), 0, 1, 4, 1, win::RGB(1, 100, 255), win::RGB(1, 51, 255),
                 GradientDirection::Vertical);
    // 0 + 0, 50 + 25, 127 + 127
    EXPECT_EQ(canvas.Pixel(2, 1), Raw(win::RGB(0, 75, 254)));
    EXPECT_EQ(canvas.Pixel(2, 0), Raw(win::RGB(255, 255, 255)));
    EXPECT_EQ(canvas.Pixel(2, 2), Raw(win::RGB(255, 255, 255)));
}

TEST(DrawGradient, EmptyBlocksDrawNothing) {
    Canvas canvas(4, 4);
    const win::GdiObjectCounts before = win::GdiLiveObjects();
    for (auto [w, h] : {std::pair{0, 4}, {4, 0}, {-3, 4}, {4, -1}}) {
        DrawGradient(canvas.Dc(), 0, 0, w, h, 0, 0, GradientDirection::Vertical);
    }
    EXPECT_EQ(canvas.Pixel(0, 0), win::testing::kWhitePixel);
    EXPECT_EQ(win::GdiLiveObjects(), before);
}

struct DirectionCase {
    GradientDirection direction;
    // Step of the four corners: top-left, top-right, bottom-left, bottom-right.
    int topLeft, topRight, bottomLeft, bottomRight;
};

TEST(DrawGradient, EachDirectionRunsFromItsStartCorner) {
    // 5 x 3 block, red ramps from 0 by 10 per step (4 steps horizontally, 2 vertically, 6
    // diagonally: 60 over 6 steps is 10 per step as well).
    constexpr int kW = 5;
    constexpr int kH = 3;
    const DirectionCase cases[] = {
        {GradientDirection::Horizontal, 0, 4, 0, 4},
        {GradientDirection::Vertical, 0, 0, 2, 2},
        {GradientDirection::DownDiagonal, 0, 4, 2, 6},
        {GradientDirection::UpDiagonal, 2, 6, 0, 4},
    };
    for (const DirectionCase& c : cases) {
        Canvas canvas(kW + 2, kH + 2);
        const int steps = (c.direction == GradientDirection::Horizontal) ? 4
                          : (c.direction == GradientDirection::Vertical) ? 2
                                                                         : 6;
        DrawGradient(canvas.Dc(), 1, 1, kW, kH, 0,
                     win::RGB(static_cast<win::BYTE>(10 * steps), 0, 0), c.direction);
        auto red = [&](int x, int y) { return static_cast<int>(canvas.Pixel(x, y) >> 16); };
        EXPECT_EQ(red(1, 1), 10 * c.topLeft) << static_cast<int>(c.direction);
        EXPECT_EQ(red(kW, 1), 10 * c.topRight) << static_cast<int>(c.direction);
        EXPECT_EQ(red(1, kH), 10 * c.bottomLeft) << static_cast<int>(c.direction);
        EXPECT_EQ(red(kW, kH), 10 * c.bottomRight) << static_cast<int>(c.direction);
        EXPECT_EQ(canvas.Pixel(0, 0), win::testing::kWhitePixel);
        EXPECT_EQ(canvas.Pixel(kW + 1, kH + 1), win::testing::kWhitePixel);
    }
}

TEST(DrawGradient, StepsTruncateTowardZeroBothWays) {
    // 3 rows from 10 to 0 and from 0 to 10 green: count 2, steps 10 + (i * -10) / 2.
    Canvas canvas(2, 3);
    DrawGradient(canvas.Dc(), 0, 0, 1, 3, win::RGB(0, 10, 0), win::RGB(0, 0, 0),
                 GradientDirection::Vertical);
    DrawGradient(canvas.Dc(), 1, 0, 1, 3, win::RGB(0, 0, 7), win::RGB(0, 0, 0),
                 GradientDirection::Vertical);
    EXPECT_EQ(canvas.Pixel(0, 1), Raw(win::RGB(0, 5, 0)));
    EXPECT_EQ(canvas.Pixel(1, 1), Raw(win::RGB(0, 0, 4)));  // 7 + (-7 / 2) = 7 - 3
}

TEST(Primitives, DrawLineLeavesTheEndPointAndTheSelectionsAsTheyWere) {
    Canvas canvas(6, 3);
    const win::HGDIOBJ pen = win::GetCurrentObject(canvas.Dc(), win::OBJ_PEN);
    const win::GdiObjectCounts before = win::GdiLiveObjects();
    DrawLine(canvas.Dc(), 1, 1, 4, 1, win::RGB(255, 0, 0));
    FrameRectColor(canvas.Dc(), 0, 0, 6, 3, win::RGB(0, 0, 255));
    FillRectColor(canvas.Dc(), win::RGB(0, 255, 0), win::RECT{5, 2, 6, 3});
    EXPECT_EQ(canvas.Pixel(1, 1), 0x00FF0000u);
    EXPECT_EQ(canvas.Pixel(3, 1), 0x00FF0000u);
    EXPECT_EQ(canvas.Pixel(4, 1), win::testing::kWhitePixel);
    EXPECT_EQ(canvas.Pixel(5, 0), 0x000000FFu);  // right line at x + w - 1
    EXPECT_EQ(canvas.Pixel(0, 2), 0x000000FFu);  // bottom line at y + h - 1
    EXPECT_EQ(canvas.Pixel(5, 2), 0x0000FF00u);
    EXPECT_EQ(win::GetCurrentObject(canvas.Dc(), win::OBJ_PEN), pen);
    EXPECT_EQ(win::GdiLiveObjects(), before);
}

}  // namespace
}  // namespace quellan
