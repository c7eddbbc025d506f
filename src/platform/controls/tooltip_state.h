#pragma once

#include <string>
#include <vector>

#include "platform/controls/tooltip_geometry.h"
#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/sys_color.h"
#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"

namespace win::controls {

struct TooltipTool {
    HWND owner;
    UINT_PTR id = 0;
    UINT flags = 0;
    RECT rect;
    std::string text;

    // The window whose area the tool is.
    HWND Window() const;
    bool Names(HWND otherOwner, UINT_PTR otherId) const;
};

struct TooltipState {
    std::vector<TooltipTool> tools;
    std::string title;
    int titleIcon = 0;
    int maxWidth = -1;
    COLORREF background = GetSysColor(COLOR_INFOBK);
    COLORREF textColour = GetSysColor(COLOR_INFOTEXT);
    HFONT font;
    bool active = true;

    // The tool under the pointer (-1: none), whether its tip shows, and whether a click or the
    // tip's time running out keeps it from showing again until the pointer leaves.
    int hover = -1;
    bool shown = false;
    bool suppressed = false;

    // What the shown tip looks like; `shadow`: it casts a drop shadow (its class asks for one).
    TooltipGeometry geometry{};
    bool shadow = false;
    std::string shownText;
};

// Measures and places the hovered tool's tip and shows it; nothing for an empty text.
void ShowTip(HWND tooltip, TooltipState& state);
void HideTip(HWND tooltip, TooltipState& state);
void PaintTip(HWND tooltip, const TooltipState& state, HDC dc);

// The text's DrawText format for the tooltip's styles.
UINT TipTextFormat(HWND tooltip, const TooltipState& state);

}  // namespace win::controls
