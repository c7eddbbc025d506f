// The button's life on its form: creation, the set-up of a new instance, the property store in
// both directions, resizing, ambient changes and the end.

#include <string>

#include "button/button_tooltip.h"
#include "button/lumbutton.h"
#include "button/render/button_region.h"
#include "button/render/effect_tables.h"
#include "button/subclass_hook.h"
#include "platform/forms/form.h"

namespace quellan {
namespace {

constexpr win::OLE_COLOR kSystemButtonFace = 0x80000000u | win::COLOR_BTNFACE;
constexpr win::OLE_COLOR kSystemButtonText = 0x80000000u | win::COLOR_BTNTEXT;
constexpr win::OLE_COLOR kSystemInfoBackground = 0x80000000u | win::COLOR_INFOBK;
constexpr win::OLE_COLOR kDefaultMaskColor = 0xE0E0E0;

// Colours are stored as signed 32-bit numbers, system colours (top bit set) as negative ones.
std::int32_t Stored(win::OLE_COLOR colour) {
    return static_cast<std::int32_t>(colour);
}

win::OLE_COLOR ReadColour(const win::forms::PropertyBag& bag, std::string_view key,
                          win::OLE_COLOR defaultColour) {
    return static_cast<win::OLE_COLOR>(bag.ReadProperty<std::int32_t>(key, Stored(defaultColour)));
}

}  // namespace

void lumbutton::UserControl_Initialize() {
    brighten_ = ::quellan::BrightenTable();
    darken_ = ::quellan::DarkenTable();
    flags_.isUnicodeOS = true;
}

void lumbutton::UserControl_InitProperties() {
    props_.showFocusRect = true;
    props_.enabled = true;
    Control::SetEnabled(true);
    props_.buttonStyle = StyleSystemTheme;
    SetCaption(Ambient().DisplayName());

    win::forms::FontRef font =
        WindowedControl::Font() ? WindowedControl::Font()->Clone() : Ambient().Font();
    font->SetName("Tahoma");
    KeepFont(std::move(font));
    mFont_FontChanged("Font");

    props_.pictureOpacity = 255;
    props_.pictureOpacityOnOver = 255;
    props_.pictureAlign = PictureLeftOfCaption;
    props_.captionAlign = CaptionCenter;
    props_.useMaskColor = true;
    props_.maskColor = kDefaultMaskColor;

    CoerceColorScheme();
    ApplyStyleColors();
    Refresh();
    // Forms here always run, and a form without stored properties for the button sets it up
    // anew even then: a running button needs its hook whichever way it was set up.
    if (Ambient().UserMode()) {
        parentWindow_ = ContainerWindow();
        InstallMessageHook();
    }
}

void lumbutton::UserControl_WriteProperties(win::forms::PropertyBag& bag) {
    const win::forms::FontRef ambientFont = Ambient().Font();
    bag.WriteProperty("ButtonStyle", props_.buttonStyle, std::int32_t{1});
    bag.WriteProperty("ShowFocusRect", props_.showFocusRect, false);
    bag.WriteProperty("Enabled", props_.enabled, true);
    bag.WriteProperty("Font", props_.font, ambientFont);
    bag.WriteProperty("BackColor", Stored(props_.backColor), Stored(kSystemButtonFace));
    bag.WriteProperty("Caption", props_.caption, std::string("lumbutton1"));
    bag.WriteProperty("ForeColor", Stored(props_.foreColor), Stored(kSystemButtonText));
    bag.WriteProperty("ForeColorHover", Stored(props_.foreColorHover), Stored(kSystemButtonText));
    bag.WriteProperty("Mode", props_.mode, std::int32_t{0});
    bag.WriteProperty("Value", props_.value, false);
    bag.WriteProperty("MousePointer", props_.mousePointer, std::int16_t{0});
    bag.WriteProperty("HandPointer", props_.handPointer, false);
    bag.WriteProperty("MouseIcon", props_.mouseIcon, win::forms::PictureRef{});
    bag.WriteProperty("PictureNormal", props_.pictureNormal, win::forms::PictureRef{});
    bag.WriteProperty("PictureHot", props_.pictureHot, win::forms::PictureRef{});
    bag.WriteProperty("PictureDown", props_.pictureDown, win::forms::PictureRef{});
    bag.WriteProperty("PictureAlign", props_.pictureAlign, std::int32_t{1});
    bag.WriteProperty("PictureEffectOnOver", props_.pictureEffectOnOver, std::int32_t{1});
    bag.WriteProperty("PictureEffectOnDown", props_.pictureEffectOnDown, std::int32_t{2});
    bag.WriteProperty("PicturePushOnHover", props_.picturePushOnHover, false);
    bag.WriteProperty("PictureShadow", props_.pictureShadow, false);
    bag.WriteProperty("PictureOpacity", props_.pictureOpacity, std::uint8_t{255});
    bag.WriteProperty("PictureOpacityOnOver", props_.pictureOpacityOnOver, std::uint8_t{255});
    bag.WriteProperty("DisabledPictureMode", props_.disabledPictureMode, std::int32_t{0});
    // Its default is written as an empty text, which no number equals: it is always stored.
    bag.WriteProperty("CaptionEffects", props_.captionEffects, std::string());
    bag.WriteProperty("UseMaskColor", props_.useMaskColor, true);
    bag.WriteProperty("MaskColor", Stored(props_.maskColor), Stored(kDefaultMaskColor));
    bag.WriteProperty("CaptionAlign", props_.captionAlign, std::int32_t{1});
    bag.WriteProperty("ToolTip", props_.toolTip, std::string());
    bag.WriteProperty("TooltipType", props_.toolTipType, std::int32_t{0});
    bag.WriteProperty("TooltipIcon", props_.toolTipIcon, std::int32_t{0});
    bag.WriteProperty("TooltipTitle", props_.tooltipTitle, std::string());
    bag.WriteProperty("TooltipBackColor", Stored(props_.tooltipBackColor),
                      Stored(kSystemInfoBackground));
    bag.WriteProperty("RightToLeft", props_.rightToLeft, false);
    bag.WriteProperty("DropDownSymbol", props_.dropDownSymbol, std::int32_t{0});
    bag.WriteProperty("DropDownSeparator", props_.dropDownSeparator, false);
    bag.WriteProperty("ColorScheme", props_.colorScheme, std::int32_t{0});
}

// Stored values go straight into the fields: a stored colour stays as it was saved, whatever the
// style would choose.
void lumbutton::UserControl_ReadProperties(const win::forms::PropertyBag& bag) {
    using win::forms::PictureRef;
    props_.buttonStyle = bag.ReadProperty<std::int32_t>("ButtonStyle", 1);
    props_.showFocusRect = bag.ReadProperty<bool>("ShowFocusRect", false);
    props_.font = bag.ReadProperty<win::forms::FontRef>("Font", Ambient().Font());
    props_.backColor = ReadColour(bag, "BackColor", kSystemButtonFace);
    props_.enabled = bag.ReadProperty<bool>("Enabled", true);
    props_.caption = bag.ReadProperty<std::string>("Caption", "lumbutton");
    props_.value = bag.ReadProperty<bool>("Value", false);
    props_.mousePointer = bag.ReadProperty<std::int16_t>("MousePointer", 0);
    ApplyMousePointer();
    props_.handPointer = bag.ReadProperty<bool>("HandPointer", false);
    props_.mouseIcon = bag.ReadProperty<PictureRef>("MouseIcon", nullptr);
    props_.pictureNormal = bag.ReadProperty<PictureRef>("PictureNormal", nullptr);
    props_.pictureHot = bag.ReadProperty<PictureRef>("PictureHot", nullptr);
    props_.pictureDown = bag.ReadProperty<PictureRef>("PictureDown", nullptr);
    props_.pictureShadow = bag.ReadProperty<bool>("PictureShadow", false);
    props_.pictureOpacity = bag.ReadProperty<std::uint8_t>("PictureOpacity", 255);
    props_.pictureOpacityOnOver = bag.ReadProperty<std::uint8_t>("PictureOpacityOnOver", 255);
    props_.disabledPictureMode = bag.ReadProperty<std::int32_t>("DisabledPictureMode", 0);
    props_.picturePushOnHover = bag.ReadProperty<bool>("PicturePushOnHover", false);
    props_.pictureEffectOnOver = bag.ReadProperty<std::int32_t>("PictureEffectOnOver", 1);
    props_.pictureEffectOnDown = bag.ReadProperty<std::int32_t>("PictureEffectOnDown", 2);
    props_.maskColor = ReadColour(bag, "MaskColor", kDefaultMaskColor);
    props_.useMaskColor = bag.ReadProperty<bool>("UseMaskColor", true);
    props_.captionEffects = bag.ReadProperty<std::int32_t>("CaptionEffects", 0);
    props_.mode = bag.ReadProperty<std::int32_t>("Mode", 0);
    props_.pictureAlign = bag.ReadProperty<std::int32_t>("PictureAlign", 1);
    props_.captionAlign = bag.ReadProperty<std::int32_t>("CaptionAlign", 1);
    props_.foreColor = ReadColour(bag, "ForeColor", kSystemButtonText);
    props_.foreColorHover = ReadColour(bag, "ForeColorHover", kSystemButtonText);
    props_.dropDownSeparator = bag.ReadProperty<bool>("DropDownSeparator", false);
    props_.tooltipTitle = bag.ReadProperty<std::string>("TooltipTitle", "");
    props_.toolTip = bag.ReadProperty<std::string>("ToolTip", "");
    props_.toolTipIcon = bag.ReadProperty<std::int32_t>("TooltipIcon", 0);
    props_.toolTipType = bag.ReadProperty<std::int32_t>("TooltipType", 0);
    props_.tooltipBackColor = ReadColour(bag, "TooltipBackColor", kSystemInfoBackground);
    props_.rightToLeft = bag.ReadProperty<bool>("RightToLeft", false);
    props_.dropDownSymbol = bag.ReadProperty<std::int32_t>("DropDownSymbol", 0);
    props_.colorScheme = bag.ReadProperty<std::int32_t>("ColorScheme", 0);

    KeepFont(props_.font);
    if (props_.font) {
        WindowedControl::SetFont(props_.font);
    }
    UserControl::SetForeColor(props_.foreColor);
    Control::SetEnabled(props_.enabled);
    UpdateAccessKey();
    parentWindow_ = ContainerWindow();
    if (props_.handPointer) {
        ObtainHandCursor();
    }
    UserControl_Resize();
    if (Ambient().UserMode()) {
        InstallMessageHook();
    }
}

void lumbutton::UserControl_Resize() {
    EnsureMinimumSize();
    ApplyRegion();
    Redraw();
}

void lumbutton::ApplyRegion() {
    if (hWnd()) {
        ApplyButtonRegion(*this);
    }
}

void lumbutton::UserControl_Paint() {
    Redraw();
}

void lumbutton::UserControl_AmbientChanged(std::string_view propertyName) {
    flags_.displayAsDefault = Ambient().DisplayAsDefault();
    if (propertyName == "DisplayAsDefault" || propertyName == "BackColor") {
        Redraw();
    }
}

// Installed once per load, and only in run mode; a failure leaves the button without the hook's
// notices, working otherwise.
void lumbutton::InstallMessageHook() {
    leaveTracking_ = ProbeLeaveTracking();
    ::quellan::InstallMessageHook(subclasses_, hWnd(), parentWindow_, ThemeInUse(),
                                  ParentIsMdiChild(parentWindow_));
}

void lumbutton::UserControl_Show() {
    UpdateHostTooltip(Extender(), true, props_.toolTip);
}

void lumbutton::UserControl_Hide() {
    UpdateHostTooltip(Extender(), false, props_.toolTip);
}

void lumbutton::UserControl_Terminate() {
    fontSubscription_ = {};
    props_.font.reset();
    UnsetPopupMenu();
    if (Ambient().UserMode()) {
        subclasses_.UnsubclassAll();
    }
}

}  // namespace quellan
