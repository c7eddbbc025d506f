#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "gdi_test_canvas.h"

namespace win {
namespace {

using testing::Canvas;

constexpr std::uint32_t kRedPixel = 0x00FF0000;
constexpr std::uint32_t kBluePixel = 0x000000FF;

std::vector<std::string> Rows(const Canvas& canvas, std::uint32_t ink) {
    std::vector<std::string> rows;
    for (int y = 0; y < canvas.Height(); ++y) {
        rows.push_back(canvas.Row(y, ink));
    }
    return rows;
}

class AreaFillTest : public ::testing::Test {
protected:
    AreaFillTest() : red_(CreateSolidBrush(RGB(255, 0, 0))) {}
    ~AreaFillTest() override { DeleteObject(red_); }
    HBRUSH red_;
};

TEST_F(AreaFillTest, FillRectExcludesRightAndBottomAndIgnoresBadRectangles) {
    Canvas canvas(5, 4);
    RECT r{1, 1, 4, 3};
    ASSERT_TRUE(FillRect(canvas.Dc(), &r, red_));
    EXPECT_EQ(Rows(canvas, kRedPixel),
              (std::vector<std::string>{".....", ".###.", ".###.", "....."}));
    Canvas untouched(5, 4);
    for (RECT bad : {RECT{2, 2, 2, 4}, RECT{INT_MIN, INT_MIN, INT_MIN + 1, INT_MIN + 1}}) {
        EXPECT_TRUE(FillRect(untouched.Dc(), &bad, red_));
    }
    EXPECT_EQ(untouched.Count(kRedPixel), 0);
    // Given right to left or bottom to top, the rectangle is covered as PatBlt covers negative
    // extents, mirrored about its starting pixel: (3, 1, 1, 3) covers x 2..3, y 1..2, and
    // (4, 3, 3, 0) covers x 4, y 1..3.
    Canvas backwards(5, 4);
    const RECT rightToLeft{3, 1, 1, 3};
    const RECT bottomToTop{4, 3, 3, 0};
    EXPECT_TRUE(FillRect(backwards.Dc(), &rightToLeft, red_));
    EXPECT_TRUE(FillRect(backwards.Dc(), &bottomToTop, red_));
    EXPECT_EQ(Rows(backwards, kRedPixel),
              (std::vector<std::string>{".....", "..###", "..###", "....#"}));
    RECT huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    EXPECT_TRUE(FillRect(untouched.Dc(), &huge, red_));
    EXPECT_EQ(untouched.Count(kRedPixel), 20);
    EXPECT_FALSE(FillRect(untouched.Dc(), nullptr, red_));
    EXPECT_FALSE(FillRect(untouched.Dc(), &r, HBRUSH()));
}

TEST_F(AreaFillTest, FrameRectPutsTheFarLinesAtRightAndBottomMinusOne) {
    Canvas canvas(6, 5);
    RECT r{1, 1, 5, 4};
    ASSERT_TRUE(FrameRect(canvas.Dc(), &r, red_));
    EXPECT_EQ(Rows(canvas, kRedPixel),
              (std::vector<std::string>{"......", ".####.", ".#..#.", ".####.", "......"}));
    Canvas thin(3, 3);
    RECT line{0, 1, 3, 2};  // one row high: a single run
    FrameRect(thin.Dc(), &line, red_);
    EXPECT_EQ(Rows(thin, kRedPixel), (std::vector<std::string>{"...", "###", "..."}));
}

TEST_F(AreaFillTest, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    Canvas canvas(5, 4);
    const HPEN bluePen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    SelectObject(canvas.Dc(), bluePen);
    SelectObject(canvas.Dc(), red_);
    ASSERT_TRUE(Rectangle(canvas.Dc(), 4, 4, 0, 0));  // corners in any order
    EXPECT_EQ(Rows(canvas, kBluePixel),
              (std::vector<std::string>{"####.", "#..#.", "#..#.", "####."}));
    EXPECT_EQ(Rows(canvas, kRedPixel),
              (std::vector<std::string>{".....", ".##..", ".##..", "....."}));
    SelectObject(canvas.Dc(), GetStockObject(BLACK_PEN).As<HPEN>());
    SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH).As<HBRUSH>());
    DeleteObject(bluePen);
}

