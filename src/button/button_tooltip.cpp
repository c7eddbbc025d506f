#include "button/button_tooltip.h"

#include "button/render/button_values.h"
#include "button/render/colour_functions.h"
#include "platform/controls/tooltip.h"
#include "platform/forms/extender.h"
#include "platform/user/user.h"

namespace quellan {

using namespace win;

namespace {

constexpr UINT kToolFlagsWide = TTF_SUBCLASS | TTF_IDISHWND;  // 17
constexpr UINT kToolFlagsSingleByte = TTF_SUBCLASS;           // 16

void AddTool(HWND tooltip, HWND control, const TooltipSettings& settings) {
    TOOLINFO tool;
    tool.uFlags = settings.isUnicodeOS ? kToolFlagsWide : kToolFlagsSingleByte;
    tool.hwnd = control;
    tool.uId = static_cast<UINT_PTR>(control.Value());
    GetClientRect(control, &tool.rect);
    tool.hinst = nullptr;
    tool.lpszText = settings.ToolTip.c_str();
    SendMessage(tooltip, settings.isUnicodeOS ? TTM_ADDTOOLW : TTM_ADDTOOLA, 0,
                reinterpret_cast<LPARAM>(&tool));
}

void SetTitle(HWND tooltip, const TooltipSettings& settings) {
    if (settings.TooltipTitle.empty() && settings.ToolTipIcon == TooltipIconNone) {
        return;
    }
    SendMessage(tooltip, settings.isUnicodeOS ? TTM_SETTITLEW : TTM_SETTITLEA,
                static_cast<WPARAM>(settings.ToolTipIcon),
                reinterpret_cast<LPARAM>(settings.TooltipTitle.c_str()));
}

}  // namespace

bool TooltipAllowed(bool Enabled, bool menuSuppressed, std::int32_t drawState) {
    return Enabled && !menuSuppressed && drawState != StateDown;
}

void CreateTooltip(HWND control, HWND& tooltip, const TooltipSettings& settings) {
    if (!TooltipAllowed(settings.Enabled, settings.menuSuppressed, settings.drawState)) {
        return;
    }
    if (IsWindow(tooltip)) {
        DestroyWindow(tooltip);
    }
    const DWORD style = settings.ToolTipType == TooltipBalloon
                            ? kTooltipStyle | kTooltipBalloonStyle
                            : kTooltipStyle;
    const DWORD exStyle = settings.RightToLeft ? kTooltipRightToLeft : 0;
    tooltip = CreateWindowEx(exStyle, TOOLTIPS_CLASS, "", style, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, control);
    if (!tooltip) {
        return;
    }
    SetClassLongPtr(tooltip, GCL_STYLE, GetClassLongPtr(tooltip, GCL_STYLE) | kTooltipDropShadow);
    AddTool(tooltip, control, settings);
    SetTitle(tooltip, settings);
    SendMessage(tooltip, TTM_SETMAXTIPWIDTH, 0, kTooltipMaxWidth);
    if (settings.TooltipBackColor != 0) {
        SendMessage(tooltip, TTM_SETTIPBKCOLOR, TranslateColor(settings.TooltipBackColor), 0);
    }
}

void UpdateHostTooltip(forms::Extender& extender, bool controlShown, const std::string& ToolTip) {
    extender.SetToolTipText(controlShown ? std::string() : ToolTip);
}

}  // namespace quellan
