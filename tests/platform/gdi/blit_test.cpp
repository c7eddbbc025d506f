#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "gdi_test_canvas.h"

namespace win {
namespace {

using testing::Canvas;

// Pixel value x + 16 y, so every source pixel is recognisable.
void Number(Canvas& canvas) {
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            canvas.SetRaw(x, y, static_cast<std::uint32_t>(x + 16 * y));
        }
    }
}

TEST(BitBltTest, CopiesAllFourBytesAndClipsToTheSourceSurface) {
    Canvas source(4, 3);
    Number(source);
    source.SetRaw(1, 1, 0x80000011);  // a picture's alpha travels with SRCCOPY
    Canvas target(5, 5, RGB(255, 255, 255));
    ASSERT_TRUE(BitBlt(target.Dc(), 2, 1, 4, 4, source.Dc(), 1, 1, SRCCOPY));
    EXPECT_EQ(target.Pixel(2, 1), 0x80000011u);
    EXPECT_EQ(target.Pixel(4, 1), 0x13u);
    EXPECT_EQ(target.Pixel(2, 2), 0x21u);
    EXPECT_EQ(target.Pixel(4, 2), 0x23u);
    // Source rows 3 and beyond and columns 4 and beyond do not exist: left alone.
    EXPECT_EQ(target.Pixel(2, 3), testing::kWhitePixel);
    EXPECT_EQ(target.Pixel(1, 1), testing::kWhitePixel);
    EXPECT_EQ(target.Count(testing::kWhitePixel), 25 - 6);
}

TEST(BitBltTest, OverlappingCopiesWithinOneBitmapReadTheOldPicture) {
    for (const POINT shift : {POINT{1, 1}, POINT{-1, -1}, POINT{2, 0}, POINT{0, -2}}) {
        Canvas canvas(8, 8);
        Number(canvas);
        BitBlt(canvas.Dc(), 2 + shift.x, 2 + shift.y, 4, 4, canvas.Dc(), 2, 2, SRCCOPY);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x) {
                EXPECT_EQ(canvas.Pixel(2 + shift.x + x, 2 + shift.y + y),
                          static_cast<std::uint32_t>(2 + x + 16 * (2 + y)))
                    << shift.x << "," << shift.y;
            }
        }
    }
}