TEST_F(AreaFillTest, NullPenRectangleIsOnePixelSmallerAndNullBrushLeavesTheInside) {
    Canvas canvas(5, 4);
    SelectObject(canvas.Dc(), GetStockObject(NULL_PEN).As<HPEN>());
    SelectObject(canvas.Dc(), red_);
    Rectangle(canvas.Dc(), 0, 0, 4, 4);
    EXPECT_EQ(Rows(canvas, kRedPixel),
              (std::vector<std::string>{"###..", "###..", "###..", "....."}));

    Canvas hollow(4, 4);
    SelectObject(hollow.Dc(), GetStockObject(NULL_BRUSH).As<HBRUSH>());
    Rectangle(hollow.Dc(), 0, 0, 4, 4);
    EXPECT_EQ(hollow.Count(testing::kBlackPixel), 12);
    EXPECT_EQ(hollow.Pixel(1, 1), testing::kWhitePixel);
    SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH).As<HBRUSH>());
}

// A negative extent runs back from the starting pixel, which it covers.
TEST_F(AreaFillTest, PatBltMirrorsNegativeExtentsAboutItsStartAndInverts) {
    Canvas canvas(4, 2);
    SelectObject(canvas.Dc(), red_);
    ASSERT_TRUE(PatBlt(canvas.Dc(), 3, 1, -2, -1, PATCOPY));
    EXPECT_EQ(Rows(canvas, kRedPixel), (std::vector<std::string>{"....", "..##"}));
    ASSERT_TRUE(PatBlt(canvas.Dc(), 0, 0, 4, 2, DSTINVERT));
    EXPECT_EQ(canvas.Pixel(0, 0), testing::kBlackPixel);
    EXPECT_EQ(canvas.Pixel(2, 1), 0x0000FFFFu);
    EXPECT_TRUE(PatBlt(canvas.Dc(), 0, 0, 4, 2, WHITENESS));
    EXPECT_EQ(canvas.Count(testing::kWhitePixel), 8);
    EXPECT_FALSE(PatBlt(canvas.Dc(), 0, 0, 4, 2, SRCCOPY));  // needs a source
    SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH).As<HBRUSH>());
}

TEST_F(AreaFillTest, InvertRectTwiceRestoresAndFillRgnFollowsTheShape) {
    Canvas canvas(4, 3, RGB(0x12, 0x34, 0x56));
    RECT r{1, 0, 3, 2};
    ASSERT_TRUE(InvertRect(canvas.Dc(), &r));
    EXPECT_EQ(canvas.Row(0, 0x00EDCBA9), ".##.");
    EXPECT_EQ(canvas.Row(2, 0x00EDCBA9), "....");
    InvertRect(canvas.Dc(), &r);
    EXPECT_EQ(canvas.Count(0x00123456), 12);

    const HRGN shape = CreateRoundRectRgn(0, 0, 5, 4, 3, 3);
    SetViewportOrgEx(canvas.Dc(), 0, 0, nullptr);
    ASSERT_TRUE(FillRgn(canvas.Dc(), shape, red_));
    EXPECT_EQ(Rows(canvas, kRedPixel), (std::vector<std::string>{".##.", "####", ".##."}));
    DeleteObject(shape);
}

TEST_F(AreaFillTest, PixelsReadBackAsColoursAndOutsideIsInvalid) {
    Canvas canvas(3, 3);
    EXPECT_EQ(SetPixel(canvas.Dc(), 1, 2, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(canvas.Pixel(1, 2), 0x00010203u);
    EXPECT_EQ(GetPixel(canvas.Dc(), 1, 2), RGB(1, 2, 3));
    EXPECT_EQ(SetPixel(canvas.Dc(), 3, 0, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(canvas.Dc(), -1, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(canvas.Dc(), INT_MAX, INT_MAX), CLR_INVALID);
    // A 32-bit picture's alpha byte is not part of the colour.
    canvas.SetRaw(0, 0, 0x7F102030);
    EXPECT_EQ(GetPixel(canvas.Dc(), 0, 0), RGB(0x10, 0x20, 0x30));
}

}  // namespace
}  // namespace win
