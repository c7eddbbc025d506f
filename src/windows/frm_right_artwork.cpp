#include "windows/frm_right_artwork.h"

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

const win::forms::PictureRef& FrmRightBackground() {
    static const win::forms::PictureRef picture =
        Decode(FrmRightBackgroundPng(), win::forms::PictureType::Bitmap);
    return picture;
}

const win::forms::PictureRef& FrmRightIcon() {
    static const win::forms::PictureRef picture =
        Decode(FrmRightIconPng(), win::forms::PictureType::Icon);
    return picture;
}

}  // namespace quellan
