#include "button/gallery/gallery_button.h"

#include "button/render/colour_functions.h"
#include "platform/gdi/device_access.h"

namespace quellan::gallery {

GalleryButton::GalleryButton(win::HWND window, int width, int height, win::HFONT font)
    : window_(window),
      dc_(win::CreateCompatibleDC(win::HDC())),
      bitmap_(win::CreateCompatibleBitmap(dc_, width, height)),
      previousBitmap_(win::SelectObject(dc_, bitmap_)),
      previousFont_(win::SelectObject(dc_, font)),
      width_(width),
      height_(height) {}

GalleryButton::~GalleryButton() {
    win::SelectObject(dc_, previousFont_);
    win::SelectObject(dc_, previousBitmap_);
    win::DeleteObject(bitmap_);
    win::DeleteDC(dc_);
}

void GalleryButton::CopyTo(win::HDC target, int x, int y) const {
    win::BitBlt(target, x, y, width_, height_, dc_, 0, 0, win::SRCCOPY);
}

bool GalleryButton::ShowsAnything() const {
    const auto pixels = win::gdi::ReadBitmapPixels(bitmap_);
    if (!pixels) {
        return false;
    }
    const std::uint32_t first = pixels->pixels[0] & 0xFFFFFF;
    for (int y = 0; y < pixels->height; ++y) {
        for (int x = 0; x < pixels->width; ++x) {
            if ((pixels->pixels[y * pixels->stride + x] & 0xFFFFFF) != first) {
                return true;
            }
        }
    }
    return false;
}

void GalleryButton::ClearSurface() {
    const win::HBRUSH brush = win::CreateSolidBrush(TranslateColor(surfaceBackColor_));
    const win::RECT all{0, 0, width_, height_};
    win::FillRect(dc_, &all, brush);
    win::DeleteObject(brush);
}

void GalleryButton::FallBackFromTheme() {
    buttonStyle = StyleRoundedGradient;
    ApplyGalleryColours(*this, StyleRoundedGradient);
}

void ApplyGalleryColours(GalleryButton& button, std::int32_t style) {
    const bool silver = style == StyleBlueGradient || style == StyleWhiteGloss;
    button.colorScheme = silver ? ColorSchemeSilver : ColorSchemeBlue;
    switch (style) {
        case StyleRoundedGradient:
            button.backColor = 0xE7EBEC;
            break;
        case StyleBlueGradient:
            button.backColor = ShiftColor(0xD4D4D4, 0.06f);
            break;
        case StyleAmberHighlight:
            button.backColor = 0xFCE1CA;
            break;
        case StyleOrangeGloss:
        case StyleSoftGloss:
            button.backColor = 0xFFD1AD;
            break;
        case StyleWhiteGloss:
            button.backColor = 0xE1D6D5;
            break;
        case StyleSystemTheme:
            break;
        default:
            button.backColor = 0x8000000F;
            break;
    }
    button.foreColor = 0x80000012;
    button.showFocusRect = style == StyleStandard || style == StyleFlat || style == StyleWhiteGloss;
}

}  // namespace quellan::gallery
