#include "platform/host/qt/qt_theme.h"

#include <gtest/gtest.h>

#include "tests/platform/host/qt/support/host_fixture.h"

namespace win::host::desktop {
namespace {

constexpr std::uint32_t kBackground = 0x00123456;

class QtThemeTest : public ::testing::Test {
protected:
    std::vector<std::uint32_t> Panel(PushButtonState state) {
        std::vector<std::uint32_t> pixels(kWidth * kHeight, kBackground);
        theme_.DrawPushButton({pixels.data(), kWidth, kHeight, kWidth}, {10, 5, 90, 35}, state);
        return pixels;
    }

    static constexpr int kWidth = 100;
    static constexpr int kHeight = 40;
    QtHost& host_ = testing::SharedHost();
    QtTheme theme_;
};

TEST_F(QtThemeTest, PanelsFillTheirBoundsOnlyAndDifferByState) {
    const auto normal = Panel(PushButtonState::Normal);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t pixel = normal[y * kWidth + x];
            EXPECT_EQ(pixel >> 24, 0u) << "unused byte at " << x << "," << y;
            if (x < 10 || x >= 90 || y < 5 || y >= 35) {
                ASSERT_EQ(pixel, kBackground) << "outside at " << x << "," << y;
            }
        }
    }
    EXPECT_NE(normal[20 * kWidth + 50], kBackground);
    EXPECT_NE(Panel(PushButtonState::Pressed), normal);
    EXPECT_NE(Panel(PushButtonState::Disabled), normal);
    EXPECT_NE(Panel(PushButtonState::Default), normal);
}

TEST_F(QtThemeTest, ShapeCoversTheMiddleAndStaysInsideTheSize) {
    const std::vector<Span> spans = theme_.PushButtonShape({80, 30}, PushButtonState::Normal);
    ASSERT_FALSE(spans.empty());
    long long area = 0;
    bool middleCovered = false;
    for (const Span& span : spans) {
        EXPECT_GE(span.left, 0);
        EXPECT_LE(span.right, 80);
        EXPECT_GE(span.y, 0);
        EXPECT_LT(span.y, 30);
        area += span.right - span.left;
        middleCovered |= span.y == 15 && span.left <= 40 && span.right > 40;
    }
    EXPECT_TRUE(middleCovered);
    EXPECT_LE(area, 80 * 30);
    EXPECT_GT(area, 80 * 30 / 2);
}

TEST_F(QtThemeTest, DegenerateRequestsDrawNothing) {
    std::vector<std::uint32_t> pixels(16, kBackground);
    theme_.DrawPushButton({pixels.data(), 4, 4, 4}, {2, 2, 2, 4}, PushButtonState::Normal);
    theme_.DrawPushButton({nullptr, 4, 4, 4}, {0, 0, 4, 4}, PushButtonState::Normal);
    EXPECT_EQ(pixels, std::vector<std::uint32_t>(16, kBackground));
    EXPECT_TRUE(theme_.PushButtonShape({0, 10}, PushButtonState::Hot).empty());
}

}  // namespace
}  // namespace win::host::desktop
