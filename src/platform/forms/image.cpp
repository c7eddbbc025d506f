#include "platform/forms/image.h"

#include "platform/forms/twips.h"

namespace win::forms {

Image::Image(Container& container, std::string name) : Control(container, std::move(name)) {}

void Image::ResetProperties() {
    props_ = Properties{};
    geometry_.tabStop = false;
}

const PictureRef& Image::Picture() const {
    Touch();
    return props_.picture;
}

void Image::SetPicture(PictureRef picture) {
    Touch();
    InvalidateArea();
    props_.picture = std::move(picture);
    FitToPicture();
    InvalidateArea();
}

bool Image::Stretch() const {
    Touch();
    return props_.stretch;
}

void Image::SetStretch(bool stretch) {
    Touch();
    props_.stretch = stretch;
    FitToPicture();
    InvalidateArea();
}

// Without stretching the control takes the picture's size.
void Image::FitToPicture() {
    if (!props_.stretch && props_.picture) {
        geometry_.width = PixelsToTwips(props_.picture->PixelWidth());
        geometry_.height = PixelsToTwips(props_.picture->PixelHeight());
    }
}

void Image::PaintWindowless(HDC dc) {
    if (!props_.picture) {
        return;
    }
    RECT rect = PixelRect();
    props_.picture->Render(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace win::forms
