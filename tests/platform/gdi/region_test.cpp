#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "gdi_test_canvas.h"

namespace win {
namespace {

// The region drawn as rows of '#' over width × height.
std::vector<std::string> Shape(HRGN region, int width, int height) {
    std::vector<std::string> rows(static_cast<std::size_t>(height), std::string(width, '.'));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (PtInRegion(region, x, y)) {
                rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = '#';
            }
        }
    }
    return rows;
}

class RegionTest : public ::testing::Test {
protected:
    ~RegionTest() override {
        for (HRGN region : made_) {
            DeleteObject(region);
        }
    }
    HRGN Keep(HRGN region) {
        made_.push_back(region);
        return region;
    }
    std::vector<HRGN> made_;
};

TEST_F(RegionTest, CombineGivesEachOperationAndItsType) {
    const HRGN a = Keep(CreateRectRgn(0, 0, 4, 2));
    const HRGN b = Keep(CreateRectRgn(2, 1, 6, 3));
    const HRGN out = Keep(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), SIMPLEREGION);
    EXPECT_EQ(Shape(out, 6, 3), (std::vector<std::string>{"......", "..##..", "......"}));
    EXPECT_EQ(CombineRgn(out, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(Shape(out, 6, 3), (std::vector<std::string>{"####..", "######", "..####"}));
    EXPECT_EQ(CombineRgn(out, a, b, RGN_XOR), COMPLEXREGION);
    EXPECT_EQ(Shape(out, 6, 3), (std::vector<std::string>{"####..", "##..##", "..####"}));
    EXPECT_EQ(CombineRgn(out, a, b, RGN_DIFF), COMPLEXREGION);
    EXPECT_EQ(Shape(out, 6, 3), (std::vector<std::string>{"####..", "##....", "......"}));
    EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(out, a));
    EXPECT_EQ(CombineRgn(out, a, a, RGN_DIFF), NULLREGION);
    EXPECT_EQ(CombineRgn(out, a, b, 9), ERROR);
    EXPECT_EQ(CombineRgn(HRGN(), a, b, RGN_OR), ERROR);
    // The destination may be a source; touching rectangles merge into one.
    const HRGN left = Keep(CreateRectRgn(0, 0, 2, 2));
    const HRGN right = Keep(CreateRectRgn(2, 0, 4, 2));
    EXPECT_EQ(CombineRgn(left, left, right, RGN_OR), SIMPLEREGION);
    RECT box;
    EXPECT_EQ(GetRgnBox(left, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 4, 2}));
}

