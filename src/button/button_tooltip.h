#pragma once

// The button's own tooltip window: built anew each time the button turns hot, from its tooltip
// properties, so their changes show at the next hover. Once built it watches the control window
// itself and pops up after the usual hover delay.
//
// The button's mouse-move handling, when the draw state has turned hot and stayed out of the
// pressed look, calls CreateTooltip(control window, its tooltip handle, settings); the handle
// stays the button's and the last tooltip goes with the control window. Its show and hide call
// UpdateHostTooltip with the form's extender.

#include <cstdint>
#include <string>

#include "platform/gdi/sys_color.h"
#include "platform/user/user_types.h"

namespace win::forms {
class Extender;
}

namespace quellan {

inline constexpr win::DWORD kTooltipStyle = 3;            // always shown, "&" kept as it is
inline constexpr win::DWORD kTooltipBalloonStyle = 0x40;  // with kTooltipStyle: 67
inline constexpr win::DWORD kTooltipRightToLeft = 0x400000;
inline constexpr win::DWORD kTooltipDropShadow = 0x20000;
inline constexpr int kTooltipMaxWidth = 240;

struct TooltipSettings {
    std::string ToolTip;
    std::string TooltipTitle;
    std::int32_t ToolTipIcon = 0;  // TooltipIcons
    std::int32_t ToolTipType = 0;  // TooltipTypes
    // 0 keeps the system's tooltip colour; a system-colour reference is translated.
    win::OLE_COLOR TooltipBackColor = 0;
    bool RightToLeft = false;
    // Wide tool messages; single-byte ones otherwise (the text is the same either way here).
    bool isUnicodeOS = true;

    // What the button is doing: no tooltip while it is disabled, pressed (a checked button drawn
    // pressed included) or its drop-down menu is suppressed.
    bool Enabled = true;
    bool menuSuppressed = false;
    std::int32_t drawState = 0;  // DrawStates
};

bool TooltipAllowed(bool Enabled, bool menuSuppressed, std::int32_t drawState);

// When allowed: destroys the previous tooltip window, builds the new one owned by the control and
// stores its handle in `tooltip` (null when it could not be made). Otherwise nothing changes.
void CreateTooltip(win::HWND control, win::HWND& tooltip, const TooltipSettings& settings);

// Shown: the form's own tooltip for the control is emptied, so only the button's shows;
// hidden: the form's tooltip gets the button's text back.
void UpdateHostTooltip(win::forms::Extender& extender, bool controlShown,
                       const std::string& ToolTip);

}  // namespace quellan
