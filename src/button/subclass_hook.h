#pragma once

// The button's message hook: what it installs at load and what it does with what it hears.
//
// At load in run mode (the last step of reading its properties) the button calls
//     trackLeave = ProbeLeaveTracking();                                 // track_mouse_leave.h
//     InstallMessageHook(table, controlWindow, parentWindow, themes.ThemeInUse(),
//                        ParentIsMdiChild(parentWindow));
// and its Subclass_WndProc passes every call on to RunHookMessage with its handlers.

#include <functional>

#include "button/subclass_table.h"
#include "platform/user/user_types.h"

namespace quellan {

inline constexpr win::UINT kHookMouseLeave = 0x2A3;
inline constexpr win::UINT kHookThemeChanged = 0x31A;
inline constexpr win::UINT kHookSysColorChange = 0x15;
inline constexpr win::UINT kHookNcActivate = 0x86;
inline constexpr win::UINT kHookActivate = 6;

// Subclasses the control and its parent and registers, all after the previous procedure: mouse
// leave and theme change on the control, system colours too when a theme is in use, and the
// parent's activation (non-client activation for a multiple-document child). Stops at the first
// step that fails and says whether every step was done.
bool InstallMessageHook(SubclassTable& table, win::HWND control, win::HWND parent, bool themeInUse,
                        bool parentIsMdiChild);

// Whether the window is a child of a multiple-document frame. Our forms have no such children,
// so a form's window answers false.
bool ParentIsMdiChild(win::HWND parent);

struct HookHandlers {
    std::function<void()> parentActivated;
    std::function<void()> parentDeactivated;
    std::function<void()> mouseLeft;
    std::function<void()> redraw;
};

// Acts on the message number alone, whichever window it came from; bHandled and lReturn are
// left alone, so the previous procedure's result stands.
void RunHookMessage(win::UINT uMsg, win::WPARAM wParam, const HookHandlers& handlers);

}  // namespace quellan
