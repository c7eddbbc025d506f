#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdi_test_canvas.h"

namespace win {
namespace {

using testing::Canvas;

std::uint32_t Sys(int index) {
    const COLORREF c = GetSysColor(index);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// Letters for the system colours an edge uses, row by row.
std::string Paint(const Canvas& canvas, int y) {
    std::string row;
    for (int x = 0; x < canvas.Width(); ++x) {
        const std::uint32_t p = canvas.Pixel(x, y);
        char c = '?';
        if (p == 0x00123456) {
            c = '.';
        } else if (p == Sys(COLOR_3DDKSHADOW)) {
            c = 'K';
        } else if (p == Sys(COLOR_BTNSHADOW)) {
            c = 'S';
        } else if (p == Sys(COLOR_BTNHIGHLIGHT)) {
            c = 'H';
        } else if (p == Sys(COLOR_3DLIGHT)) {
            c = 'L';
        }
        row += c;
    }
    return row;
}

TEST(DrawEdgeTest, RaisedEdgeGivesBottomRightTheSharedCorners) {
    Canvas canvas(6, 5, RGB(0x12, 0x34, 0x56));
    RECT r{0, 0, 6, 5};
    ASSERT_TRUE(DrawEdge(canvas.Dc(), &r, EDGE_RAISED, BF_RECT));
    EXPECT_EQ(Paint(canvas, 0), "LLLLLK");
    EXPECT_EQ(Paint(canvas, 1), "LHHHSK");
    EXPECT_EQ(Paint(canvas, 2), "LH..SK");
    EXPECT_EQ(Paint(canvas, 3), "LSSSSK");
    EXPECT_EQ(Paint(canvas, 4), "KKKKKK");
}

TEST(DrawEdgeTest, SunkenAndRaisedInnerEdges) {
    Canvas sunken(5, 5, RGB(0x12, 0x34, 0x56));
    RECT r{0, 0, 5, 5};
    DrawEdge(sunken.Dc(), &r, EDGE_SUNKEN, BF_RECT);
    EXPECT_EQ(Paint(sunken, 0), "SSSSH");
    EXPECT_EQ(Paint(sunken, 1), "SKKLH");
    EXPECT_EQ(Paint(sunken, 2), "SK.LH");
    EXPECT_EQ(Paint(sunken, 3), "SLLLH");
    EXPECT_EQ(Paint(sunken, 4), "HHHHH");

    Canvas inner(4, 3, RGB(0x12, 0x34, 0x56));
    RECT small{0, 0, 4, 3};
    DrawEdge(inner.Dc(), &small, BDR_RAISEDINNER, BF_RECT);
    EXPECT_EQ(Paint(inner, 0), "HHHS");
    EXPECT_EQ(Paint(inner, 1), "H..S");
    EXPECT_EQ(Paint(inner, 2), "SSSS");
}

TEST(DrawEdgeTest, SideFlagsMiddleAndAdjust) {
    Canvas canvas(5, 4, RGB(0x12, 0x34, 0x56));
    RECT r{0, 0, 5, 4};
    DrawEdge(canvas.Dc(), &r, BDR_RAISEDINNER, BF_TOP | BF_LEFT | BF_ADJUST);
    EXPECT_EQ(Paint(canvas, 0), "HHHHH");
    EXPECT_EQ(Paint(canvas, 3), "H....");
    EXPECT_EQ(r, (RECT{1, 1, 5, 4}));
    RECT face{1, 1, 4, 3};
    DrawEdge(canvas.Dc(), &face, 0, BF_MIDDLE);
    EXPECT_EQ(canvas.Pixel(2, 2), Sys(COLOR_BTNFACE));
    RECT inverted{4, 4, 0, 0};
    EXPECT_TRUE(DrawEdge(canvas.Dc(), &inverted, EDGE_RAISED, BF_RECT));
    RECT all{0, 0, 5, 4};
    EXPECT_FALSE(DrawEdge(canvas.Dc(), &all, EDGE_RAISED, BF_DIAGONAL | BF_TOP | BF_LEFT));
    // A border both raised and sunken is refused and draws nothing, but BF_ADJUST still moves
    // the rectangle in by every layer named; flat and mono borders have no such contradiction.
    canvas.Fill(RGB(1, 2, 3));
    struct Refused {
        UINT edge;
        RECT adjusted;
    };
    for (const Refused& refused :
         {Refused{BDR_OUTER, {1, 1, 4, 3}}, Refused{BDR_INNER, {1, 1, 4, 3}},
          Refused{BDR_OUTER | BDR_RAISEDINNER, {2, 2, 3, 2}}}) {
        RECT moved{0, 0, 5, 4};
        EXPECT_FALSE(DrawEdge(canvas.Dc(), &moved, refused.edge, BF_RECT | BF_MIDDLE | BF_ADJUST));
        EXPECT_EQ(moved, refused.adjusted);
    }
    EXPECT_EQ(canvas.Count(0x00010203), 5 * 4);
    RECT flat{0, 0, 5, 4};
    EXPECT_TRUE(DrawEdge(canvas.Dc(), &flat, BDR_OUTER, BF_RECT | BF_FLAT));
    EXPECT_EQ(canvas.Pixel(0, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.Count(0x00010203), 3 * 2);
}

TEST(FocusRectTest, DrawnTwiceTheFocusRectangleIsGone) {
    Canvas canvas(7, 6, RGB(0x12, 0x34, 0x56));
    for (int y = 0; y < 6; ++y) {
        canvas.SetRaw(y, y, 0x00ABCDEF);  // some texture under the frame
    }
    const RECT r{1, 1, 6, 5};
    ASSERT_TRUE(DrawFocusRect(canvas.Dc(), &r));
    // The dots go round the edge from the top-right pixel (5,1), which is inverted, down the
    // right side, along the bottom, up the left side and along the top: every other pixel.
    const std::uint32_t flipped = 0x00123456 ^ 0x00FFFFFF;
    EXPECT_EQ(canvas.Row(1, flipped, '#'), "...#.#.");  // and (1,1), texture
    EXPECT_EQ(canvas.Row(2, flipped, '#'), ".......");
    EXPECT_EQ(canvas.Row(3, flipped, '#'), ".#...#.");
    EXPECT_EQ(canvas.Row(4, flipped, '#'), "..#....");  // and (4,4), texture
    EXPECT_EQ(canvas.Pixel(1, 1), 0x00ABCDEFu ^ 0x00FFFFFFu);
    EXPECT_EQ(canvas.Pixel(4, 4), 0x00ABCDEFu ^ 0x00FFFFFFu);
    ASSERT_TRUE(DrawFocusRect(canvas.Dc(), &r));
    EXPECT_EQ(canvas.Count(0x00123456), 7 * 6 - 6);
    for (int y = 0; y < 6; ++y) {
        EXPECT_EQ(canvas.Pixel(y, y), 0x00ABCDEFu);
    }
}

// A rectangle one or two pixels thin is traced over its own pixels: each retraced pixel is
// inverted twice, or once, by where it falls in the dotting.
TEST(FocusRectTest, ThinRectanglesKeepOnlyTheDotsTracedOnce) {
    struct Case {
        RECT rect;
        std::vector<POINT> dots;
    };
    const Case cases[] = {
        {{1, 1, 2, 6}, {{1, 1}, {1, 5}}},  // one column: down and back up
        {{1, 2, 6, 3}, {{5, 2}, {1, 2}}},  // one row: along and back
        {{2, 1, 4, 3}, {{3, 1}, {2, 2}}},  // two by two
        {{2, 2, 3, 3}, {}},                // one pixel: no side has a length
    };
    for (const Case& c : cases) {
        Canvas canvas(7, 7, RGB(0x12, 0x34, 0x56));
        ASSERT_TRUE(DrawFocusRect(canvas.Dc(), &c.rect));
        const std::uint32_t flipped = 0x00123456 ^ 0x00FFFFFF;
        EXPECT_EQ(canvas.Count(flipped), static_cast<int>(c.dots.size())) << c.rect.left;
        for (const POINT dot : c.dots) {
            EXPECT_EQ(canvas.Pixel(dot.x, dot.y), flipped) << dot.x << "," << dot.y;
        }
    }
}

}  // namespace
}  // namespace win
