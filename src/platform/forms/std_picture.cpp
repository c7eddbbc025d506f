#include "platform/forms/std_picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/alpha_blend.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/pixel_blend.h"
#include "platform/gdi/png/png_codec.h"
#include "platform/gdi/raster_op.h"
#include "platform/numeric/round_half_even.h"

namespace win::forms {
namespace {

// AlphaBlend wants premultiplied pixels.
std::vector<std::uint32_t> Premultiplied(const std::vector<std::uint32_t>& pixels) {
    std::vector<std::uint32_t> out;
    out.reserve(pixels.size());
    for (std::uint32_t pixel : pixels) {
        std::uint32_t alpha = pixel >> 24;
        auto scale = [alpha](std::uint32_t channel) { return gdi::ScaleChannel(channel, alpha); };
        out.push_back((alpha << 24) | (scale((pixel >> 16) & 0xFF) << 16) |
                      (scale((pixel >> 8) & 0xFF) << 8) | scale(pixel & 0xFF));
    }
    return out;
}

}  // namespace

int PixelsToHimetric(int pixels) {
    // |pixels| * 2540 / 96 stays well inside int for every int pixel count.
    return static_cast<int>(
        quellan::numeric::RoundHalfEven(static_cast<double>(pixels) * 2540.0 / 96.0).value_or(0));
}

std::shared_ptr<StdPicture> StdPicture::FromImage(const png::PngImage& image, PictureType type) {
    if (!image.IsConsistent()) {
        return nullptr;
    }
    GdiObject<HBITMAP> bitmap;
    if (type == PictureType::Icon) {
        std::vector<std::uint32_t> pixels = image.pixels;
        if (image.bitsPerPixel == 24) {
            for (auto& pixel : pixels) {
                pixel |= 0xFF000000u;
            }
        }
        bitmap.Reset(CreatePictureBitmap(image.width, image.height, 32, Premultiplied(pixels)));
    } else {
        // A bitmap is drawn opaque: its alpha, if any, is not part of what it shows.
        bitmap.Reset(CreatePictureBitmap(image.width, image.height, 24, image.pixels));
    }
    if (!bitmap) {
        return nullptr;
    }
    return std::shared_ptr<StdPicture>(
        new StdPicture(std::move(bitmap), type, image.width, image.height));
}

void StdPicture::Render(HDC dc, int x, int y, int width, int height) const {
    width = std::min(width, width_);
    height = std::min(height, height_);
    if (width <= 0 || height <= 0) {
        return;
    }
    SelectedBitmap source(bitmap_.Get());
    if (!source.Ok()) {
        return;
    }
    if (type_ == PictureType::Icon) {
        BLENDFUNCTION blend;
        blend.AlphaFormat = AC_SRC_ALPHA;
        AlphaBlend(dc, x, y, width, height, source.Dc(), 0, 0, width, height, blend);
    } else {
        BitBlt(dc, x, y, width, height, source.Dc(), 0, 0, SRCCOPY);
    }
}

PictureRef LoadPicture(const std::filesystem::path& path, PictureType type, std::string* error) {
    auto result = png::ReadPngFile(path);
    if (!result) {
        if (error) {
            *error = result.error;
        }
        return nullptr;
    }
    auto picture = StdPicture::FromImage(*result.image, type);
    if (!picture && error) {
        *error = "the picture could not be made into a bitmap";
    }
    return picture;
}

PictureRef PictureFromPng(std::span<const std::uint8_t> png, PictureType type) {
    png::PngReadResult decoded = png::DecodePng(png);
    return decoded ? StdPicture::FromImage(*decoded.image, type) : nullptr;
}

}  // namespace win::forms
