#include "meter/frm_bandwidth_icon.h"

#include "platform/gdi/png/png_codec.h"

namespace quellan {

win::forms::PictureRef FrmBandwidthIcon() {
    win::png::PngReadResult decoded = win::png::DecodePng(FrmBandwidthIconPng());
    if (!decoded) {
        return nullptr;
    }
    return win::forms::StdPicture::FromImage(*decoded.image, win::forms::PictureType::Icon);
}

}  // namespace quellan
