#include "windows/windows_artwork.h"

#include "platform/gdi/png/png_codec.h"

namespace quellan {
namespace {

win::forms::PictureRef Decode(std::span<const std::uint8_t> png, win::forms::PictureType type) {
    win::png::PngReadResult decoded = win::png::DecodePng(png);
    if (!decoded) {
        return nullptr;
    }
    return win::forms::StdPicture::FromImage(*decoded.image, type);
}

}  // namespace

const win::forms::PictureRef& FrmSpendBackground() {
    static const win::forms::PictureRef picture =
        Decode(FrmSpendBackgroundPng(), win::forms::PictureType::Bitmap);
    return picture;
}

const win::forms::PictureRef& FrmSpendIcon() {
    static const win::forms::PictureRef picture =
        Decode(FrmSpendIconPng(), win::forms::PictureType::Icon);
    return picture;
}

const win::forms::PictureRef& FrmAboutBackground() {
    static const win::forms::PictureRef picture =
        Decode(FrmAboutBackgroundPng(), win::forms::PictureType::Bitmap);
    return picture;
}

}  // namespace quellan
