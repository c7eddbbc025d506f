#include <gtest/gtest.h>

#include <cstdlib>

#include "gdi_test_canvas.h"

namespace win {
namespace {

using testing::Canvas;

BLENDFUNCTION Constant(BYTE alpha) {
    BLENDFUNCTION blend;
    blend.SourceConstantAlpha = alpha;
    return blend;
}

std::uint32_t Grey(std::uint32_t level) {
    return level * 0x010101;
}

// Each channel: round((s * a + d * (255 - a)) / 255).
TEST(AlphaBlendTest, ConstantAlphaRoundsToNearest) {
    struct Case {
        std::uint32_t source, destination;
        BYTE alpha;
        std::uint32_t expected;
    };
    for (const Case c : {Case{255, 0, 128, 128},   // 128.0
                         Case{0, 255, 128, 127},   // 127.0
                         Case{255, 0, 1, 1},       // 1.0
                         Case{100, 0, 3, 1},       // 1.18
                         Case{100, 0, 4, 2},       // 1.57
                         Case{0, 255, 70, 185},    // 185.0
                         Case{200, 10, 70, 62},    // 62.16
                         Case{10, 200, 254, 11}})  // 10.75
    {
        Canvas source(1, 1);
        source.SetRaw(0, 0, Grey(c.source));
        Canvas target(1, 1);
        target.SetRaw(0, 0, Grey(c.destination));
        ASSERT_TRUE(
            AlphaBlend(target.Dc(), 0, 0, 1, 1, source.Dc(), 0, 0, 1, 1, Constant(c.alpha)));
        EXPECT_EQ(target.Pixel(0, 0), Grey(c.expected))
            << c.source << " over " << c.destination << " at " << int{c.alpha};
    }
}

TEST(AlphaBlendTest, ZeroKeepsAndFullCopiesWhateverTheColours) {
    Canvas source(16, 16);
    Canvas target(16, 16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            source.SetRaw(x, y, static_cast<std::uint32_t>((x * 17) << 16 | (y * 17) << 8 | 99));
            target.SetRaw(x, y, static_cast<std::uint32_t>((y * 13) << 16 | (x * 5) << 8 | 7));
        }
    }
    AlphaBlend(target.Dc(), 0, 0, 16, 16, source.Dc(), 0, 0, 16, 16, Constant(0));
    EXPECT_EQ(target.Pixel(5, 9), static_cast<std::uint32_t>((9 * 13) << 16 | (5 * 5) << 8 | 7));
    AlphaBlend(target.Dc(), 0, 0, 16, 16, source.Dc(), 0, 0, 16, 16, Constant(255));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(target.Pixel(x, y), source.Pixel(x, y));
        }
    }
}

TEST(AlphaBlendTest, RepeatedFadeStepsReachTheTargetImage) {
    // A skin fade: blending the new image at rising levels ends exactly on it.
    Canvas image(2, 1);
    image.SetRaw(0, 0, 0x00C6EDFF);
    image.SetRaw(1, 0, 0x001B8FD5);
    Canvas window(2, 1);
    window.SetRaw(0, 0, 0x00FFFFFF);
    window.SetRaw(1, 0, 0x00000000);
    for (int level = 70; level <= 255; level += 3) {
        AlphaBlend(window.Dc(), 0, 0, 2, 1, image.Dc(), 0, 0, 2, 1,
                   Constant(static_cast<BYTE>(level)));
    }
    // The last step is at 253: within one unit of the image per channel.
    for (int x = 0; x < 2; ++x) {
        const std::uint32_t got = window.Pixel(x, 0);
        const std::uint32_t want = image.Pixel(x, 0);
        for (int shift = 0; shift <= 16; shift += 8) {
            const int difference =
                static_cast<int>((got >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF);
            EXPECT_LE(std::abs(difference), 1);
        }
    }
}

TEST(AlphaBlendTest, RefusesSourcesOutsideTheSourceAndBadParameters) {
    Canvas source(4, 4, RGB(0, 0, 0));
    Canvas target(4, 4);
    EXPECT_FALSE(AlphaBlend(target.Dc(), 0, 0, 4, 4, source.Dc(), 1, 0, 4, 4, Constant(255)));
    EXPECT_FALSE(AlphaBlend(target.Dc(), 0, 0, -4, 4, source.Dc(), 0, 0, 4, 4, Constant(255)));
    BLENDFUNCTION odd = Constant(255);
    odd.BlendOp = 1;
    EXPECT_FALSE(AlphaBlend(target.Dc(), 0, 0, 4, 4, source.Dc(), 0, 0, 4, 4, odd));
    EXPECT_EQ(target.Count(testing::kWhitePixel), 16);
    // Scaled like StretchBlt, clipped to the destination.
    EXPECT_TRUE(AlphaBlend(target.Dc(), 2, 2, 8, 8, source.Dc(), 0, 0, 2, 2, Constant(255)));
    EXPECT_EQ(target.Count(testing::kBlackPixel), 4);
}

TEST(AlphaBlendTest, PremultipliedSourceAlphaLetsTheBackgroundThrough) {
    Canvas source(1, 1);
    source.SetRaw(0, 0, 0x80800000);  // half-covered red, premultiplied
    Canvas target(1, 1);
    target.SetRaw(0, 0, 0x000000FF);
    BLENDFUNCTION blend = Constant(255);
    blend.AlphaFormat = AC_SRC_ALPHA;
    ASSERT_TRUE(AlphaBlend(target.Dc(), 0, 0, 1, 1, source.Dc(), 0, 0, 1, 1, blend));
    // red 128 + 0; blue 0 + round(255 * 127 / 255) = 127
    EXPECT_EQ(target.Pixel(0, 0) & 0x00FFFFFF, 0x0080007Fu);
}

}  // namespace
}  // namespace win