TEST(BitBltTest, RasterOperationsFollowTheirTruthTables) {
    Canvas source(1, 1);
    source.SetRaw(0, 0, 0x00F0F0F0);
    struct Case {
        DWORD rop;
        std::uint32_t expected;
    };
    // destination 0x00CCCCCC, source 0x00F0F0F0, brush red (pixel 0x00FF0000)
    for (const Case c :
         {Case{SRCAND, 0x00C0C0C0}, Case{SRCPAINT, 0x00FCFCFC}, Case{SRCINVERT, 0x003C3C3C},
          Case{NOTSRCCOPY, 0x000F0F0F}, Case{SRCERASE, 0x00303030}, Case{MERGECOPY, 0x00F00000},
          Case{PATCOPY, 0x00FF0000}, Case{DSTINVERT, 0x00333333}, Case{BLACKNESS, 0},
          Case{WHITENESS, 0x00FFFFFF}}) {
        Canvas target(1, 1, RGB(0xCC, 0xCC, 0xCC));
        const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        const HBRUSH old = SelectObject(target.Dc(), red);
        EXPECT_TRUE(BitBlt(target.Dc(), 0, 0, 1, 1, source.Dc(), 0, 0, c.rop));
        EXPECT_EQ(target.Pixel(0, 0), c.expected) << std::hex << c.rop;
        SelectObject(target.Dc(), old);
        DeleteObject(red);
    }
    Canvas target(1, 1);
    EXPECT_FALSE(BitBlt(target.Dc(), 0, 0, 1, 1, HDC(), 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(target.Dc(), 0, 0, 1, 1, HDC(), 0, 0, BLACKNESS));
}

// One stretch along each axis: which source pixel (its index) each target pixel shows, across a
// row and down a column of numbered pixels, in the given stretch mode.
struct Stretched {
    std::vector<std::uint32_t> across;
    std::vector<std::uint32_t> down;
};
Stretched StretchAlongEachAxis(int sourceLength, int targetLength, int mode) {
    Canvas row(sourceLength, 1);
    Number(row);
    Canvas wide(targetLength, 1);
    SetStretchBltMode(wide.Dc(), mode);
    StretchBlt(wide.Dc(), 0, 0, targetLength, 1, row.Dc(), 0, 0, sourceLength, 1, SRCCOPY);
    Canvas column(1, sourceLength);
    Number(column);
    Canvas tall(1, targetLength);
    SetStretchBltMode(tall.Dc(), mode);
    StretchBlt(tall.Dc(), 0, 0, 1, targetLength, column.Dc(), 0, 0, 1, sourceLength, SRCCOPY);
    Stretched result;
    for (int i = 0; i < targetLength; ++i) {
        result.across.push_back(wide.Pixel(i, 0));
        result.down.push_back(tall.Pixel(0, i) / 0x10);
    }
    return result;
}

// Enlarging takes the source pixel under each destination centre, a centre on a boundary
// taking the earlier pixel: floor(((2i + 1) n - 1) / 2m). Shrinking keeps, across, the pixel
// nearest the far end of each span, floor(((2i + 2) n - m) / 2m), and down, the one nearest its
// near end, floor((2in + m) / 2m).
TEST(StretchBltTest, NearestSamplingPicksBySizeAndAxis) {
    struct Case {
        int sourceLength;
        int targetLength;
        std::vector<std::uint32_t> across;
        std::vector<std::uint32_t> down;
    };
    const Case cases[] = {
        {3, 7, {0, 0, 1, 1, 1, 2, 2}, {0, 0, 1, 1, 1, 2, 2}},
        {4,
         15,
         {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3},
         {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3}},
        {7, 3, {1, 4, 6}, {0, 2, 5}},
        {10, 5, {1, 3, 5, 7, 9}, {0, 2, 4, 6, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.sourceLength) + " to " + std::to_string(c.targetLength));
        const Stretched got = StretchAlongEachAxis(c.sourceLength, c.targetLength, COLORONCOLOR);
        EXPECT_EQ(got.across, c.across);
        EXPECT_EQ(got.down, c.down);
    }
}

// BLACKONWHITE (a new DC's mode) ANDs and WHITEONBLACK ORs all the source pixels a shrunk
// destination pixel stands for: across, the run ending at the pixel plain sampling keeps; down,
// the run starting at it. 7 to 3 keeps 1, 4, 6 across, so the runs are {0,1} {2,3,4} {5,6};
// down it keeps 0, 2, 5, with the same runs.
TEST(StretchBltTest, ShrinkingCombinesTheDroppedPixelsInTheAndOrModes) {
    Canvas fresh(1, 1);
    EXPECT_EQ(GetStretchBltMode(fresh.Dc()), BLACKONWHITE);
    struct Case {
        int mode;
        int sourceLength;
        std::vector<std::uint32_t> across;
        std::vector<std::uint32_t> down;
    };
    const Case cases[] = {
        {BLACKONWHITE, 7, {0 & 1, 2 & 3 & 4, 5 & 6}, {0 & 1, 2 & 3 & 4, 5 & 6}},
        {WHITEONBLACK, 7, {0 | 1, 2 | 3 | 4, 5 | 6}, {0 | 1, 2 | 3 | 4, 5 | 6}},
        {BLACKONWHITE, 3, {0, 1, 2}, {0, 1, 2}},  // same size: a plain copy
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + ", " + std::to_string(c.sourceLength));
        const Stretched got = StretchAlongEachAxis(c.sourceLength, 3, c.mode);
        EXPECT_EQ(got.across, c.across);
        EXPECT_EQ(got.down, c.down);
    }
}

// Extents near INT_MAX keep their spans exact (the sums run past 32 bits): INT_MAX to
// INT_MAX - 1 keeps one source column for each of the first pixels; down, 4 to 2 gives rows 0..1.
TEST(StretchBltTest, ShrinkingFromExtentsNearTheLimitStaysExact) {
    Canvas source(3, 4);
    Number(source);
    Canvas target(4, 4, RGB(255, 255, 255));
    ASSERT_TRUE(
        StretchBlt(target.Dc(), 0, 0, INT_MAX - 1, 2, source.Dc(), 0, 0, INT_MAX, 4, SRCCOPY));
    EXPECT_EQ(target.Pixel(0, 0), (0u & 16u));
    EXPECT_EQ(target.Pixel(1, 0), (1u & 17u));
    EXPECT_EQ(target.Pixel(2, 0), (2u & 18u));
    EXPECT_EQ(target.Pixel(3, 0), testing::kWhitePixel);  // no source column left
}

