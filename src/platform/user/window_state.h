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
inline constexpr int SW_SHOWDEFAULT = 10;
inline constexpr int SW_FORCEMINIMIZE = 11;

// Sends WM_SHOWWINDOW, then moves as SetWindowPos with SWP_SHOWWINDOW or SWP_HIDEWINDOW does.
// Showing a top-level window activates it unless the command says not to. The minimising
// commands show the window minimised (WS_MINIMIZE, WM_SIZE with SIZE_MINIMIZED), and an active
// window minimised passes the activation to its owner or to none; SW_SHOWNORMAL, SW_RESTORE,
// SW_SHOWNOACTIVATE, SW_SHOWDEFAULT and SW_SHOWMAXIMIZED bring a minimised window back;
// SW_SHOW, SW_SHOWNA and SW_HIDE keep it as it is. Maximising is not supported: it shows the
// window at its size. Child windows are never minimised. Returns whether the window was
// visible before.
bool ShowWindow(HWND hWnd, int nCmdShow);
// Minimised (WS_MINIMIZE), by ShowWindow or by the desktop.
bool IsIconic(HWND hWnd);
// The window and all its ancestors have WS_VISIBLE.
bool IsWindowVisible(HWND hWnd);

// Sends WM_ENABLE when the state changes; a window that loses its enabled state also loses the
// focus and the capture if it or a descendant held them. Returns whether it was disabled before.
bool EnableWindow(HWND hWnd, bool bEnable);
bool IsWindowEnabled(HWND hWnd);

}  // namespace win
