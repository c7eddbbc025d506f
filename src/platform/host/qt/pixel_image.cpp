#include "platform/host/qt/pixel_image.h"

#include <cstdint>

namespace win::host::desktop {

namespace {

bool IsValid(const std::uint32_t* pixels, int width, int height, int stride) {
    return pixels != nullptr && width > 0 && height > 0 && stride >= width;
}

qsizetype BytesPerLine(int stride) {
    return static_cast<qsizetype>(stride) * static_cast<qsizetype>(sizeof(std::uint32_t));
}

}  // namespace

QImage WrapPixels(PixelView view) {
    if (!IsValid(view.pixels, view.width, view.height, view.stride)) {
        return {};
    }
    return QImage(reinterpret_cast<const uchar*>(view.pixels), view.width, view.height,
                  BytesPerLine(view.stride), QImage::Format_RGB32);
}

QImage WrapPixels(PixelTarget target) {
    if (!IsValid(target.pixels, target.width, target.height, target.stride)) {
        return {};
    }
    return QImage(reinterpret_cast<uchar*>(target.pixels), target.width, target.height,
                  BytesPerLine(target.stride), QImage::Format_RGB32);
}

QImage CopyPixels(PixelView view) {
    return WrapPixels(view).copy();
}

}  // namespace win::host::desktop
