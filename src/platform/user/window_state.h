#pragma once

#include "platform/user/user_types.h"

namespace win {

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_NORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_SHOWMINNOACTIVE = 7;
inline constexpr int SW_SHOWNA = 8;
inline constexpr int SW_RESTORE = 9;

// Sends WM_SHOWWINDOW, then moves as SetWindowPos with SWP_SHOWWINDOW or SWP_HIDEWINDOW does.
// Showing a top-level window activates it unless the command says not to; minimising and
// maximising are not supported and show the window as it is, without activation. Returns
// whether the window was visible before.
bool ShowWindow(HWND hWnd, int nCmdShow);
// The window and all its ancestors have WS_VISIBLE.
bool IsWindowVisible(HWND hWnd);

// Sends WM_ENABLE when the state changes; a window that loses its enabled state also loses the
// focus and the capture if it or a descendant held them. Returns whether it was disabled before.
bool EnableWindow(HWND hWnd, bool bEnable);
bool IsWindowEnabled(HWND hWnd);

}  // namespace win
