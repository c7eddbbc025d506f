#pragma once

// Picture objects: a bitmap (drawn opaque) or an icon (blended by its alpha), shared by reference
// between the controls that show them. Sizes are kept in pixels and reported in HIMETRIC
// (1/100 mm) as well, at 96 dots per inch.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "platform/forms/gdi_object.h"
#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/png/png_image.h"

namespace win::forms {

enum class PictureType { Bitmap = 1, Icon = 3 };

// HIMETRIC for a pixel length at 96 dpi, rounded to the nearest unit.
int PixelsToHimetric(int pixels);

class StdPicture {
public:
    // Null for an inconsistent image.
    static std::shared_ptr<StdPicture> FromImage(const png::PngImage& image, PictureType type);

    PictureType Type() const { return type_; }
    HBITMAP Handle() const { return bitmap_.Get(); }
    int PixelWidth() const { return width_; }
    int PixelHeight() const { return height_; }
    int Width() const { return PixelsToHimetric(width_); }
    int Height() const { return PixelsToHimetric(height_); }

    // Draws the picture's top-left part of size width × height at (x, y): a bitmap is copied,
    // an icon blended by its alpha.
    void Render(HDC dc, int x, int y, int width, int height) const;
    void Render(HDC dc, int x, int y) const { Render(dc, x, y, width_, height_); }

private:
    StdPicture(GdiObject<HBITMAP> bitmap, PictureType type, int width, int height)
        : bitmap_(std::move(bitmap)), type_(type), width_(width), height_(height) {}

    GdiObject<HBITMAP> bitmap_;
    PictureType type_;
    int width_;
    int height_;
};

using PictureRef = std::shared_ptr<StdPicture>;

// A PNG file as a picture; null, with the reason in `error`, when it cannot be read.
PictureRef LoadPicture(const std::filesystem::path& path, PictureType type = PictureType::Bitmap,
                       std::string* error = nullptr);
// Artwork built into the program as PNG bytes; null when they do not decode.
PictureRef PictureFromPng(std::span<const std::uint8_t> png,
                          PictureType type = PictureType::Bitmap);

}  // namespace win::forms
