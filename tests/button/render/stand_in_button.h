#pragma once

// A plain button for the drawing tests: every property a public field, the surface a bitmap of
// its own, optionally backed by a real window on the headless desktop for the region.

#include <cstdint>
#include <memory>
#include <string>

#include "button/render/button_view.h"
#include "button/render/effect_tables.h"
#include "platform/gdi/device_access.h"
#include "platform/gdi/gdi.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"

namespace quellan::testing {

class StandInButton final : public ButtonView {
public:
    StandInButton(int width, int height, win::HWND window = nullptr)
        : window_(window),
          dc_(win::CreateCompatibleDC(win::HDC())),
          bitmap_(win::CreateCompatibleBitmap(dc_, width, height)),
          previous_(win::SelectObject(dc_, bitmap_)),
          width_(width),
          height_(height) {}
    ~StandInButton() {
        win::SelectObject(dc_, previous_);
        win::DeleteObject(bitmap_);
        win::DeleteDC(dc_);
    }
    StandInButton(const StandInButton&) = delete;
    StandInButton& operator=(const StandInButton&) = delete;

    // 0x00RRGGBB as in memory.
    std::uint32_t Pixel(int x, int y) const {
        const auto pixels = win::gdi::ReadBitmapPixels(bitmap_);
        return pixels->pixels[y * pixels->stride + x] & 0x00FFFFFF;
    }
    win::HBITMAP Bitmap() const { return bitmap_; }

    // ---- properties and state, as the test sets them
    win::OLE_COLOR backColor = 0x8000000F;
    win::OLE_COLOR surfaceBackColor = 0x8000000F;
    std::int32_t buttonStyle = StyleStandard;
    std::int32_t colorScheme = ColorSchemeBlue;
    std::string caption;
    std::int32_t captionAlign = CaptionCenter;
    std::int32_t captionEffects = CaptionEffectNone;
    std::int32_t dropDownSymbol = 0;
    bool dropDownSeparator = false;
    std::int32_t disabledPictureMode = DisabledTranslucent;
    bool enabled = true;
    win::OLE_COLOR foreColor = 0x80000012;
    win::OLE_COLOR foreColorHover = 0x80000012;
    win::OLE_COLOR maskColor = 0xE0E0E0;
    bool useMaskColor = true;
    std::int32_t mode = ModePush;
    bool value = false;
    win::forms::PictureRef pictureNormal;
    win::forms::PictureRef pictureHot;
    win::forms::PictureRef pictureDown;
    std::int32_t pictureAlign = PictureLeftOfCaption;
    bool pictureShadow = false;
    std::int32_t pictureEffectOnOver = EffectNone;
    std::int32_t pictureEffectOnDown = EffectNone;
    bool picturePushOnHover = false;
    std::uint8_t pictureOpacity = 255;
    std::uint8_t pictureOpacityOnOver = 255;
    bool rightToLeft = false;
    bool showFocusRect = false;
    std::int32_t drawState = StateNormal;
    bool hasFocus = false;
    bool displayAsDefault = false;
    bool parentActive = true;
    bool cursorOver = false;
    bool mouseDown = false;
    bool userMode = true;
    bool themeInUse = false;
    int fallBacks = 0;

    // ---- ButtonView
    win::HWND hwnd() const override { return window_; }
    win::HDC SurfaceDC() const override { return dc_; }
    int ScaleWidth() const override { return width_; }
    int ScaleHeight() const override { return height_; }
    void ClearSurface() override {
        win::COLORREF colour = 0;
        win::OleTranslateColor(surfaceBackColor, nullptr, &colour);
        const win::HBRUSH brush = win::CreateSolidBrush(colour);
        const win::RECT all{0, 0, width_, height_};
        win::FillRect(dc_, &all, brush);
        win::DeleteObject(brush);
    }
    void SetSurfaceBackColor(win::OLE_COLOR colour) override { surfaceBackColor = colour; }
    win::OLE_COLOR BackColor() const override { return backColor; }
    std::int32_t ButtonStyle() const override { return buttonStyle; }
    std::int32_t ColorScheme() const override { return colorScheme; }
    const std::string& Caption() const override { return caption; }
    std::int32_t CaptionAlign() const override { return captionAlign; }
    std::int32_t CaptionEffects() const override { return captionEffects; }
    std::int32_t DropDownSymbol() const override { return dropDownSymbol; }
    bool DropDownSeparator() const override { return dropDownSeparator; }
    std::int32_t DisabledPictureMode() const override { return disabledPictureMode; }
    bool Enabled() const override { return enabled; }
    win::OLE_COLOR ForeColor() const override { return foreColor; }
    win::OLE_COLOR ForeColorHover() const override { return foreColorHover; }
    win::OLE_COLOR MaskColor() const override { return maskColor; }
    bool UseMaskColor() const override { return useMaskColor; }
    std::int32_t Mode() const override { return mode; }
    bool Value() const override { return value; }
    const win::forms::PictureRef& PictureNormal() const override { return pictureNormal; }
    const win::forms::PictureRef& PictureHot() const override { return pictureHot; }
    const win::forms::PictureRef& PictureDown() const override { return pictureDown; }
    std::int32_t PictureAlign() const override { return pictureAlign; }
    bool PictureShadow() const override { return pictureShadow; }
    std::int32_t PictureEffectOnOver() const override { return pictureEffectOnOver; }
    std::int32_t PictureEffectOnDown() const override { return pictureEffectOnDown; }
    bool PicturePushOnHover() const override { return picturePushOnHover; }
    std::uint8_t PictureOpacity() const override { return pictureOpacity; }
    std::uint8_t PictureOpacityOnOver() const override { return pictureOpacityOnOver; }
    bool RightToLeft() const override { return rightToLeft; }
    bool ShowFocusRect() const override { return showFocusRect; }
    std::int32_t DrawState() const override { return drawState; }
    bool HasFocus() const override { return hasFocus; }
    bool DisplayAsDefault() const override { return displayAsDefault; }
    bool ParentActive() const override { return parentActive; }
    bool CursorOver() const override { return cursorOver; }
    bool MouseIsDown() const override { return mouseDown; }
    bool UserMode() const override { return userMode; }
    bool ThemeInUse() const override { return themeInUse; }
    const EffectTable& BrightenTable() const override { return brighten_; }
    const EffectTable& DarkenTable() const override { return darken_; }
    void SettleDrawState(std::int32_t state) override { drawState = state; }
    // What the control's colour rules give for the rounded style in the blue scheme.
    void FallBackFromTheme() override {
        ++fallBacks;
        buttonStyle = StyleRoundedGradient;
        colorScheme = ColorSchemeBlue;
        backColor = 0xE7EBEC;
        foreColor = 0x80000012;
        showFocusRect = false;
    }
    void AdoptForeColor(win::OLE_COLOR colour) override { foreColor = colour; }

private:
    win::HWND window_;
    win::HDC dc_;
    win::HBITMAP bitmap_;
    win::HBITMAP previous_;
    int width_;
    int height_;
    EffectTable brighten_ = quellan::BrightenTable();
    EffectTable darken_ = quellan::DarkenTable();
};

}  // namespace quellan::testing
