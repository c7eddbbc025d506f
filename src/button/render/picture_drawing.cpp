#include "button/render/picture_drawing.h"

#include "button/render/colour_functions.h"
#include "platform/gdi/gdi.h"
#include "platform/numeric/round_half_even.h"

namespace quellan {

namespace {

constexpr std::uint8_t kTranslucentOpacity = 52;

const EffectTable* EffectTableOf(const ButtonView& view, std::int32_t effect) {
    switch (effect) {
        case EffectBrighten:
            return &view.BrightenTable();
        case EffectDarken:
            return &view.DarkenTable();
        default:
            return nullptr;
    }
}

bool HasAlphaChannel(const win::forms::StdPicture& picture) {
    win::BITMAP info;
    return picture.Type() == win::forms::PictureType::Bitmap &&
           win::GetObject(picture.Handle(), &info) != 0 && info.bmBitsPixel == 32;
}

}  // namespace

BlendSettings PictureBlendSettings(const ButtonView& view, std::int32_t drawState) {
    BlendSettings settings;
    if (drawState == StateHot) {
        settings.effect = EffectTableOf(view, view.PictureEffectOnOver());
    } else if (drawState == StateDown) {
        settings.effect = EffectTableOf(view, view.PictureEffectOnDown());
    }
    if (drawState == StateHot) {
        settings.opacity = view.PictureOpacityOnOver();
    } else if (view.Enabled()) {
        settings.opacity = view.PictureOpacity();
    } else if (view.DisabledPictureMode() == DisabledTranslucent) {
        settings.opacity = kTranslucentOpacity;
    } else if (view.DisabledPictureMode() == DisabledGreyscale) {
        settings.opacity = static_cast<std::uint8_t>(
            numeric::RoundHalfEven(view.PictureOpacity() * 0.75).value_or(0));
        settings.greyscale = true;
    } else {
        settings.opacity = 0;
    }
    return settings;
}

void DrawPictureAt(const ButtonView& view, const ContentLayout& layout, const win::RECT& at,
                   win::COLORREF colour, std::int32_t drawState) {
    if (!layout.picture) {
        return;
    }
    const win::forms::StdPicture& picture = *layout.picture;
    const bool icon = picture.Type() == win::forms::PictureType::Icon;
    const win::COLORREF mask = icon ? TranslateColor(0xC0C0C0) : view.MaskColor();
    const BlendSettings settings = PictureBlendSettings(view, drawState);
    if (HasAlphaChannel(picture)) {
        BlendPicture32(view.SurfaceDC(), at.left, at.top, layout.pictureWidth, layout.pictureHeight,
                       picture.Handle(), colour, settings);
    } else {
        BlendPicture24(view.SurfaceDC(), at.left, at.top, layout.pictureWidth, layout.pictureHeight,
                       PictureSource{picture.Handle(), icon}, mask, view.UseMaskColor(), colour,
                       settings);
    }
}

void DrawPictureShadow(const ButtonView& view, const ContentLayout& layout,
                       std::int32_t drawState) {
    const win::COLORREF base =
        AverageColors(TranslateColor(0x808080), TranslateColor(view.BackColor()));
    win::RECT at = layout.pictureRect;
    win::OffsetRect(&at, 2, 2);
    DrawPictureAt(view, layout, at, ShiftColor(base, 0.05f), drawState);
    at = layout.pictureRect;
    win::OffsetRect(&at, 1, 1);
    DrawPictureAt(view, layout, at, ShiftColor(base, -0.1f), drawState);
    DrawPictureAt(view, layout, layout.pictureRect, win::CLR_INVALID, drawState);
}

}  // namespace quellan
