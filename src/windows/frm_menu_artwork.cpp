#include "windows/frm_menu_artwork.h"

namespace quellan {

using win::forms::PictureType;

const win::forms::PictureRef& FrmMenuBackground() {
    static const win::forms::PictureRef picture =
        win::forms::PictureFromPng(FrmMenuBackgroundPng(), PictureType::Bitmap);
    return picture;
}

const win::forms::PictureRef& FrmMenuStatistics() {
    static const win::forms::PictureRef picture =
        win::forms::PictureFromPng(FrmMenuStatisticsPng(), PictureType::Icon);
    return picture;
}

const win::forms::PictureRef& FrmMenuCorner() {
    static const win::forms::PictureRef picture =
        win::forms::PictureFromPng(FrmMenuCornerPng(), PictureType::Icon);
    return picture;
}

const win::forms::PictureRef& FrmMenuTariff() {
    static const win::forms::PictureRef picture =
        win::forms::PictureFromPng(FrmMenuTariffPng(), PictureType::Icon);
    return picture;
}

const win::forms::PictureRef& FrmMenuBanner() {
    static const win::forms::PictureRef picture =
        win::forms::PictureFromPng(FrmMenuBannerPng(), PictureType::Bitmap);
    return picture;
}

const win::forms::PictureRef& FrmMenuIcon() {
    static const win::forms::PictureRef picture =
        win::forms::PictureFromPng(FrmMenuIconPng(), PictureType::Icon);
    return picture;
}

}  // namespace quellan
