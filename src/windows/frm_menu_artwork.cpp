#include "windows/frm_menu_artwork.h"

#include "platform/gdi/png/png_codec.h"

namespace quellan {
namespace {

using win::forms::PictureType;

win::forms::PictureRef Decode(std::span<const std::uint8_t> png, PictureType type) {
    win::png::PngReadResult decoded = win::png::DecodePng(png);
    if (!decoded) {
        return nullptr;
    }
    return win::forms::StdPicture::FromImage(*decoded.image, type);
}

}  // namespace

const win::forms::PictureRef& FrmMenuBackground() {
    static const win::forms::PictureRef picture =
        Decode(FrmMenuBackgroundPng(), PictureType::Bitmap);
    return picture;
}

const win::forms::PictureRef& FrmMenuStatistics() {
    static const win::forms::PictureRef picture = Decode(FrmMenuStatisticsPng(), PictureType::Icon);
    return picture;
}

const win::forms::PictureRef& FrmMenuCorner() {
    static const win::forms::PictureRef picture = Decode(FrmMenuCornerPng(), PictureType::Icon);
    return picture;
}

const win::forms::PictureRef& FrmMenuTariff() {
    static const win::forms::PictureRef picture = Decode(FrmMenuTariffPng(), PictureType::Icon);
    return picture;
}

const win::forms::PictureRef& FrmMenuBanner() {
    static const win::forms::PictureRef picture = Decode(FrmMenuBannerPng(), PictureType::Bitmap);
    return picture;
}

const win::forms::PictureRef& FrmMenuIcon() {
    static const win::forms::PictureRef picture = Decode(FrmMenuIconPng(), PictureType::Icon);
    return picture;
}

}  // namespace quellan
