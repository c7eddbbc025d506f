#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/png/png_image.h"

namespace win::png {

// A new bitmap of the picture's depth (24 or 32 bits, alpha kept); null for an inconsistent one.
HBITMAP CreateBitmapFromPng(const PngImage& image);
// Null, with the reason in `error`, when the file cannot be read or is not a usable PNG.
HBITMAP LoadPngBitmap(const std::filesystem::path& path, std::string* error = nullptr);

enum class PngAlpha {
    Drop,  // an opaque 24-bit file: what a screenshot of window pixels wants
    Keep,  // a 32-bit bitmap keeps its alpha (pictures made from 32-bit data)
};

// The bitmap's pixels as a picture; std::nullopt for a bitmap that is not valid or is empty.
std::optional<PngImage> PictureOfBitmap(HBITMAP bitmap, PngAlpha alpha);
// Writes the bitmap's pixels as a PNG file: screenshots and debugging.
bool SaveBitmapPng(HBITMAP bitmap, const std::filesystem::path& path,
                   PngAlpha alpha = PngAlpha::Drop, std::string* error = nullptr);

}  // namespace win::png
