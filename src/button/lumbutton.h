#pragma once

// The owner-drawn button the program's windows use in place of standard command buttons: a user
// control whose look (fourteen styles, pictures, caption effects) is drawn by the renderers from
// what the control shows them through ButtonView, and whose input runs the draw-state machine of
// lumbutton_input.cpp. Its design-time properties live in the form's property store.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "button/drop_down_menu.h"
#include "button/render/button_values.h"
#include "button/render/button_view.h"
#include "button/subclass_owner.h"
#include "button/subclass_table.h"
#include "button/theme_in_use.h"
#include "button/track_mouse_leave.h"
#include "platform/forms/menu.h"
#include "platform/forms/std_font.h"
#include "platform/forms/std_picture.h"
#include "platform/forms/user_control.h"

namespace quellan {

class lumbutton : public win::forms::UserControl, public ButtonView, public SubclassOwner {
public:
    lumbutton(win::forms::Container& container, std::string name);
    ~lumbutton();

    // ---- events a form subscribes to; arguments by reference, as the form may change them
    using MouseHandler =
        std::function<void(std::int16_t& button, std::int16_t& shift, float& x, float& y)>;
    using KeyHandler = std::function<void(std::int16_t& keyCode, std::int16_t& shift)>;
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> MouseEnter;
    std::function<void()> MouseLeave;
    MouseHandler MouseMove;  // declared for forms that expect it; never raised
    MouseHandler MouseUp;
    MouseHandler MouseDown;
    KeyHandler KeyDown;
    KeyHandler KeyUp;
    std::function<void(std::int16_t& keyAscii)> KeyPress;

    // ---- methods
    // Only a menu of the forms framework drops down; anything else leaves the state alone.
    void SetPopupMenu(win::forms::Control* Menu, std::int32_t Align = 0, std::int32_t FLAGS = 0,
                      win::forms::Control* DefaultMenu = nullptr);
    void UnsetPopupMenu();
    void OpenWebsite(std::string_view address);
    void About();
    // The message-hook callback: what the control and its form's window report beyond the
    // framework's own hooks (mouse leave, activation, theme and colour changes).
    void Subclass_WndProc(bool bBefore, bool& bHandled, win::LRESULT& lReturn, win::HWND& lHwnd,
                          win::UINT& uMsg, win::WPARAM& wParam, win::LPARAM& lParam) override;

    // ---- properties (the view's getters are the properties' own)
    win::HWND hwnd() const override;
    win::HDC SurfaceDC() const override;
    int ScaleWidth() const override;
    int ScaleHeight() const override;
    void ClearSurface() override;
    void SetSurfaceBackColor(win::OLE_COLOR colour) override;

