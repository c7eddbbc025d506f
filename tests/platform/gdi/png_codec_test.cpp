#include "platform/gdi/png/png_codec.h"

#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>

namespace win::png {
namespace {

PngImage Sample(int width, int height, int bitsPerPixel) {
    PngImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bitsPerPixel;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = static_cast<std::uint32_t>(x * 40) << 16 |
                                      static_cast<std::uint32_t>(y * 70) << 8 |
                                      static_cast<std::uint32_t>(x * 13 + y * 7);
            const std::uint32_t alpha = bitsPerPixel == 32 ? (x * 60 + y * 3) & 0xFF : 0;
            image.pixels.push_back(alpha << 24 | rgb);
        }
    }
    return image;
}

std::vector<std::uint8_t> EncodedOrEmpty(const PngImage& image) {
    auto encoded = EncodePng(image);
    return encoded ? *encoded : std::vector<std::uint8_t>{};
}

// A PNG chunk with a correct CRC, so only the content we mean to be wrong is wrong.
void AppendChunk(std::vector<std::uint8_t>& file, const char* type,
                 const std::vector<std::uint8_t>& data) {
    auto put32 = [&file](std::uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            file.push_back(static_cast<std::uint8_t>(v >> shift));
        }
    };
    put32(static_cast<std::uint32_t>(data.size()));
    const std::size_t crcStart = file.size();
    file.insert(file.end(), type, type + 4);
    file.insert(file.end(), data.begin(), data.end());
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = crcStart; i < file.size(); ++i) {
        crc ^= file[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    put32(crc ^ 0xFFFFFFFFu);
}

std::vector<std::uint8_t> HeaderOnlyPng(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> ihdr;
    for (std::uint32_t v : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            ihdr.push_back(static_cast<std::uint8_t>(v >> shift));
        }
    }
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA
    AppendChunk(file, "IHDR", ihdr);
    AppendChunk(file, "IDAT", {0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01});
    AppendChunk(file, "IEND", {});
    return file;
}

TEST(PngCodec, RoundTripKeepsDepthAndEveryPixel) {
    for (int bits : {24, 32}) {
        SCOPED_TRACE(bits);
        const PngImage original = Sample(5, 3, bits);  // 15 or 20 bytes a row: no padding
        const PngReadResult decoded = DecodePng(EncodedOrEmpty(original));
        ASSERT_TRUE(decoded) << decoded.error;
        EXPECT_EQ(decoded.image->width, 5);
        EXPECT_EQ(decoded.image->height, 3);
        EXPECT_EQ(decoded.image->bitsPerPixel, bits);
        EXPECT_EQ(decoded.image->pixels, original.pixels);
    }
}

TEST(PngCodec, AlphaIsKeptUnpremultipliedEvenWhenTransparent) {
    PngImage image;
    image.width = 3;
    image.height = 1;
    image.pixels = {0x00FF8040, 0x80FF8040, 0xFFFF8040};
    const PngReadResult decoded = DecodePng(EncodedOrEmpty(image));
    ASSERT_TRUE(decoded) << decoded.error;
    EXPECT_EQ(decoded.image->pixels, image.pixels);
}

TEST(PngCodec, GreyPicturesReadAsTwentyFourBitColour) {
    const std::array<std::uint8_t, 2> grey = {0x10, 0xF0};
    png_image header{};
    header.version = PNG_IMAGE_VERSION;
    header.width = 2;
    header.height = 1;
    header.format = PNG_FORMAT_GRAY;
    png_alloc_size_t size = 0;
    ASSERT_TRUE(png_image_write_to_memory(&header, nullptr, &size, 0, grey.data(), 0, nullptr));
    std::vector<std::uint8_t> file(size);
    ASSERT_TRUE(png_image_write_to_memory(&header, file.data(), &size, 0, grey.data(), 0, nullptr));
    file.resize(size);

    const PngReadResult decoded = DecodePng(file);
    ASSERT_TRUE(decoded) << decoded.error;
    EXPECT_EQ(decoded.image->bitsPerPixel, 24);
    EXPECT_EQ(decoded.image->pixels, (std::vector<std::uint32_t>{0x101010, 0xF0F0F0}));
}

TEST(PngCodec, BadInputFailsWithAReason) {
    const std::vector<std::uint8_t> valid = EncodedOrEmpty(Sample(16, 16, 32));
    ASSERT_FALSE(valid.empty());

    std::vector<std::uint8_t> notPng(valid.size(), 0x42);
    std::vector<std::uint8_t> truncated(valid.begin(), valid.begin() + valid.size() / 2);
    std::vector<std::uint8_t> corrupt = valid;
    corrupt[corrupt.size() - 20] ^= 0xFF;  // inside the compressed data: its CRC fails

    for (const auto* bytes : {&notPng, &truncated, &corrupt}) {
        const PngReadResult result = DecodePng(*bytes);
        EXPECT_FALSE(result);
        EXPECT_FALSE(result.error.empty());
    }
    EXPECT_FALSE(DecodePng({}));
}

TEST(PngCodec, HugeDimensionsAreRefusedBeforeAllocating) {
    EXPECT_FALSE(DecodePng(HeaderOnlyPng(100000, 100000)));
    EXPECT_FALSE(DecodePng(HeaderOnlyPng(kMaxPngSide + 1, 1)));
    EXPECT_FALSE(DecodePng(HeaderOnlyPng(0x7FFFFFFF, 0x7FFFFFFF)));
    const PngReadResult refused = DecodePng(HeaderOnlyPng(10000, 10000));
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.error.find("refused"), std::string::npos) << refused.error;
}

TEST(PngCodec, InconsistentPicturesAreNotEncoded) {
    PngImage shortPixels = Sample(4, 4, 32);
    shortPixels.pixels.pop_back();
    PngImage oddDepth = Sample(4, 4, 32);
    oddDepth.bitsPerPixel = 16;
    PngImage empty;
    for (const PngImage* image : {&shortPixels, &oddDepth, &empty}) {
        std::string error;
        EXPECT_FALSE(EncodePng(*image, &error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(PngCodec, FilesRoundTripAndFailuresAreReported) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("quellan_png_test_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    const PngImage original = Sample(7, 2, 24);
    std::string error;
    ASSERT_TRUE(WritePngFile(dir / "shot.png", original, &error)) << error;
    const PngReadResult back = ReadPngFile(dir / "shot.png");
    ASSERT_TRUE(back) << back.error;
    EXPECT_EQ(back.image->pixels, original.pixels);

    EXPECT_FALSE(ReadPngFile(dir / "missing.png"));
    EXPECT_FALSE(WritePngFile(dir / "no_such_folder" / "shot.png", original, &error));
    EXPECT_FALSE(error.empty());
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace win::png
