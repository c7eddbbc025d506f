#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/gdi/png/png_image.h"

namespace win::png {

// A picture with an alpha channel (or transparency) reads as 32 bits with its alpha kept
// unpremultiplied; any other as 24 bits. Palettes, grey levels and 16-bit samples are converted.
PngReadResult DecodePng(std::span<const std::uint8_t> bytes);
PngReadResult ReadPngFile(const std::filesystem::path& path);

// 32-bit pictures are written with their alpha, 24-bit ones without. std::nullopt or false (with
// the reason in `error`) when the picture is inconsistent or the file cannot be written.
std::optional<std::vector<std::uint8_t>> EncodePng(const PngImage& image,
                                                   std::string* error = nullptr);
bool WritePngFile(const std::filesystem::path& path, const PngImage& image,
                  std::string* error = nullptr);

}  // namespace win::png
