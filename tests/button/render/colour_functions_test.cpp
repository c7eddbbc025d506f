#include "button/render/colour_functions.h"

#include <gtest/gtest.h>

#include "button/render/effect_tables.h"

namespace quellan {
namespace {

constexpr win::COLORREF Grey(int level) {
    return win::RGB(static_cast<win::BYTE>(level), static_cast<win::BYTE>(level),
                    static_cast<win::BYTE>(level));
}

struct ShiftCase {
    win::COLORREF colour;
    float fraction;
    win::COLORREF expected;
};

TEST(ShiftColor, RoundsExactHalvesToEvenAndClampsOnlyTowardItsMove) {
    // 0.1 * 255 is 25.5 in single precision; 0.3 * 255 is 76.5.
    const ShiftCase cases[] = {
        {Grey(0), 0.1f, Grey(26)},     // 25.5 -> 26
        {Grey(1), 0.1f, Grey(26)},     // 26.5 -> 26
        {Grey(2), 0.1f, Grey(28)},     // 27.5 -> 28
        {Grey(0), 0.3f, Grey(76)},     // 76.5 -> 76
        {Grey(255), 0.1f, Grey(255)},  // clamped above
        {Grey(240), 0.1f, Grey(255)},
        {Grey(10), -0.1f, Grey(0)},    // -15.5 clamped below
        {Grey(100), -0.1f, Grey(74)},  // 74.5 -> 74
        {Grey(101), -0.1f, Grey(76)},  // 75.5 -> 76
        {Grey(77), 0.0f, Grey(77)},
        {win::RGB(10, 128, 250), 0.02f, win::RGB(15, 133, 255)},  // 5.1 per channel
    };
    for (const ShiftCase& c : cases) {
        EXPECT_EQ(ShiftColor(c.colour, c.fraction), c.expected)
            << std::hex << c.colour << " by " << c.fraction;
    }
}

TEST(AverageColors, RoundsHalvesToEvenPerChannel) {
    const struct {
        win::COLORREF a, b, expected;
    } cases[] = {
        {Grey(128), Grey(255), Grey(192)},  // 191.5
        {1, 2, 2},                          // red 1.5
        {2, 3, 2},                          // red 2.5
        {win::RGB(0, 10, 255), win::RGB(255, 11, 0), win::RGB(128, 10, 128)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AverageColors(c.a, c.b), c.expected);
    }
}

TEST(TranslateColor, PlainColoursPassAndSystemColoursResolve) {
    EXPECT_EQ(TranslateColor(0x00C0C0C0), 0x00C0C0C0u);
    EXPECT_EQ(TranslateColor(0x80000011), win::GetSysColor(win::COLOR_GRAYTEXT));
    EXPECT_EQ(TranslateColor(0x800000FE), win::CLR_INVALID);
}

TEST(EffectTables, FollowTheirFormulas) {
    const EffectTable brighten = BrightenTable();
    const EffectTable darken = DarkenTable();
    EXPECT_EQ(brighten[255], 255);
    EXPECT_EQ(brighten[100], 114);
    EXPECT_EQ(brighten[200], 229);
    EXPECT_EQ(brighten[221], 253);  // 253.9 truncates
    EXPECT_EQ(brighten[222], 255);  // 255.08 capped
    EXPECT_EQ(darken[255], 217);
    EXPECT_EQ(darken[100], 85);
    EXPECT_EQ(darken[0], 0);
    for (int v = 1; v < 256; ++v) {
        EXPECT_GE(brighten[v], brighten[v - 1]);
        EXPECT_GE(darken[v], darken[v - 1]);
    }
}

}  // namespace
}  // namespace quellan
