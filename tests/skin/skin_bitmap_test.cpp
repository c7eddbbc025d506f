#include <array>
#include <cstdint>

#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "skin/skin_bitmap.h"

namespace quellan {
namespace {

// 0xRRGGBB of a pixel of the skin.
std::uint32_t Rgb(win::HDC dc, int x, int y) {
    const win::COLORREF c = win::GetPixel(dc, x, y);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

class SkinBitmapTest : public ::testing::Test {
protected:
    SkinBitmapTest() : before(win::GdiLiveObjects()), skin(BuildSkinBitmap()) {}
    ~SkinBitmapTest() override {
        FreeSkinBitmap(skin);
        EXPECT_EQ(win::GdiLiveObjects(), before);
    }
    win::GdiObjectCounts before;
    win::HDC skin;
};

// Column 4 of every tile, the colour that fills the whole face once stretched.
constexpr std::array<std::array<std::uint32_t, 4>, 21> kCentreColumn = {{
    {0x1B8FD5, 0x1B8FD5, 0x1B8FD5, 0xBFBFBF}, {0xFFFFFF, 0x4CC3FB, 0x3BBCFA, 0xFFFFFF},
    {0xFFFFFF, 0xC6EDFF, 0x9BD4F5, 0xFFFFFF}, {0xF1F8FC, 0xD2EEFC, 0x9ACDEE, 0xF8F8F8},
    {0xEEF6FB, 0xDFF2FC, 0xA5CFEE, 0xF7F7F7}, {0xEAF4FB, 0xE4F2FC, 0xADD1EE, 0xF5F5F5},
    {0xE6F2FB, 0xE2F2FC, 0xB2D4EF, 0xF4F4F4}, {0xE2F0FA, 0xE0F1FB, 0xB8D7F1, 0xF2F2F2},
    {0xDEEEFA, 0xDDF0FB, 0xBDDBF2, 0xF1F1F1}, {0xDAECF9, 0xDBEEFB, 0xC2DEF4, 0xEFEFEF},
    {0xD7EAF9, 0xD9EDFB, 0xC6E1F6, 0xEEEEEE}, {0xCCE2F5, 0xCBE4F7, 0xD4EAFA, 0xE8E8E8},
    {0xC8DFF3, 0xC7E1F5, 0xD7ECFA, 0xE5E5E5}, {0xC3DCF1, 0xC2DEF3, 0xDAEDFB, 0xE3E3E3},
    {0xBED8EF, 0xBCDBF2, 0xDDEFFB, 0xE0E0E0}, {0xB8D5ED, 0xB7D7F1, 0xE0F1FB, 0xDDDDDD},
    {0xB4D2EB, 0xAFD5EF, 0xDBF0FB, 0xDBDBDB}, {0xB1D0EA, 0xA7D4F2, 0xD1EEFC, 0xD9D9D9},
    {0xB0CFE9, 0x99D2F3, 0xBEE8FE, 0xD8D8D8}, {0xCCE0F1, 0x3FBBF8, 0x46C2FC, 0xE6E6E6},
    {0x1B8FD5, 0x1B8FD5, 0x1B8FD5, 0xBFBFBF},
}};

struct WholeRow {
    int tile;
    int row;
    std::array<std::uint32_t, 9> colours;
};

// The corners and rims that are drawn exactly as designed.
const WholeRow kWholeRows[] = {
    {0,
     0,
     {0x78BAE6, 0x6BB3E3, 0x2C97D8, 0x1B8FD5, 0x1B8FD5, 0x1B8FD5, 0x2C97D8, 0x6BB3E3, 0x78BAE6}},
    {0,
     1,
     {0x69B2E2, 0x7EC0E7, 0xE7F3FB, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7F3FB, 0x7EC0E7, 0x69B2E2}},
    {0,
     2,
     {0x2995D7, 0xECF6FC, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xECF6FC, 0x2995D7}},
    {0,
     3,
     {0x1B8FD5, 0xF5FAFD, 0xF1F8FC, 0xF1F8FC, 0xF1F8FC, 0xF1F8FC, 0xF1F8FC, 0xF5FAFD, 0x1B8FD5}},
    {0,
     10,
     {0x1B8FD5, 0xE3F0FB, 0xD7EAF9, 0xD7EAF9, 0xD7EAF9, 0xD7EAF9, 0xD7EAF9, 0xE3F0FB, 0x1B8FD5}},
    {0,
     17,
     {0x1B8FD5, 0xC9DEF0, 0xB1D0EA, 0xB1D0EA, 0xB1D0EA, 0xB1D0EA, 0xB1D0EA, 0xC9DEF0, 0x1B8FD5}},
    {0,
     18,
     {0x2895D7, 0xBAD7EE, 0xBBD6EC, 0xB0CFE9, 0xB0CFE9, 0xB0CFE9, 0xBBD5EC, 0xBAD7EE, 0x2895D7}},
    {0,
     19,
     {0x64B0E2, 0x68B2E1, 0xBBD8EE, 0xCCE0F1, 0xCCE0F1, 0xCCE0F1, 0xBBD8EE, 0x68B2E1, 0x62AFE1}},
    {0,
     20,
     {0x70B6E4, 0x60AEE1, 0x2A96D8, 0x1B8FD5, 0x1B8FD5, 0x1B8FD5, 0x2A96D8, 0x60AEE1, 0x70B6E4}},
    {1,
     3,
     {0x1B8FD5, 0x46C1FB, 0xAEE3FD, 0xC6EBFD, 0xD2EEFC, 0xC5EBFD, 0xB0E4FE, 0x46C1FB, 0x1B8FD5}},
    {1,
     10,
     {0x1B8FD5, 0x4AC2FB, 0xB9E4FC, 0xD3EDFC, 0xD9EDFB, 0xD3EDFC, 0xB9E4FC, 0x4AC2FB, 0x1B8FD5}},
};

TEST_F(SkinBitmapTest, IsOneBitmapOfNineByEightyFourInAMemoryDc) {
    const win::GdiObjectCounts after = win::GdiLiveObjects();
    EXPECT_EQ(after.dcs, before.dcs + 1);
    EXPECT_EQ(after.bitmaps, before.bitmaps + 1);
    EXPECT_EQ(win::GetDeviceCaps(skin, win::HORZRES), 9);
    EXPECT_EQ(win::GetDeviceCaps(skin, win::VERTRES), 84);
}

TEST_F(SkinBitmapTest, CentreColumnOfEveryTileIsTheFaceAsDesigned) {
    for (int tile = 0; tile < 4; ++tile) {
        for (int row = 0; row < 21; ++row) {
            EXPECT_EQ(Rgb(skin, 4, 21 * tile + row), kCentreColumn[row][tile])
                << "tile " << tile << " row " << row;
        }
    }
}

TEST_F(SkinBitmapTest, CornerAndRimRowsAreAsDesigned) {
    for (const WholeRow& expected : kWholeRows) {
        for (int x = 0; x < 9; ++x) {
            EXPECT_EQ(Rgb(skin, x, 21 * expected.tile + expected.row), expected.colours[x])
                << "tile " << expected.tile << " row " << expected.row << " column " << x;
        }
    }
}

// Our own artwork for the rest follows the design: the outline down both sides of the middle
// band, the tiles mirrored left to right, and a rim lighter than the face in the normal and
// disabled tiles.
TEST_F(SkinBitmapTest, UnlistedPixelsFollowThePattern) {
    const std::uint32_t outline[] = {0x1B8FD5, 0x1B8FD5, 0x1B8FD5, 0xBFBFBF};
    auto sum = [](std::uint32_t c) { return (c >> 16) + ((c >> 8) & 0xFF) + (c & 0xFF); };
    for (int tile = 0; tile < 4; ++tile) {
        for (int row = 3; row <= 17; ++row) {
            const int y = 21 * tile + row;
            EXPECT_EQ(Rgb(skin, 0, y), outline[tile]) << tile << " " << row;
            EXPECT_EQ(Rgb(skin, 8, y), outline[tile]) << tile << " " << row;
            if (tile == 0 || tile == 3) {
                EXPECT_GT(sum(Rgb(skin, 1, y)), sum(Rgb(skin, 4, y))) << tile << " " << row;
            }
        }
        int asymmetric = 0;
        for (int row = 0; row < 21; ++row) {
            for (int x = 0; x < 4; ++x) {
                asymmetric += Rgb(skin, x, 21 * tile + row) != Rgb(skin, 8 - x, 21 * tile + row);
            }
        }
        EXPECT_LE(asymmetric, 2) << "tile " << tile;
    }
}

}  // namespace
}  // namespace quellan
