#include "platform/gdi/png/bitmap_png.h"

#include <cstdint>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/png/png_codec.h"

namespace win::png {
namespace {

void SetError(std::string* error, std::string text) {
    if (error) {
        *error = std::move(text);
    }
}

// The DC that GetDIBits wants, released on every path.
class ScratchDc {
public:
    ScratchDc() : dc_(CreateCompatibleDC(nullptr)) {}
    ~ScratchDc() {
        if (dc_) {
            DeleteDC(dc_);
        }
    }
    ScratchDc(const ScratchDc&) = delete;
    ScratchDc& operator=(const ScratchDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace

HBITMAP CreateBitmapFromPng(const PngImage& image) {
    if (!image.IsConsistent()) {
        return nullptr;
    }
    return CreatePictureBitmap(image.width, image.height, static_cast<UINT>(image.bitsPerPixel),
                               image.pixels);
}

HBITMAP LoadPngBitmap(const std::filesystem::path& path, std::string* error) {
    PngReadResult read = ReadPngFile(path);
    if (!read) {
        SetError(error, read.error);
        return nullptr;
    }
    HBITMAP bitmap = CreateBitmapFromPng(*read.image);
    if (!bitmap) {
        SetError(error, "PNG: " + path.string() + ": no bitmap of that size can be made");
    }
    return bitmap;
}

std::optional<PngImage> PictureOfBitmap(HBITMAP bitmap, PngAlpha alpha) {
    BITMAP info;
    if (GetObject(bitmap, &info) == 0 || info.bmWidth <= 0 || info.bmHeight <= 0) {
        return std::nullopt;
    }
    ScratchDc dc;
    BITMAPINFO request{};
    request.bmiHeader.biWidth = info.bmWidth;
    request.bmiHeader.biHeight = -info.bmHeight;  // top-down
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    std::vector<BYTE> bytes(static_cast<std::size_t>(info.bmWidth) * info.bmHeight * 4);
    const UINT lines = static_cast<UINT>(info.bmHeight);
    if (!dc.Get() || GetDIBits(dc.Get(), bitmap, 0, lines, bytes, &request, DIB_RGB_COLORS) !=
                         static_cast<int>(lines)) {
        return std::nullopt;
    }
    PngImage image;
    image.width = info.bmWidth;
    image.height = info.bmHeight;
    const bool keepAlpha = alpha == PngAlpha::Keep && info.bmBitsPixel == 32;
    image.bitsPerPixel = keepAlpha ? 32 : 24;
    image.pixels.reserve(bytes.size() / 4);
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        const std::uint32_t a = keepAlpha ? bytes[i + 3] : 0;
        image.pixels.push_back(std::uint32_t{bytes[i]} | std::uint32_t{bytes[i + 1]} << 8 |
                               std::uint32_t{bytes[i + 2]} << 16 | a << 24);
    }
    return image;
}

bool SaveBitmapPng(HBITMAP bitmap, const std::filesystem::path& path, PngAlpha alpha,
                   std::string* error) {
    const std::optional<PngImage> image = PictureOfBitmap(bitmap, alpha);
    if (!image) {
        SetError(error, "PNG: the bitmap is not valid or has no pixels");
        return false;
    }
    return WritePngFile(path, *image, error);
}

}  // namespace win::png