    win::OLE_COLOR BackColor() const override { return props_.backColor; }
    void SetBackColor(win::OLE_COLOR colour);
    std::int32_t ButtonStyle() const override { return props_.buttonStyle; }
    void SetButtonStyle(std::int32_t style);
    const std::string& Caption() const override { return props_.caption; }
    void SetCaption(std::string caption);
    std::int32_t CaptionAlign() const override { return props_.captionAlign; }
    void SetCaptionAlign(std::int32_t align);
    std::int32_t DropDownSymbol() const override { return props_.dropDownSymbol; }
    void SetDropDownSymbol(std::int32_t symbol);
    bool DropDownSeparator() const override { return props_.dropDownSeparator; }
    void SetDropDownSeparator(bool separator);
    std::int32_t DisabledPictureMode() const override { return props_.disabledPictureMode; }
    void SetDisabledPictureMode(std::int32_t mode);
    bool Enabled() const override { return props_.enabled; }
    void SetEnabled(bool enabled);
    const win::forms::FontRef& Font() const { return props_.font; }
    void SetFont(win::forms::FontRef font);
    void mFont_FontChanged(std::string_view propertyName);
    win::OLE_COLOR ForeColor() const override { return props_.foreColor; }
    void SetForeColor(win::OLE_COLOR colour);
    win::OLE_COLOR ForeColorHover() const override { return props_.foreColorHover; }
    void SetForeColorHover(win::OLE_COLOR colour);
    bool HandPointer() const { return props_.handPointer; }
    void SetHandPointer(bool hand);
    win::OLE_COLOR MaskColor() const override { return props_.maskColor; }
    void SetMaskColor(win::OLE_COLOR colour);
    std::int32_t Mode() const override { return props_.mode; }
    void SetMode(std::int32_t mode);
    const win::forms::PictureRef& MouseIcon() const { return props_.mouseIcon; }
    void SetMouseIcon(win::forms::PictureRef icon);
    std::int16_t MousePointer() const { return props_.mousePointer; }
    void SetMousePointer(std::int16_t pointer);
    const win::forms::PictureRef& PictureNormal() const override { return props_.pictureNormal; }
    void SetPictureNormal(win::forms::PictureRef picture);
    const win::forms::PictureRef& PictureHot() const override { return props_.pictureHot; }
    void SetPictureHot(win::forms::PictureRef picture);
    const win::forms::PictureRef& PictureDown() const override { return props_.pictureDown; }
    void SetPictureDown(win::forms::PictureRef picture);
    std::int32_t PictureAlign() const override { return props_.pictureAlign; }
    void SetPictureAlign(std::int32_t align);
    bool PictureShadow() const override { return props_.pictureShadow; }
    void SetPictureShadow(bool shadow);
    std::int32_t PictureEffectOnOver() const override { return props_.pictureEffectOnOver; }
    void SetPictureEffectOnOver(std::int32_t effect);
    std::int32_t PictureEffectOnDown() const override { return props_.pictureEffectOnDown; }
    void SetPictureEffectOnDown(std::int32_t effect);
    bool PicturePushOnHover() const override { return props_.picturePushOnHover; }
    void SetPicturePushOnHover(bool push);
    std::uint8_t PictureOpacity() const override { return props_.pictureOpacity; }
    void SetPictureOpacity(std::uint8_t opacity);
    std::uint8_t PictureOpacityOnOver() const override { return props_.pictureOpacityOnOver; }
    void SetPictureOpacityOnOver(std::uint8_t opacity);
    bool RightToLeft() const override { return props_.rightToLeft; }
    void SetRightToLeft(bool rightToLeft);
    std::int32_t CaptionEffects() const override { return props_.captionEffects; }
    void SetCaptionEffects(std::int32_t effects);
    bool ShowFocusRect() const override { return props_.showFocusRect; }
    void SetShowFocusRect(bool show);
    bool UseMaskColor() const override { return props_.useMaskColor; }
    void SetUseMaskColor(bool use);
    bool Value() const override { return props_.value; }
    void SetValue(bool value);
    const std::string& TooltipTitle() const { return props_.tooltipTitle; }
    void SetTooltipTitle(std::string title);
    const std::string& ToolTip() const { return props_.toolTip; }
    void SetToolTip(std::string text);
    win::OLE_COLOR TooltipBackColor() const { return props_.tooltipBackColor; }
    void SetTooltipBackColor(win::OLE_COLOR colour);
    std::int32_t ToolTipIcon() const { return props_.toolTipIcon; }
    void SetToolTipIcon(std::int32_t icon);
    std::int32_t ToolTipType() const { return props_.toolTipType; }
    void SetToolTipType(std::int32_t type);
    std::int32_t ColorScheme() const override { return props_.colorScheme; }
    void SetColorScheme(std::int32_t scheme);

    // ---- input state the renderers and the hook read
    std::int32_t DrawState() const override { return drawState_; }
    bool HasFocus() const override { return flags_.hasFocus; }
    bool DisplayAsDefault() const override { return flags_.displayAsDefault; }
    bool ParentActive() const override { return flags_.parentActive; }
    bool CursorOver() const override { return flags_.cursorOver; }
    bool MouseIsDown() const override { return flags_.mouseDown; }
    bool SpaceDown() const { return flags_.spaceDown; }
    const DropDownMenu& DropDown() const { return dropDown_; }
    bool TrackLeaveAvailable() const { return leaveTracking_.Available(); }
    // The button's own tooltip window from its last hover; null before the first.
    win::HWND TooltipWindow() const { return tooltip_; }
    bool UserMode() const override;
    bool ThemeInUse() const override;
    const EffectTable& BrightenTable() const override { return brighten_; }
    const EffectTable& DarkenTable() const override { return darken_; }
    void SettleDrawState(std::int32_t drawState) override { drawState_ = drawState; }
    void FallBackFromTheme() override;
    void AdoptForeColor(win::OLE_COLOR colour) override;

    // ---- the state machine's steps the message hook drives
    void OnMouseLeftWindow();
    void OnParentActivated();
    void OnParentDeactivated();

