#include <gtest/gtest.h>

#include <vector>

#include "gdi_test_canvas.h"

namespace win {
namespace {

using testing::Canvas;

BITMAPINFO Header(int width, int height, int bits) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    return info;
}

// A 3 × 2 24-bit picture: rows of 9 bytes padded to 12. Bottom-up, so the first row in memory is
// the bottom of the picture.
std::vector<BYTE> ThreeByTwo() {
    return {
        0x01, 0x02, 0x03, 0x11, 0x12, 0x13, 0x21, 0x22, 0x23, 0xEE, 0xEE, 0xEE,  // bottom
        0x31, 0x32, 0x33, 0x41, 0x42, 0x43, 0x51, 0x52, 0x53, 0xEE, 0xEE, 0xEE,  // top
    };
}

TEST(DibTest, RowsArePaddedToFourBytes) {
    EXPECT_EQ(DibRowBytes(3, 24), 12);
    EXPECT_EQ(DibRowBytes(4, 24), 12);
    EXPECT_EQ(DibRowBytes(15, 24), 48);
    EXPECT_EQ(DibRowBytes(3, 32), 12);
}

TEST(DibTest, BottomUpAndTopDownPicturesLandTheRightWayUp) {
    const std::vector<BYTE> bits = ThreeByTwo();
    Canvas canvas(3, 2);
    BITMAPINFO info = Header(3, 2, 24);
    ASSERT_EQ(SetDIBitsToDevice(canvas.Dc(), 0, 0, 3, 2, 0, 0, 0, 2, bits, &info, DIB_RGB_COLORS),
              2);
    EXPECT_EQ(canvas.Pixel(0, 0), 0x00333231u);  // top row of the picture
    EXPECT_EQ(canvas.Pixel(2, 1), 0x00232221u);
    info = Header(3, -2, 24);
    ASSERT_EQ(SetDIBitsToDevice(canvas.Dc(), 0, 0, 3, 2, 0, 0, 0, 2, bits, &info, DIB_RGB_COLORS),
              2);
    EXPECT_EQ(canvas.Pixel(0, 0), 0x00030201u);
    EXPECT_EQ(canvas.Pixel(2, 1), 0x00535251u);
}

TEST(DibTest, StretchDibitsAtOneToOnePutsTheBlockAtItsPlace) {
    // 32-bit, bottom-up: the gradient primitive's call.
    const int w = 2;
    const int h = 3;
    std::vector<BYTE> bits;
    for (int row = 0; row < h; ++row) {  // bottom row first
        for (int x = 0; x < w; ++x) {
            bits.insert(bits.end(), {BYTE(x), BYTE(row), 0x77, 0});
        }
    }
    Canvas canvas(5, 5);
    BITMAPINFO info = Header(w, h, 32);
    EXPECT_EQ(
        StretchDIBits(canvas.Dc(), 1, 1, w, h, 0, 0, w, h, bits, &info, DIB_RGB_COLORS, SRCCOPY),
        h);
    EXPECT_EQ(canvas.Pixel(1, 1), 0x00770200u);  // top of the block: the last row in memory
    EXPECT_EQ(canvas.Pixel(2, 3), 0x00770001u);
    EXPECT_EQ(canvas.Pixel(3, 3), testing::kWhitePixel);
    EXPECT_EQ(canvas.Pixel(1, 4), testing::kWhitePixel);
    // A source sub-rectangle of a bottom-up picture counts rows from the bottom.
    Canvas one(1, 1);
    StretchDIBits(one.Dc(), 0, 0, 1, 1, 1, 0, 1, 1, bits, &info, DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(one.Pixel(0, 0), 0x00770001u);
}

TEST(DibTest, ShortBuffersAndBadHeadersDrawNothing) {
    const std::vector<BYTE> bits = ThreeByTwo();
    Canvas canvas(3, 2);
    BITMAPINFO info = Header(3, 2, 24);
    const std::span<const BYTE> shortBits(bits.data(), bits.size() - 1);
    EXPECT_EQ(
        SetDIBitsToDevice(canvas.Dc(), 0, 0, 3, 2, 0, 0, 0, 2, shortBits, &info, DIB_RGB_COLORS),
        0);
    EXPECT_EQ(StretchDIBits(canvas.Dc(), 0, 0, 3, 2, 0, 0, 3, 2, shortBits, &info, DIB_RGB_COLORS,
                            SRCCOPY),
              0);
    for (BITMAPINFO bad : {Header(0, 2, 24), Header(3, 0, 24), Header(3, 2, 16),
                           Header(3, INT32_MIN, 24), Header(-3, 2, 24), Header(1 << 30, 1, 32)}) {
        EXPECT_EQ(
            StretchDIBits(canvas.Dc(), 0, 0, 3, 2, 0, 0, 3, 2, bits, &bad, DIB_RGB_COLORS, SRCCOPY),
            0);
    }
    BITMAPINFO compressed = Header(3, 2, 24);
    compressed.bmiHeader.biCompression = 1;
    EXPECT_EQ(
        SetDIBitsToDevice(canvas.Dc(), 0, 0, 3, 2, 0, 0, 0, 2, bits, &compressed, DIB_RGB_COLORS),
        0);
    EXPECT_EQ(
        StretchDIBits(canvas.Dc(), 0, 0, 3, 2, 0, 0, 3, 2, bits, nullptr, DIB_RGB_COLORS, SRCCOPY),
        0);
    EXPECT_EQ(canvas.Count(testing::kWhitePixel), 6);
}

TEST(DibTest, SetDibitsToDeviceDrawsOnlyTheBandItIsGiven) {
    // Scan lines 1 and 2 (from the bottom) of a 1 × 4 bottom-up picture.
    const std::vector<BYTE> band{0x10, 0, 0, 0, 0x20, 0, 0, 0};
    Canvas canvas(1, 4);
    BITMAPINFO info = Header(1, 4, 32);
    EXPECT_EQ(SetDIBitsToDevice(canvas.Dc(), 0, 0, 1, 4, 0, 0, 1, 2, band, &info, DIB_RGB_COLORS),
              2);
    EXPECT_EQ(canvas.Pixel(0, 0), testing::kWhitePixel);
    EXPECT_EQ(canvas.Pixel(0, 1), 0x20u);  // scan line 2
    EXPECT_EQ(canvas.Pixel(0, 2), 0x10u);  // scan line 1
    EXPECT_EQ(canvas.Pixel(0, 3), testing::kWhitePixel);
}

TEST(DibTest, GetDibitsReadsBackInEitherOrderAndPadsWithZeros) {
    Canvas canvas(3, 2);
    canvas.SetRaw(0, 0, 0x00AABBCC);
    canvas.SetRaw(2, 1, 0x7F112233);
    const HBITMAP bitmap = canvas.Bitmap();
    BITMAPINFO info = Header(0, 0, 0);
    ASSERT_GT(GetDIBits(canvas.Dc(), bitmap, 0, 0, {}, &info, DIB_RGB_COLORS), 0);
    EXPECT_EQ(info.bmiHeader.biWidth, 3);
    EXPECT_EQ(info.bmiHeader.biHeight, 2);
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);
    EXPECT_EQ(info.bmiHeader.biSizeImage, 24u);

    info = Header(3, 2, 24);
    std::vector<BYTE> bits(24, 0xEE);
    ASSERT_EQ(GetDIBits(canvas.Dc(), bitmap, 0, 2, bits, &info, DIB_RGB_COLORS), 2);
    // Bottom-up: memory row 0 is picture row 1.
    EXPECT_EQ(bits[6], 0x33);
    EXPECT_EQ(bits[7], 0x22);
    EXPECT_EQ(bits[8], 0x11);
    EXPECT_EQ(bits[9], 0x00);  // padding
    EXPECT_EQ(bits[12], 0xCC);
    EXPECT_EQ(bits[14], 0xAA);

    info = Header(3, -2, 32);
    std::vector<BYTE> top(24);
    ASSERT_EQ(GetDIBits(canvas.Dc(), bitmap, 0, 2, top, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(top[0], 0xCC);
    EXPECT_EQ(top[23], 0x7F);  // alpha comes along in 32 bits

    std::vector<BYTE> tooSmall(23);
    EXPECT_EQ(GetDIBits(canvas.Dc(), bitmap, 0, 2, tooSmall, &info, DIB_RGB_COLORS), 0);
    info = Header(4, 2, 32);
    EXPECT_EQ(GetDIBits(canvas.Dc(), bitmap, 0, 2, top, &info, DIB_RGB_COLORS), 0);
}

TEST(DibTest, OddWidthPicturesRoundTripThroughDibs) {
    // 15 pixels: 45 bytes of each 24-bit row padded to 48.
    Canvas source(15, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 15; ++x) {
            source.SetRaw(x, y, static_cast<std::uint32_t>(0x010203 * (x + 1) + 0x100000 * y));
        }
    }
    BITMAPINFO info = Header(15, 3, 24);
    std::vector<BYTE> bits(48 * 3);
    ASSERT_EQ(GetDIBits(source.Dc(), source.Bitmap(), 0, 3, bits, &info, DIB_RGB_COLORS), 3);
    Canvas copy(15, 3);
    ASSERT_EQ(SetDIBitsToDevice(copy.Dc(), 0, 0, 15, 3, 0, 0, 0, 3, bits, &info, DIB_RGB_COLORS),
              3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 15; ++x) {
            EXPECT_EQ(copy.Pixel(x, y), source.Pixel(x, y)) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace win
