#include "button/button_help.h"

#include <array>

namespace quellan {
namespace {

// The texts stand as the control has always shown them, misspellings included: design tools
// and users search for them as they are.
constexpr std::array kProperties = {
    MemberHelp{"BackColor", "Returns/sets the background color used for the button."},
    MemberHelp{"ButtonStyle",
               "Returns/sets a value to determine the style used to draw the button."},
    MemberHelp{"Caption", "Returns/sets the text displayed in the button."},
    MemberHelp{"CaptionAlign", "Returns/Sets the position of the Caption."},
    MemberHelp{"DropDownSymbol", "Returns/Sets the Symbol to be used for displaying PopupMenu."},
    MemberHelp{"DropDownSeparator",
               "Returns/Sets the value whether to display DropDown Separator."},
    MemberHelp{"DisabledPictureMode",
               "Returns/Sets the effect to be used for picture when button is disabled."},
    MemberHelp{"Enabled",
               "Returns/sets a value to determine whether the button can respond to events."},
    MemberHelp{"Font", "Returns/sets the Font used to display text on the button."},
    MemberHelp{"ForeColor", "Returns/sets the text color of the button caption."},
    MemberHelp{"ForeColorHover",
               "Returns/sets the text color of the button caption when Mouse is over the "
               "control."},
    MemberHelp{"HandPointer",
               "Returns/sets a value to determine whether the control uses the system's hand "
               "pointer as its cursor."},
    MemberHelp{"hwnd", "Returns a handle that uniquely identifies the control."},
    MemberHelp{"MaskColor", "Returns/sets a color in a button's picture to be transparent."},
    MemberHelp{"Mode", "Returns/sets the type of control the button will observe."},
    MemberHelp{"MouseIcon", "Sets a custom mouse icon for the button."},
    MemberHelp{"MousePointer",
               "Returns/sets the type of mouse pointer displayed when cursor over the button."},
    MemberHelp{"PictureNormal", "Returns/sets the picture displayed on a normal state button."},
    MemberHelp{"PictureHot",
               "Returns/sets the picture displayed when the cursor is over the control."},
    MemberHelp{"PictureDown",
               "Returns/sets the picture displayed when the control is pressed down or in "
               "checked state."},
    MemberHelp{"PictureAlign",
               "Returns/sets a value to determine where to draw the picture in the button."},
    MemberHelp{"PictureShadow",
               "Returns/Sets a value to determine whether to display Picture Shadow"},
    MemberHelp{"PictureEffectOnOver",
               "Returns/Sets the Picture Effects to be applied when the mouseis over the "
               "control."},
    MemberHelp{"PictureEffectOnDown",
               "Returns/Sets the Picture Effects to be applied when the Button is pressed down."},
    MemberHelp{"PicturePushOnHover",
               "Returns/Sets a value to determine whether to Push picture when Mouse is over the "
               "control."},
    MemberHelp{"PictureOpacity",
               "Returns/Sets a byte value to control the Opacity of the Picture."},
    MemberHelp{"PictureOpacityOnOver",
               "Returns/Sets a byte value to control the Opacity of the Picture when Mouse is "
               "over the button."},
    MemberHelp{"RightToLeft",
               "Returns/Sets a value to determine whether to display text in RTL mode."},
    MemberHelp{"CaptionEffects", "Returns/Sets the Special Effects apply to the caption."},
    MemberHelp{"ShowFocusRect", "Returns/Sets a value to show Focusrect when the button has focus"},
    MemberHelp{"UseMaskColor",
               "Returns/sets a value to determine whether to use MaskColor to create transparent "
               "areas of the picture."},
    MemberHelp{"Value", "Returns/sets the value or state of the button."},
    MemberHelp{"TooltipTitle", "Returns/Sets the text displayed in the title of the tooltip."},
    MemberHelp{"ToolTip", "Returns/Sets the text displayed when mouse is paused over the control."},
    MemberHelp{"TooltipBackColor", "Returns/Sets color to be displayed in the tooltip."},
    MemberHelp{"ToolTipIcon", "Returns/Sets an icon value to be displayed in the tooltip."},
    MemberHelp{"ToolTipType", "Returns/Sets the Style of the tooltip."},
    MemberHelp{"ColorScheme", "Returns/Sets the ColorScheme to be used for the Background color."},
};

constexpr std::array kMethods = {
    MemberHelp{"SetPopupMenu", "Sets a dropdown menu to the button."},
    MemberHelp{"UnsetPopupMenu", "Unsets a popupmenu that was previously set for that button."},
    MemberHelp{"OpenWebsite", "Opens a website specified by URL"},
    MemberHelp{"About", "Displays information about the control and its author."},
};

constexpr std::array kEvents = {
    EventHelp{"Click", -600,
              "Occurs when the user presses and then releases a mouse button over the button."},
    EventHelp{"DblClick", -601, "Occurs when the user clicks over the button twice."},
    EventHelp{"MouseEnter", 1,
              "Occrus when the cursor moves around the button for the first time."},
    EventHelp{"MouseLeave", 2, "Occurs when the cursor leaves/moves outside the button."},
    EventHelp{"MouseMove", -606, "Occurs when the cursor moves over the button."},
    EventHelp{"MouseUp", -607,
              "Occurs when the user releases the mouse button while the button has the focus."},
    EventHelp{"MouseDown", -605,
              "Occurs when the user presses the mouse button while the button has the focus."},
    EventHelp{"KeyDown", -602,
              "Occurs when the user presses a key while the button has the focus."},
    EventHelp{"KeyUp", -604, "Occurs when the user releases a key while the button has the focus."},
    EventHelp{"KeyPress", -603, "Occurs when the user presses and releases an ANSI key."},
};

}  // namespace

std::span<const MemberHelp> ButtonPropertyHelp() {
    return kProperties;
}

std::span<const MemberHelp> ButtonMethodHelp() {
    return kMethods;
}

std::span<const EventHelp> ButtonEventHelp() {
    return kEvents;
}

}  // namespace quellan
