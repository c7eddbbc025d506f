#include "platform/host/qt/span_region.h"

#include <gtest/gtest.h>

#include "platform/host/qt/platform_choice.h"

namespace win::host::desktop {
namespace {

long long Area(const QRegion& region) {
    long long area = 0;
    for (const QRect& rect : region) {
        area += static_cast<long long>(rect.width()) * rect.height();
    }
    return area;
}

TEST(RegionFromSpans, UnsortedOverlappingAndTouchingSpansGiveTheirUnion) {
    const std::vector<Span> spans{{2, 5, 9}, {0, 0, 4}, {2, 0, 3}, {2, 3, 6}, {0, 4, 6}, {1, 7, 7}};
    const QRegion region = RegionFromSpans(spans);
    // Row 0: 0..5, row 1: nothing (empty span), row 2: 0..8.
    EXPECT_EQ(Area(region), 6 + 9);
    EXPECT_TRUE(region.contains(QPoint(5, 0)));
    EXPECT_FALSE(region.contains(QPoint(6, 0)));
    EXPECT_FALSE(region.contains(QPoint(7, 1)));
    EXPECT_TRUE(region.contains(QPoint(0, 2)));
    EXPECT_TRUE(region.contains(QPoint(8, 2)));
    EXPECT_FALSE(region.contains(QPoint(9, 2)));
}

TEST(RegionFromSpans, NoSpansIsAnEmptyRegion) {
    EXPECT_TRUE(RegionFromSpans({}).isEmpty());
}

TEST(SpansFromAlpha, RunsOfOpaqueEnoughPixels) {
    QImage image(5, 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(1, 0, qRgba(0, 0, 0, 200));
    image.setPixel(2, 0, qRgba(0, 0, 0, 128));
    image.setPixel(3, 0, qRgba(0, 0, 0, 127));
    image.setPixel(4, 0, qRgba(0, 0, 0, 255));
    image.setPixel(0, 1, qRgba(0, 0, 0, 255));
    const std::vector<Span> spans = SpansFromAlpha(image, 128);
    EXPECT_EQ(spans, (std::vector<Span>{{0, 1, 3}, {0, 4, 5}, {1, 0, 1}}));
}

TEST(ForcedPlatform, XcbOnlyUnderXWaylandAndOnlyWhenTheUserChoseNothing) {
    EXPECT_EQ(ForcedPlatform({std::nullopt, "wayland-0", ":0"}), "xcb");
    EXPECT_EQ(ForcedPlatform({"", "wayland-0", ":0"}), "xcb");
    EXPECT_EQ(ForcedPlatform({"wayland", "wayland-0", ":0"}), std::nullopt);
    EXPECT_EQ(ForcedPlatform({std::nullopt, "wayland-0", std::nullopt}), std::nullopt);
    EXPECT_EQ(ForcedPlatform({std::nullopt, std::nullopt, ":0"}), std::nullopt);
}

}  // namespace
}  // namespace win::host::desktop
