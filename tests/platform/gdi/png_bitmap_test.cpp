#include "platform/gdi/png/bitmap_png.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/png/png_codec.h"

namespace win::png {
namespace {

PngImage Picture(int bitsPerPixel) {
    PngImage image;
    image.width = 3;
    image.height = 2;
    image.bitsPerPixel = bitsPerPixel;
    const std::uint32_t alpha = bitsPerPixel == 32 ? 0x80000000u : 0;
    image.pixels = {0x00FF0000 | alpha, 0x0000FF00,         0x000000FF | alpha,
                    0x00123456,         0x00FFFFFF | alpha, 0x00000000};
    return image;
}

class BitmapPngTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("quellan_bitmap_png_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(dir_);
        before_ = GdiLiveObjects();
    }
    void TearDown() override {
        EXPECT_EQ(GdiLiveObjects(), before_);
        std::filesystem::remove_all(dir_);
    }

    std::filesystem::path dir_;
    GdiObjectCounts before_;
};

TEST_F(BitmapPngTest, PicturesBecomeBitmapsOfTheirDepthAndBack) {
    for (int bits : {24, 32}) {
        SCOPED_TRACE(bits);
        const PngImage original = Picture(bits);
        const HBITMAP bitmap = CreateBitmapFromPng(original);
        ASSERT_TRUE(bitmap);
        BITMAP info;
        ASSERT_NE(GetObject(bitmap, &info), 0);
        EXPECT_EQ(info.bmWidth, 3);
        EXPECT_EQ(info.bmHeight, 2);
        EXPECT_EQ(info.bmBitsPixel, bits);

        const auto kept = PictureOfBitmap(bitmap, PngAlpha::Keep);
        ASSERT_TRUE(kept);
        EXPECT_EQ(kept->bitsPerPixel, bits);
        EXPECT_EQ(kept->pixels, original.pixels);
        DeleteObject(bitmap);
    }
}

TEST_F(BitmapPngTest, ScreenshotsAreOpaqueUnlessAlphaIsKept) {
    const HBITMAP bitmap = CreateBitmapFromPng(Picture(32));
    ASSERT_TRUE(bitmap);
    std::string error;
    ASSERT_TRUE(SaveBitmapPng(bitmap, dir_ / "shot.png", PngAlpha::Drop, &error)) << error;
    ASSERT_TRUE(SaveBitmapPng(bitmap, dir_ / "alpha.png", PngAlpha::Keep, &error)) << error;
    DeleteObject(bitmap);

    const PngReadResult opaque = ReadPngFile(dir_ / "shot.png");
    ASSERT_TRUE(opaque) << opaque.error;
    EXPECT_EQ(opaque.image->bitsPerPixel, 24);
    EXPECT_EQ(opaque.image->pixels[0], 0x00FF0000u);
    const PngReadResult withAlpha = ReadPngFile(dir_ / "alpha.png");
    ASSERT_TRUE(withAlpha) << withAlpha.error;
    EXPECT_EQ(withAlpha.image->pixels, Picture(32).pixels);

    const HBITMAP loaded = LoadPngBitmap(dir_ / "alpha.png", &error);
    ASSERT_TRUE(loaded) << error;
    BITMAP info;
    GetObject(loaded, &info);
    EXPECT_EQ(info.bmBitsPixel, 32);
    DeleteObject(loaded);
}

TEST_F(BitmapPngTest, BadFilesAndBitmapsFailWithoutLeaking) {
    { std::ofstream(dir_ / "bad.png", std::ios::binary) << "\x89PNG\r\n\x1a\nnot really"; }
    std::string error;
    EXPECT_FALSE(LoadPngBitmap(dir_ / "bad.png", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(LoadPngBitmap(dir_ / "missing.png"));

    PngImage inconsistent = Picture(24);
    inconsistent.pixels.pop_back();
    EXPECT_FALSE(CreateBitmapFromPng(inconsistent));

    const HBITMAP bitmap = CreateBitmapFromPng(Picture(24));
    DeleteObject(bitmap);
    EXPECT_FALSE(PictureOfBitmap(bitmap, PngAlpha::Keep));
    EXPECT_FALSE(SaveBitmapPng(bitmap, dir_ / "dead.png"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "dead.png"));
}

}  // namespace
}  // namespace win::png