TEST_F(RegionTest, OffsetSpansAndRectangles) {
    const HRGN region = Keep(CreateRectRgn(3, 3, 0, 0));  // corners in any order
    EXPECT_EQ(OffsetRgn(region, 1, -1), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(region, 1, -1));
    EXPECT_FALSE(PtInRegion(region, 4, 2));
    EXPECT_TRUE(PtInRegion(region, 3, 1));
    EXPECT_EQ(GetRegionSpans(region), (std::vector<RegionSpan>{{-1, 1, 4}, {0, 1, 4}, {1, 1, 4}}));
    EXPECT_EQ(GetRegionRects(region), (std::vector<RECT>{{1, -1, 4, 2}}));
    const RECT lower{0, 0, 3, 10};
    EXPECT_EQ(GetRegionSpans(region, &lower), (std::vector<RegionSpan>{{0, 1, 3}, {1, 1, 3}}));
    const HRGN everything = Keep(CreateRectRgn(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    EXPECT_TRUE(GetRegionSpans(everything).empty());  // 2^28 rows: refused, not allocated
    const RECT window{0, 0, 2, 3};
    EXPECT_EQ(GetRegionSpans(everything, &window).size(), 3u);
    EXPECT_EQ(OffsetRgn(region, INT_MAX, 0), ERROR);
    EXPECT_TRUE(PtInRegion(region, 1, -1));  // a refused offset changes nothing
    const RECT probe{3, 1, 9, 9};
    EXPECT_TRUE(RectInRegion(region, &probe));
}

// The skinned button's window shape: CreateRoundRectRgn(0, 0, w + 1, h + 1, 3, 3).
TEST_F(RegionTest, ThreeByThreeCornersLoseOnePixelEach) {
    const HRGN region = Keep(CreateRoundRectRgn(0, 0, 8, 6, 3, 3));
    EXPECT_EQ(Shape(region, 8, 6), (std::vector<std::string>{
                                       ".#####..",
                                       "#######.",
                                       "#######.",
                                       "#######.",
                                       ".#####..",
                                       "........",
                                   }));
    RECT box;
    EXPECT_EQ(GetRgnBox(region, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{0, 0, 7, 5}));
}

// The corners are quarters of an ew x eh ellipse walked pixel by pixel; the 106 x 26 button's
// rows are the ones the other implementation of the API gives.
TEST_F(RegionTest, CornersAreQuartersOfTheCornerEllipse) {
    const HRGN four = Keep(CreateRoundRectRgn(0, 0, 9, 7, 4, 4));
    EXPECT_EQ(Shape(four, 8, 6), (std::vector<std::string>{
                                     ".######.",
                                     "########",
                                     "########",
                                     "########",
                                     "########",
                                     ".######.",
                                 }));
    const HRGN button = Keep(CreateRoundRectRgn(0, 0, 106, 26, 4, 4));
    EXPECT_EQ(GetRegionRects(button),
              (std::vector<RECT>{{1, 0, 104, 1}, {0, 1, 105, 24}, {1, 24, 104, 25}}));
    const HRGN six = Keep(CreateRoundRectRgn(0, 0, 9, 7, 6, 6));
    EXPECT_EQ(Shape(six, 8, 6), (std::vector<std::string>{
                                    "..####..",
                                    ".######.",
                                    "########",
                                    "########",
                                    ".######.",
                                    "..####..",
                                }));
    const HRGN twoByTwo = Keep(CreateRoundRectRgn(0, 0, 9, 7, 2, 2));
    RECT plain;
    EXPECT_EQ(GetRgnBox(twoByTwo, &plain), SIMPLEREGION);
    EXPECT_EQ(plain, (RECT{0, 0, 8, 6}));
    // Ellipses larger than the box are held to it (6 x 3 here: the walk takes one step in
    // before its one step down); tiny ones give a rectangle.
    const HRGN pill = Keep(CreateRoundRectRgn(0, 0, 7, 4, 100, 3));
    EXPECT_EQ(Shape(pill, 6, 3), (std::vector<std::string>{".####.", "######", ".####."}));
    const HRGN square = Keep(CreateRoundRectRgn(0, 0, 4, 4, 1, 1));
    RECT box;
    EXPECT_EQ(GetRgnBox(square, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 3, 3}));
}

TEST_F(RegionTest, EllipsesAndHostileSizes) {
    const HRGN circle = Keep(CreateEllipticRgn(0, 0, 6, 6));
    EXPECT_EQ(Shape(circle, 5, 5),
              (std::vector<std::string>{".###.", "#####", "#####", "#####", ".###."}));
    EXPECT_FALSE(CreateRoundRectRgn(0, 0, 10, 10, INT_MIN, 3));
    EXPECT_FALSE(CreateEllipticRgn(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    const HRGN clamped = Keep(CreateRectRgn(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    RECT box;
    GetRgnBox(clamped, &box);
    EXPECT_EQ(box, (RECT{-kRegionCoordinateLimit, -kRegionCoordinateLimit, kRegionCoordinateLimit,
                         kRegionCoordinateLimit}));
    const HRGN empty = Keep(CreateRoundRectRgn(5, 5, 5, 9, 3, 3));
    EXPECT_EQ(GetRgnBox(empty, &box), NULLREGION);
    EXPECT_EQ(box, (RECT{}));
}

TEST_F(RegionTest, ASelectedClipLimitsDrawingAndIsACopy) {
    testing::Canvas canvas(6, 4);
    const HRGN clip = CreateRoundRectRgn(0, 0, 7, 5, 3, 3);
    EXPECT_EQ(SelectClipRgn(canvas.Dc(), clip), COMPLEXREGION);
    DeleteObject(clip);  // the DC keeps its own copy
    const HBRUSH black = GetStockObject(BLACK_BRUSH).As<HBRUSH>();
    RECT all{0, 0, 6, 4};
    FillRect(canvas.Dc(), &all, black);
    EXPECT_EQ(canvas.Row(0, testing::kBlackPixel), ".####.");
    EXPECT_EQ(canvas.Row(1, testing::kBlackPixel), "######");
    EXPECT_EQ(canvas.Row(3, testing::kBlackPixel), ".####.");
    EXPECT_EQ(GetPixel(canvas.Dc(), 0, 0), CLR_INVALID);
    RECT box;
    EXPECT_EQ(GetClipBox(canvas.Dc(), &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{0, 0, 6, 4}));

    EXPECT_EQ(ExcludeClipRect(canvas.Dc(), 2, 0, 4, 4), COMPLEXREGION);
    canvas.Fill(RGB(255, 255, 255));
    testing::DrawLine(canvas.Dc(), 0, 2, 6, 2, RGB(0, 0, 0));
    EXPECT_EQ(canvas.Row(2, testing::kBlackPixel), "##..##");
    EXPECT_EQ(SelectClipRgn(canvas.Dc(), HRGN()), SIMPLEREGION);
    EXPECT_EQ(IntersectClipRect(canvas.Dc(), 1, 1, 3, 2), SIMPLEREGION);
    canvas.Fill(RGB(255, 255, 255));
    FillRect(canvas.Dc(), &all, black);
    EXPECT_EQ(canvas.Count(testing::kBlackPixel), 2);
}

TEST_F(RegionTest, SurfaceDcsDrawThroughTheirOriginAndVisibleRegion) {
    const HDC display = CreateDC("DISPLAY");
    const HBITMAP backing = CreateCompatibleBitmap(display, 8, 6);
    const HDC child = gdi::CreateSurfaceDC(backing, POINT{3, 2});
    ASSERT_TRUE(child);
    EXPECT_FALSE(SelectObject(child, CreateCompatibleBitmap(display, 1, 1)));
    const HRGN visible = Keep(CreateRectRgn(3, 2, 6, 4));
    ASSERT_TRUE(gdi::SetSurfaceVisibleRegion(child, visible));
    const HBRUSH white = GetStockObject(WHITE_BRUSH).As<HBRUSH>();
    RECT everything{-10, -10, 10, 10};
    FillRect(child, &everything, white);
    const auto pixels = gdi::ReadBitmapPixels(backing);
    ASSERT_TRUE(pixels);
    int lit = 0;
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 3 && x < 6 && y >= 2 && y < 4;
            EXPECT_EQ(pixels->pixels[y * pixels->stride + x] == 0x00FFFFFF, inside) << x << y;
            lit += inside ? 1 : 0;
        }
    }
    EXPECT_EQ(lit, 6);
    EXPECT_EQ(GetPixel(child, 0, 0), RGB(255, 255, 255));  // logical (0,0) is bitmap (3,2)
    RECT clipBox;
    GetClipBox(child, &clipBox);
    EXPECT_EQ(clipBox, (RECT{0, 0, 3, 2}));
    // The program's clip is relative to the DC's origin and sits inside the visible region.
    const HRGN programClip = Keep(CreateRectRgn(1, 0, 10, 10));
    SelectClipRgn(child, programClip);
    GetClipBox(child, &clipBox);
    EXPECT_EQ(clipBox, (RECT{1, 0, 3, 2}));
    ASSERT_TRUE(gdi::SetSurfaceOrigin(child, POINT{0, 0}));
    ASSERT_TRUE(gdi::ResetSurfaceDC(child));
    GetClipBox(child, &clipBox);
    EXPECT_EQ(clipBox, (RECT{3, 2, 6, 4}));
    EXPECT_EQ(gdi::SurfaceBitmapOf(child), backing);
    const HDC memory = CreateCompatibleDC(child);
    EXPECT_FALSE(gdi::ResetSurfaceDC(memory));  // would drop the memory DC's bitmap
    DeleteDC(memory);

    // The backing store outlives its deletion while a DC draws on it.
    DeleteObject(backing);
    EXPECT_FALSE(gdi::ReadBitmapPixels(backing));
    EXPECT_TRUE(FillRect(child, &everything, white));
    const int bitmapsBefore = GdiLiveObjects(GdiObjectKind::Bitmap);
    DeleteDC(child);
    EXPECT_EQ(GdiLiveObjects(GdiObjectKind::Bitmap), bitmapsBefore - 1);
    DeleteDC(display);
}

}  // namespace
}  // namespace win
