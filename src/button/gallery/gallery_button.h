#pragma once

// One button of the gallery: the properties a cell shows, drawn on a surface of its own.

#include <string>

#include "button/render/button_view.h"
#include "button/render/effect_tables.h"
#include "platform/gdi/gdi.h"

namespace quellan::gallery {

class GalleryButton final : public ButtonView {
public:
    GalleryButton(win::HWND window, int width, int height, win::HFONT font);
    ~GalleryButton();
    GalleryButton(const GalleryButton&) = delete;
    GalleryButton& operator=(const GalleryButton&) = delete;

    // The drawn button, copied to (x, y) of `target`.
    void CopyTo(win::HDC target, int x, int y) const;
    // True when the surface holds more than one colour.
    bool ShowsAnything() const;

    win::OLE_COLOR backColor = 0x8000000F;
    std::int32_t buttonStyle = StyleStandard;
    std::int32_t colorScheme = ColorSchemeBlue;
    std::string caption;
    std::int32_t captionEffects = CaptionEffectNone;
    std::int32_t dropDownSymbol = 0;
    bool dropDownSeparator = false;
    bool enabled = true;
    win::OLE_COLOR foreColor = 0x80000012;
    std::int32_t mode = ModePush;
    bool value = false;
    win::forms::PictureRef picture;
    bool showFocusRect = false;
    std::int32_t drawState = StateNormal;
    bool hasFocus = false;
    bool themeInUse = false;

    win::HWND hwnd() const override { return window_; }
    win::HDC SurfaceDC() const override { return dc_; }
    int ScaleWidth() const override { return width_; }
    int ScaleHeight() const override { return height_; }
    void ClearSurface() override;
    void SetSurfaceBackColor(win::OLE_COLOR colour) override { surfaceBackColor_ = colour; }
    win::OLE_COLOR BackColor() const override { return backColor; }
    std::int32_t ButtonStyle() const override { return buttonStyle; }
    std::int32_t ColorScheme() const override { return colorScheme; }
    const std::string& Caption() const override { return caption; }
    std::int32_t CaptionAlign() const override { return CaptionCenter; }
    std::int32_t CaptionEffects() const override { return captionEffects; }
    std::int32_t DropDownSymbol() const override { return dropDownSymbol; }
    bool DropDownSeparator() const override { return dropDownSeparator; }
    std::int32_t DisabledPictureMode() const override { return DisabledGreyscale; }
    bool Enabled() const override { return enabled; }
    win::OLE_COLOR ForeColor() const override { return foreColor; }
    win::OLE_COLOR ForeColorHover() const override { return foreColor; }
    win::OLE_COLOR MaskColor() const override { return 0xE0E0E0; }
    bool UseMaskColor() const override { return true; }
    std::int32_t Mode() const override { return mode; }
    bool Value() const override { return value; }
    const win::forms::PictureRef& PictureNormal() const override { return picture; }
    const win::forms::PictureRef& PictureHot() const override { return none_; }
    const win::forms::PictureRef& PictureDown() const override { return none_; }
    std::int32_t PictureAlign() const override { return PictureLeftOfCaption; }
    bool PictureShadow() const override { return false; }
    std::int32_t PictureEffectOnOver() const override { return EffectBrighten; }
    std::int32_t PictureEffectOnDown() const override { return EffectDarken; }
    bool PicturePushOnHover() const override { return buttonStyle == StyleToolbarHighlight; }
    std::uint8_t PictureOpacity() const override { return 255; }
    std::uint8_t PictureOpacityOnOver() const override { return 255; }
    bool RightToLeft() const override { return false; }
    bool ShowFocusRect() const override { return showFocusRect; }
    std::int32_t DrawState() const override { return drawState; }
    bool HasFocus() const override { return hasFocus; }
    bool DisplayAsDefault() const override { return false; }
    bool ParentActive() const override { return true; }
    bool CursorOver() const override { return drawState == StateHot; }
    bool MouseIsDown() const override { return drawState == StateDown; }
    bool UserMode() const override { return true; }
    bool ThemeInUse() const override { return themeInUse; }
    const EffectTable& BrightenTable() const override { return brighten_; }
    const EffectTable& DarkenTable() const override { return darken_; }
    void SettleDrawState(std::int32_t state) override { drawState = state; }
    void FallBackFromTheme() override;
    void AdoptForeColor(win::OLE_COLOR colour) override { foreColor = colour; }

private:
    win::HWND window_;
    win::HDC dc_;
    win::HBITMAP bitmap_;
    win::HBITMAP previousBitmap_;
    win::HFONT previousFont_;
    int width_;
    int height_;
    win::OLE_COLOR surfaceBackColor_ = 0x8000000F;
    win::forms::PictureRef none_;
    EffectTable brighten_ = quellan::BrightenTable();
    EffectTable darken_ = quellan::DarkenTable();
};

// The colours the control gives a style of the blue scheme (or the silver one, where the style
// takes it).
void ApplyGalleryColours(GalleryButton& button, std::int32_t style);

}  // namespace quellan::gallery
