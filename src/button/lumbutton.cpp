#include "button/lumbutton.h"

#include <utility>

#include "button/caption_access_key.h"
#include "button/render/colour_functions.h"
#include "button/render/effect_tables.h"
#include "button/render/redraw_button.h"
#include "button/style_colors.h"
#include "button/subclass_hook.h"
#include "platform/forms/form.h"
#include "platform/forms/msg_box.h"
#include "platform/forms/twips.h"
#include "platform/user/cursor.h"
#include "platform/user/shell_execute.h"
#include "platform/user/user.h"

namespace quellan {
namespace {

constexpr int kMinimumTwips = 220;
constexpr std::int16_t kCustomPointer = 99;
constexpr win::OLE_COLOR kSystemButtonText = 0x80000000u | win::COLOR_BTNTEXT;

}  // namespace

lumbutton::lumbutton(win::forms::Container& container, std::string name)
    : UserControl(container, std::move(name)) {}

lumbutton::~lumbutton() = default;

void lumbutton::ResetProperties() {
    UserControl::ResetProperties();
    props_ = Properties{};
    flags_ = Flags{};
    drawState_ = StateNormal;
    lastPress_ = LastPress{};
    dropDown_.UnsetPopupMenu();
    themes_ = ThemeCheck{};
    leaveTracking_ = LeaveTracking{};
    tooltip_ = {};
    fontSubscription_ = {};
}

// ---- the view ----------------------------------------------------------------------------------

win::HWND lumbutton::hwnd() const {
    return hWnd();
}

win::HDC lumbutton::SurfaceDC() const {
    return hDC();
}

int lumbutton::ScaleWidth() const {
    return UserControl::ScaleWidth();
}

int lumbutton::ScaleHeight() const {
    return UserControl::ScaleHeight();
}

void lumbutton::ClearSurface() {
    Cls();
}

void lumbutton::SetSurfaceBackColor(win::OLE_COLOR colour) {
    UserControl::SetBackColor(colour);
}

bool lumbutton::ThemeInUse() const {
    return themes_.ThemeInUse();
}

bool lumbutton::UserMode() const {
    return Ambient().UserMode();
}

void lumbutton::FallBackFromTheme() {
    props_.buttonStyle = StyleRoundedGradient;
    props_.colorScheme = ColorSchemeBlue;
    ApplyStyleColors();
}

void lumbutton::AdoptForeColor(win::OLE_COLOR colour) {
    props_.foreColor = colour;
    UserControl::SetForeColor(colour);
}

// ---- drawing -----------------------------------------------------------------------------------

// Every change of look comes here; the drawing shows at once.
void lumbutton::Redraw() {
    if (!window_) {
        return;
    }
    RedrawButton(*this);
    Refresh();
}

// ---- methods -----------------------------------------------------------------------------------

void lumbutton::SetPopupMenu(win::forms::Control* Menu, std::int32_t Align, std::int32_t FLAGS,
                             win::forms::Control* DefaultMenu) {
    Touch();
    dropDown_.SetPopupMenu(Menu, Align, FLAGS, DefaultMenu);
}

void lumbutton::UnsetPopupMenu() {
    dropDown_.UnsetPopupMenu();
}

void lumbutton::Subclass_WndProc(bool, bool&, win::LRESULT&, win::HWND&, win::UINT& uMsg,
                                 win::WPARAM& wParam, win::LPARAM&) {
    const HookHandlers handlers{
        .parentActivated = [this] { OnParentActivated(); },
        .parentDeactivated = [this] { OnParentDeactivated(); },
        .mouseLeft = [this] { OnMouseLeftWindow(); },
        .redraw = [this] { Redraw(); },
    };
    RunHookMessage(uMsg, wParam, handlers);
}

void lumbutton::OpenWebsite(std::string_view address) {
    win::ShellExecute(hWnd(), "open", address, {}, {}, win::SW_SHOWNORMAL);
}

void lumbutton::About() {
    win::forms::MsgBox(
        "LUMButton v 1.02\n\nAn owner-drawn button with fourteen styles, pictures, caption "
        "effects, balloon tooltips and drop-down menus.",
        win::forms::vbInformation, "About");
}

// ---- setters -----------------------------------------------------------------------------------

void lumbutton::Changed(std::string_view noticeName, bool redraw) {
    if (redraw) {
        Redraw();
    }
    PropertyChanged(noticeName);
}

void lumbutton::SetBackColor(win::OLE_COLOR colour) {
    Touch();
    props_.backColor = colour;
    if (props_.buttonStyle != StyleToolbarHighlight) {
        props_.colorScheme = ColorSchemeCustom;
    }
    Changed("BackColor", true);
}

void lumbutton::SetButtonStyle(std::int32_t style) {
    Touch();
    props_.buttonStyle = style;
    CoerceColorScheme();
    ApplyStyleColors();
    ApplyRegion();
    Changed("ButtonStyle", true);
}

void lumbutton::SetCaption(std::string caption) {
    Touch();
    props_.caption = std::move(caption);
    UpdateAccessKey();
    Changed("Caption", true);
}

void lumbutton::SetCaptionAlign(std::int32_t align) {
    Touch();
    props_.captionAlign = align;
    Changed("CaptionAlign", true);
}

void lumbutton::SetDropDownSymbol(std::int32_t symbol) {
    Touch();
    props_.dropDownSymbol = symbol;
    Changed("DropDownSymbol", true);
}

void lumbutton::SetDropDownSeparator(bool separator) {
    Touch();
    props_.dropDownSeparator = separator;
    Changed("DropDownSeparator", true);
}

void lumbutton::SetDisabledPictureMode(std::int32_t mode) {
    Touch();
    props_.disabledPictureMode = mode;
    Changed("DisabledPictureMode", true);
}

void lumbutton::SetEnabled(bool enabled) {
    Touch();
    props_.enabled = enabled;
    Control::SetEnabled(enabled);
    Changed("Enabled", true);
}

void lumbutton::SetFont(win::forms::FontRef font) {
    Touch();
    KeepFont(std::move(font));
    Refresh();
    Changed("Font", true);
    mFont_FontChanged("Font");
}

void lumbutton::KeepFont(win::forms::FontRef font) {
    props_.font = std::move(font);
    fontSubscription_ = {};
    if (props_.font) {
        fontSubscription_ = props_.font->Subscribe(
            [this](std::string_view attribute) { mFont_FontChanged(attribute); });
    }
}

void lumbutton::mFont_FontChanged(std::string_view) {
    if (props_.font) {
        WindowedControl::SetFont(props_.font);
    }
    Refresh();
    Changed("Font", true);
}

void lumbutton::SetForeColor(win::OLE_COLOR colour) {
    Touch();
    props_.foreColor = colour;
    UserControl::SetForeColor(colour);
    Changed("ForeColor", true);
}

void lumbutton::SetForeColorHover(win::OLE_COLOR colour) {
    Touch();
    props_.foreColorHover = colour;
    Changed("ForeColorHover", true);
}

void lumbutton::SetHandPointer(bool hand) {
    Touch();
    props_.handPointer = hand;
    if (hand) {
        props_.mousePointer = win::forms::vbDefault;
        ApplyMousePointer();
        ObtainHandCursor();
    }
    Changed("HandPointer", true);
}

void lumbutton::ObtainHandCursor() {
    handCursor_ = win::LoadCursor(nullptr, win::IDC_HAND);
    if (!handCursor_) {
        props_.handPointer = false;
    }
}

void lumbutton::SetHandCursor() const {
    if (handCursor_) {
        win::SetCursor(handCursor_);
    }
}

void lumbutton::SetMaskColor(win::OLE_COLOR colour) {
    Touch();
    props_.maskColor = colour;
    Changed("MaskColor", true);
}

void lumbutton::SetMode(std::int32_t mode) {
    Touch();
    props_.mode = mode;
    if (mode == ModePush) {
        drawState_ = StateNormal;
    }
    Redraw();
    PropertyChanged("Value");
    PropertyChanged("Mode");
}

void lumbutton::SetMouseIcon(win::forms::PictureRef icon) {
    Touch();
    props_.mouseIcon = std::move(icon);
    if (props_.mouseIcon) {
        props_.handPointer = false;
        PropertyChanged("HandPointer");
        props_.mousePointer = kCustomPointer;
    } else {
        props_.mousePointer = win::forms::vbDefault;
    }
    ApplyMousePointer();
    PropertyChanged("MouseIcon");
}

void lumbutton::SetMousePointer(std::int16_t pointer) {
    Touch();
    props_.mousePointer = pointer;
    ApplyMousePointer();
    PropertyChanged("MousePointer");
}

// The window shows the standard shapes; a custom icon has no cursor of its own on this platform,
// so the window keeps its class's cursor for it (a failure the control ignores).
void lumbutton::ApplyMousePointer() {
    UserControl::SetMousePointer(props_.mousePointer == kCustomPointer ? win::forms::vbDefault
                                                                       : props_.mousePointer);
}

void lumbutton::SetPictureNormal(win::forms::PictureRef picture) {
    Touch();
    if (picture) {
        props_.pictureNormal = std::move(picture);
        Changed("PictureNormal", true);
        return;
    }
    props_.pictureNormal.reset();
    UserControl_Resize();
    props_.pictureHot.reset();
    props_.pictureDown.reset();
    PropertyChanged("PictureHot");
    PropertyChanged("PictureDown");
}

// Without a normal picture there is nothing for a hot or pressed one to stand in for: the first
// picture given is the normal one.
void lumbutton::SetPictureHot(win::forms::PictureRef picture) {
    Touch();
    if (!props_.pictureNormal) {
        props_.pictureNormal = std::move(picture);
        PropertyChanged("PictureNormal");
        return;
    }
    props_.pictureHot = std::move(picture);
    Changed("PictureHot", true);
}

void lumbutton::SetPictureDown(win::forms::PictureRef picture) {
    Touch();
    if (!props_.pictureNormal) {
        props_.pictureNormal = std::move(picture);
        PropertyChanged("PictureNormal");
        return;
    }
    props_.pictureDown = std::move(picture);
    Changed("PictureDown", true);
}

void lumbutton::SetPictureAlign(std::int32_t align) {
    Touch();
    props_.pictureAlign = align;
    Changed("PictureAlign", props_.pictureNormal != nullptr);
}

void lumbutton::SetPictureShadow(bool shadow) {
    Touch();
    props_.pictureShadow = shadow;
    Changed("PictureShadow", true);
}

void lumbutton::SetPictureEffectOnOver(std::int32_t effect) {
    Touch();
    props_.pictureEffectOnOver = effect;
    Changed("PictureEffectOnOver", true);
}

void lumbutton::SetPictureEffectOnDown(std::int32_t effect) {
    Touch();
    props_.pictureEffectOnDown = effect;
    Changed("PictureEffectOnDown", true);
}

void lumbutton::SetPicturePushOnHover(bool push) {
    Touch();
    props_.picturePushOnHover = push;
    Changed("PicturePushOnHover", true);
}

void lumbutton::SetPictureOpacity(std::uint8_t opacity) {
    Touch();
    props_.pictureOpacity = opacity;
    Changed("PictureOpacity", true);
}

void lumbutton::SetPictureOpacityOnOver(std::uint8_t opacity) {
    Touch();
    props_.pictureOpacityOnOver = opacity;
    Changed("PictureOpacityOnOver", true);
}

void lumbutton::SetRightToLeft(bool rightToLeft) {
    Touch();
    props_.rightToLeft = rightToLeft;
    Changed("RightToLeft", true);
}

void lumbutton::SetCaptionEffects(std::int32_t effects) {
    Touch();
    props_.captionEffects = effects;
    Changed("CaptionEffects", true);
}

void lumbutton::SetShowFocusRect(bool show) {
    Touch();
    props_.showFocusRect = show;
    Changed("ShowFocusRect", false);
}

void lumbutton::SetUseMaskColor(bool use) {
    Touch();
    props_.useMaskColor = use;
    Changed("UseMaskColor", props_.pictureNormal != nullptr);
}

void lumbutton::SetValue(bool value) {
    Touch();
    if (props_.mode == ModePush) {
        drawState_ = StateNormal;
        Redraw();
        return;
    }
    props_.value = value;
    if (!value) {
        drawState_ = StateNormal;
    }
    Changed("Value", true);
}

void lumbutton::SetTooltipTitle(std::string title) {
    Touch();
    props_.tooltipTitle = std::move(title);
    Changed("TooltipTitle", true);
}

void lumbutton::SetToolTip(std::string text) {
    Touch();
    props_.toolTip = std::move(text);
    Changed("ToolTip", true);
}

void lumbutton::SetTooltipBackColor(win::OLE_COLOR colour) {
    Touch();
    props_.tooltipBackColor = colour;
    Changed("TooltipBackcolor", true);
}

void lumbutton::SetToolTipIcon(std::int32_t icon) {
    Touch();
    props_.toolTipIcon = icon;
    Changed("TooltipIcon", true);
}

void lumbutton::SetToolTipType(std::int32_t type) {
    Touch();
    props_.toolTipType = type;
    Changed("ToolTipType", true);
}

void lumbutton::SetColorScheme(std::int32_t scheme) {
    Touch();
    props_.colorScheme = scheme;
    ApplyStyleColors();
    Changed("ColorScheme", true);
}

// ---- style colours -----------------------------------------------------------------------------

void lumbutton::CoerceColorScheme() {
    props_.colorScheme = CoercedColorScheme(props_.buttonStyle, props_.colorScheme);
}

void lumbutton::ApplyStyleColors() {
    if (const auto back = StyleBackColor(props_.buttonStyle, props_.colorScheme)) {
        props_.backColor = *back;
    }
    props_.foreColor = kSystemButtonText;
    UserControl::SetForeColor(props_.foreColor);
    props_.showFocusRect = StyleShowsFocusRect(props_.buttonStyle);
    if (props_.buttonStyle == StyleToolbarHighlight) {
        props_.picturePushOnHover = true;
    }
}

// ---- access key --------------------------------------------------------------------------------

void lumbutton::UpdateAccessKey() {
    const std::optional<char> key = CaptionAccessKey(props_.caption);
    SetAccessKeys(key ? std::string(1, *key) : std::string());
}

// ---- size --------------------------------------------------------------------------------------

void lumbutton::EnsureMinimumSize() {
    if (Width() < kMinimumTwips) {
        SetWidth(kMinimumTwips);
    }
    if (Height() < kMinimumTwips) {
        SetHeight(kMinimumTwips);
    }
}

}  // namespace quellan