    // Draws the current state now.
    void Redraw();

protected:
    // ---- the framework's hooks
    void ResetProperties() override;
    void UserControl_Initialize() override;
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const win::forms::PropertyBag& bag) override;
    void UserControl_WriteProperties(win::forms::PropertyBag& bag) override;
    void UserControl_Resize() override;
    void UserControl_Paint() override;
    void UserControl_Show() override;
    void UserControl_Hide() override;
    void UserControl_Terminate() override;
    void UserControl_AmbientChanged(std::string_view propertyName) override;
    void UserControl_AccessKeyPress(int keyAscii) override;
    void UserControl_MouseDown(int button, int shift, float x, float y) override;
    void UserControl_MouseMove(int button, int shift, float x, float y) override;
    void UserControl_MouseUp(int button, int shift, float x, float y) override;
    void UserControl_DblClick() override;
    void UserControl_KeyDown(int& keyCode, int shift) override;
    void UserControl_KeyPress(int& keyAscii) override;
    void UserControl_KeyUp(int& keyCode, int shift) override;
    void UserControl_GotFocus() override;
    void UserControl_LostFocus() override;

private:
    // Every property at its zero value: what a control has before it is set up or read.
    struct Properties {
        win::OLE_COLOR backColor = 0;
        std::int32_t buttonStyle = 0;
        std::string caption;
        std::int32_t captionAlign = 0;
        std::int32_t dropDownSymbol = 0;
        bool dropDownSeparator = false;
        std::int32_t disabledPictureMode = 0;
        bool enabled = false;
        win::forms::FontRef font;
        win::OLE_COLOR foreColor = 0;
        win::OLE_COLOR foreColorHover = 0;
        bool handPointer = false;
        win::OLE_COLOR maskColor = 0;
        std::int32_t mode = 0;
        win::forms::PictureRef mouseIcon;
        std::int16_t mousePointer = 0;
        win::forms::PictureRef pictureNormal;
        win::forms::PictureRef pictureHot;
        win::forms::PictureRef pictureDown;
        std::int32_t pictureAlign = 0;
        bool pictureShadow = false;
        std::int32_t pictureEffectOnOver = 0;
        std::int32_t pictureEffectOnDown = 0;
        bool picturePushOnHover = false;
        std::uint8_t pictureOpacity = 0;
        std::uint8_t pictureOpacityOnOver = 0;
        bool rightToLeft = false;
        std::int32_t captionEffects = 0;
        bool showFocusRect = false;
        bool useMaskColor = false;
        bool value = false;
        std::string tooltipTitle;
        std::string toolTip;
        win::OLE_COLOR tooltipBackColor = 0;
        std::int32_t toolTipIcon = 0;
        std::int32_t toolTipType = 0;
        std::int32_t colorScheme = 0;
    };

    struct Flags {
        bool mouseDown = false;
        bool cursorOver = false;
        bool hasFocus = false;
        bool spaceDown = false;
        bool parentActive = false;
        bool displayAsDefault = false;
        bool isUnicodeOS = false;
    };

    struct LastPress {
        std::int16_t button = 0;
        std::int16_t shift = 0;
        float x = 0;
        float y = 0;
    };

    // ---- setters' shared steps
    void Changed(std::string_view noticeName, bool redraw);
    void CoerceColorScheme();
    void ApplyStyleColors();
    void KeepFont(win::forms::FontRef font);
    void ObtainHandCursor();
    void SetHandCursor() const;
    void ApplyMousePointer();
    void EnsureMinimumSize();
    void ApplyRegion();
    void UpdateAccessKey();
    void InstallMessageHook();

    // ---- state machine steps
    void SwitchTo(std::int32_t state);
    void PressSteps(const LastPress& press);
    void SpaceKeyDown();
    void TrackLeave();
    void ShowTooltip();
    void TakeCapture() const;
    void UncheckOptionSiblings();
    void ShowDropDownMenu();
    void MenuClosedAway();
    bool IsOwnWindow(win::HWND window) const { return window && window == window_; }
    void RaiseMouse(const MouseHandler& handler, const LastPress& args);
    void RaiseKey(const KeyHandler& handler, int keyCode, int shift);
    void Raise(const std::function<void()>& handler);

    Properties props_;
    Flags flags_;
    std::int32_t drawState_ = StateNormal;
    LastPress lastPress_;
    DropDownMenu dropDown_;
    // Worked out at the first question and kept; asking is no change of the button.
    mutable ThemeCheck themes_;
    LeaveTracking leaveTracking_;
    win::HWND tooltip_;
    win::HCURSOR handCursor_;
    win::HWND parentWindow_;
    win::forms::FontSubscription fontSubscription_;
    EffectTable brighten_{};
    EffectTable darken_{};
    // Last: its destruction puts the subclassed windows' procedures back first.
    SubclassTable subclasses_{*this};
};

}  // namespace quellan