TEST(StretchBltTest, BlendingShrinksByPlainSamplingWhateverTheMode) {
    Canvas source(7, 1);
    Number(source);
    Canvas target(3, 1);
    ASSERT_EQ(GetStretchBltMode(target.Dc()), BLACKONWHITE);
    const BLENDFUNCTION opaque{AC_SRC_OVER, 0, 255, 0};
    ASSERT_TRUE(AlphaBlend(target.Dc(), 0, 0, 3, 1, source.Dc(), 0, 0, 7, 1, opaque));
    EXPECT_EQ(target.Pixel(0, 0), 1u);
    EXPECT_EQ(target.Pixel(1, 0), 4u);
    EXPECT_EQ(target.Pixel(2, 0), 6u);
}

TEST(StretchBltTest, OppositeSignsMirror) {
    Canvas source(3, 2);
    Number(source);
    Canvas target(3, 2);
    ASSERT_TRUE(StretchBlt(target.Dc(), 3, 0, -3, 2, source.Dc(), 0, 0, 3, 2, SRCCOPY));
    EXPECT_EQ(target.Pixel(0, 0), 2u);
    EXPECT_EQ(target.Pixel(2, 0), 0u);
    EXPECT_EQ(target.Pixel(0, 1), 0x12u);
}

// The skin's nine-piece composition of a 75 × 23 button face from a 9 × 21 tile.
TEST(StretchBltTest, NinePieceFaceKeepsBandsAndStretchesTheCentre) {
    Canvas skin(9, 21);
    Number(skin);
    Canvas face(75, 23, RGB(1, 2, 3));
    const HDC d = face.Dc();
    const HDC s = skin.Dc();
    const int w = 75;
    const int h = 23;
    BitBlt(d, 0, 0, 4, 5, s, 0, 0, SRCCOPY);
    StretchBlt(d, 4, 0, w - 8, 5, s, 4, 0, 1, 5, SRCCOPY);
    BitBlt(d, w - 4, 0, 4, 5, s, 5, 0, SRCCOPY);
    StretchBlt(d, 0, 5, 4, h - 10, s, 0, 5, 4, 11, SRCCOPY);
    StretchBlt(d, w - 4, 5, 4, h - 10, s, 5, 5, 4, 11, SRCCOPY);
    BitBlt(d, 0, h - 5, 4, 5, s, 0, 16, SRCCOPY);
    BitBlt(d, w - 4, h - 5, 4, 5, s, 5, 16, SRCCOPY);
    StretchBlt(d, 4, h - 5, w - 8, 5, s, 4, 16, 1, 5, SRCCOPY);
    StretchBlt(d, 4, 5, w - 8, h - 10, s, 4, 5, 1, 11, SRCCOPY);

    EXPECT_EQ(face.Count(0x00010203), 0);  // every pixel covered
    EXPECT_EQ(face.Pixel(3, 4), 3u + 16 * 4);
    EXPECT_EQ(face.Pixel(4, 0), 4u);
    EXPECT_EQ(face.Pixel(70, 0), 4u);
    EXPECT_EQ(face.Pixel(71, 0), 5u);
    EXPECT_EQ(face.Pixel(74, 22), 8u + 16 * 20);
    // The 13 middle rows take source rows 5 ... 15 by floor((2i + 1) * 11 / 26).
    const std::vector<int> rows{5, 6, 7, 7, 8, 9, 10, 11, 12, 13, 13, 14, 15};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(face.Pixel(37, 5 + i), static_cast<std::uint32_t>(4 + 16 * rows[i])) << i;
        EXPECT_EQ(face.Pixel(0, 5 + i), static_cast<std::uint32_t>(16 * rows[i])) << i;
    }
}

}  // namespace
}  // namespace win
