#include "windows/frm_right_artwork.h"

namespace quellan {
const win::forms::PictureRef& FrmRightBackground() {
    static const win::forms::PictureRef picture =
        win::forms::PictureFromPng(FrmRightBackgroundPng(), win::forms::PictureType::Bitmap);
    return picture;
}

const win::forms::PictureRef& FrmRightIcon() {
    static const win::forms::PictureRef picture =
        win::forms::PictureFromPng(FrmRightIconPng(), win::forms::PictureType::Icon);
    return picture;
}

}  // namespace quellan
