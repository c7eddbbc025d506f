#pragma once

// What the drawing code may see of an owner-drawn button: its properties and input flags, read
// only, and the three changes a redraw itself makes. The control implements it; the renderers
// take nothing else, so a test can draw from a plain stand-in.

#include <array>
#include <cstdint>
#include <string>

#include "button/render/button_values.h"
#include "platform/forms/std_picture.h"
#include "platform/gdi/sys_color.h"
#include "platform/user/user_types.h"

namespace quellan {

using EffectTable = std::array<std::uint8_t, 256>;

class ButtonView {
public:
    // ---- the drawing surface: the control's own DC, its contents kept between paints
    virtual win::HWND hwnd() const = 0;
    virtual win::HDC SurfaceDC() const = 0;
    // Inner width and height in pixels.
    virtual int ScaleWidth() const = 0;
    virtual int ScaleHeight() const = 0;
    // Clears the surface to its own background colour (the surface's, not the BackColor
    // property's; a user control starts with the button face).
    virtual void ClearSurface() = 0;
    virtual void SetSurfaceBackColor(win::OLE_COLOR colour) = 0;

    // ---- properties
    virtual win::OLE_COLOR BackColor() const = 0;
    virtual std::int32_t ButtonStyle() const = 0;
    virtual std::int32_t ColorScheme() const = 0;
    virtual const std::string& Caption() const = 0;
    virtual std::int32_t CaptionAlign() const = 0;
    virtual std::int32_t CaptionEffects() const = 0;
    virtual std::int32_t DropDownSymbol() const = 0;
    virtual bool DropDownSeparator() const = 0;
    virtual std::int32_t DisabledPictureMode() const = 0;
    virtual bool Enabled() const = 0;
    virtual win::OLE_COLOR ForeColor() const = 0;
    virtual win::OLE_COLOR ForeColorHover() const = 0;
    virtual win::OLE_COLOR MaskColor() const = 0;
    virtual bool UseMaskColor() const = 0;
    virtual std::int32_t Mode() const = 0;
    virtual bool Value() const = 0;
    virtual const win::forms::PictureRef& PictureNormal() const = 0;
    virtual const win::forms::PictureRef& PictureHot() const = 0;
    virtual const win::forms::PictureRef& PictureDown() const = 0;
    virtual std::int32_t PictureAlign() const = 0;
    virtual bool PictureShadow() const = 0;
    virtual std::int32_t PictureEffectOnOver() const = 0;
    virtual std::int32_t PictureEffectOnDown() const = 0;
    virtual bool PicturePushOnHover() const = 0;
    virtual std::uint8_t PictureOpacity() const = 0;
    virtual std::uint8_t PictureOpacityOnOver() const = 0;
    virtual bool RightToLeft() const = 0;
    virtual bool ShowFocusRect() const = 0;

    // ---- input state and the host around the control
    virtual std::int32_t DrawState() const = 0;
    virtual bool HasFocus() const = 0;
    virtual bool DisplayAsDefault() const = 0;
    virtual bool ParentActive() const = 0;
    virtual bool CursorOver() const = 0;
    virtual bool MouseIsDown() const = 0;
    // The host's ambient user-mode flag: false only at design time.
    virtual bool UserMode() const = 0;
    virtual bool ThemeInUse() const = 0;
    virtual const EffectTable& BrightenTable() const = 0;
    virtual const EffectTable& DarkenTable() const = 0;

    // ---- what a redraw changes in the control
    // A checked button of most styles is drawn, and stays, pressed.
    virtual void SettleDrawState(std::int32_t drawState) = 0;
    // No theme for the themed style: the control becomes style 2 with scheme 0 and the colours
    // that go with them, for good. No redraw of its own.
    virtual void FallBackFromTheme() = 0;
    // A style that sets the caption colour itself; no redraw of its own.
    virtual void AdoptForeColor(win::OLE_COLOR colour) = 0;

protected:
    ~ButtonView() = default;
};

}  // namespace quellan
