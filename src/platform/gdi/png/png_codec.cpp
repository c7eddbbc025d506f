#include "platform/gdi/png/png_codec.h"

#include <png.h>

#include <fstream>
#include <iterator>
#include <system_error>

namespace win::png {
namespace {

constexpr std::uintmax_t kMaxPngFileBytes = std::uintmax_t{256} << 20;

// libpng's simplified interface keeps its own error recovery; all we must do is release the
// decoder on the paths where we give up between its calls.
class ImageGuard {
public:
    ImageGuard() { image_.version = PNG_IMAGE_VERSION; }
    ~ImageGuard() { png_image_free(&image_); }
    ImageGuard(const ImageGuard&) = delete;
    ImageGuard& operator=(const ImageGuard&) = delete;

    png_image& Get() { return image_; }
    std::string Message() const { return image_.message[0] ? image_.message : "unknown error"; }

private:
    png_image image_{};
};

PngReadResult Failure(std::string reason) {
    return {std::nullopt, "PNG: " + std::move(reason)};
}

bool TooLarge(png_uint_32 width, png_uint_32 height) {
    return width > static_cast<png_uint_32>(kMaxPngSide) ||
           height > static_cast<png_uint_32>(kMaxPngSide) ||
           std::int64_t{width} * std::int64_t{height} > kMaxPngPixels;
}

std::uint32_t PackPixel(const std::uint8_t* bgr, std::uint8_t alpha) {
    return static_cast<std::uint32_t>(bgr[0]) | static_cast<std::uint32_t>(bgr[1]) << 8 |
           static_cast<std::uint32_t>(bgr[2]) << 16 | static_cast<std::uint32_t>(alpha) << 24;
}

std::vector<std::uint8_t> UnpackPixels(const PngImage& image) {
    const std::size_t channels = image.bitsPerPixel == 32 ? 4 : 3;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(image.pixels.size() * channels);
    for (std::uint32_t pixel : image.pixels) {
        bytes.push_back(static_cast<std::uint8_t>(pixel));
        bytes.push_back(static_cast<std::uint8_t>(pixel >> 8));
        bytes.push_back(static_cast<std::uint8_t>(pixel >> 16));
        if (channels == 4) {
            bytes.push_back(static_cast<std::uint8_t>(pixel >> 24));
        }
    }
    return bytes;
}

void SetError(std::string* error, std::string text) {
    if (error) {
        *error = std::move(text);
    }
}

}  // namespace

PngReadResult DecodePng(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return Failure("no data");
    }
    ImageGuard guard;
    png_image& image = guard.Get();
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        return Failure(guard.Message());
    }
    if (image.width == 0 || image.height == 0 || TooLarge(image.width, image.height)) {
        return Failure("picture of " + std::to_string(image.width) + " x " +
                       std::to_string(image.height) + " pixels refused");
    }
    const bool hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = hasAlpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    std::vector<std::uint8_t> samples(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, samples.data(), 0, nullptr)) {
        return Failure(guard.Message());
    }

    PngImage result;
    result.width = static_cast<int>(image.width);
    result.height = static_cast<int>(image.height);
    result.bitsPerPixel = hasAlpha ? 32 : 24;
    const std::size_t channels = hasAlpha ? 4 : 3;
    const std::size_t count = std::size_t{image.width} * image.height;
    result.pixels.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* sample = samples.data() + i * channels;
        result.pixels[i] = PackPixel(sample, hasAlpha ? sample[3] : 0);
    }
    return {std::move(result), {}};
}

PngReadResult ReadPngFile(const std::filesystem::path& path) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        return Failure(path.string() + ": " + ec.message());
    }
    if (size > kMaxPngFileBytes) {
        return Failure(path.string() + ": file too large");
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in ||
        !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        return Failure(path.string() + ": cannot be read");
    }
    return DecodePng(bytes);
}

std::optional<std::vector<std::uint8_t>> EncodePng(const PngImage& image, std::string* error) {
    if (!image.IsConsistent() ||
        TooLarge(static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height))) {
        SetError(error, "PNG: the picture's size, depth or pixel count is invalid");
        return std::nullopt;
    }
    const std::vector<std::uint8_t> samples = UnpackPixels(image);
    ImageGuard guard;
    png_image& header = guard.Get();
    header.width = static_cast<png_uint_32>(image.width);
    header.height = static_cast<png_uint_32>(image.height);
    header.format = image.bitsPerPixel == 32 ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;

    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&header, nullptr, &size, 0, samples.data(), 0, nullptr)) {
        SetError(error, "PNG: " + guard.Message());
        return std::nullopt;
    }
    std::vector<std::uint8_t> encoded(size);
    if (!png_image_write_to_memory(&header, encoded.data(), &size, 0, samples.data(), 0, nullptr)) {
        SetError(error, "PNG: " + guard.Message());
        return std::nullopt;
    }
    encoded.resize(size);
    return encoded;
}

bool WritePngFile(const std::filesystem::path& path, const PngImage& image, std::string* error) {
    const auto encoded = EncodePng(image, error);
    if (!encoded) {
        return false;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(encoded->data()),
              static_cast<std::streamsize>(encoded->size()));
    out.close();
    if (!out) {
        SetError(error, "PNG: " + path.string() + " cannot be written");
        return false;
    }
    return true;
}

}  // namespace win::png
