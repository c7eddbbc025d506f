#include "windows/windows_artwork.h"

namespace quellan {
const win::forms::PictureRef& FrmSpendBackground() {
    static const win::forms::PictureRef picture =
        win::forms::PictureFromPng(FrmSpendBackgroundPng(), win::forms::PictureType::Bitmap);
    return picture;
}

const win::forms::PictureRef& FrmSpendIcon() {
    static const win::forms::PictureRef picture =
        win::forms::PictureFromPng(FrmSpendIconPng(), win::forms::PictureType::Icon);
    return picture;
}

const win::forms::PictureRef& FrmAboutBackground() {
    static const win::forms::PictureRef picture =
        win::forms::PictureFromPng(FrmAboutBackgroundPng(), win::forms::PictureType::Bitmap);
    return picture;
}

}  // namespace quellan
