#include "meter/frm_bandwidth_icon.h"

#include <gtest/gtest.h>

#include "platform/gdi/png/png_codec.h"

namespace quellan {
namespace {

TEST(BandwidthWindowIcon, IsAThirtyTwoPixelIconWithTransparentCornersAndAnOpaquePanel) {
    win::png::PngReadResult decoded = win::png::DecodePng(FrmBandwidthIconPng());
    ASSERT_TRUE(decoded) << decoded.error;
    const win::png::PngImage& image = *decoded.image;
    ASSERT_EQ(image.width, 32);
    ASSERT_EQ(image.height, 32);
    ASSERT_EQ(image.bitsPerPixel, 32);
    EXPECT_EQ(image.pixels[0] >> 24, 0u);
    EXPECT_EQ(image.pixels[31 * 32 + 31] >> 24, 0u);
    EXPECT_EQ(image.pixels[16 * 32 + 3] >> 24, 0xFFu);

    win::forms::PictureRef icon = FrmBandwidthIcon();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->Type(), win::forms::PictureType::Icon);
    EXPECT_EQ(icon->PixelWidth(), 32);
}

}  // namespace
}  // namespace quellan
