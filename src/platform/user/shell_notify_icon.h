#pragma once

#include <string>

#include "platform/gdi/gdi_handle.h"
#include "platform/user/user_types.h"

namespace win {

inline constexpr DWORD NIM_ADD = 0;
inline constexpr DWORD NIM_MODIFY = 1;
inline constexpr DWORD NIM_DELETE = 2;

inline constexpr UINT NIF_MESSAGE = 0x1;
inline constexpr UINT NIF_ICON = 0x2;
inline constexpr UINT NIF_TIP = 0x4;

struct NOTIFYICONDATA {
    DWORD cbSize = sizeof(NOTIFYICONDATA);
    HWND hWnd;
    UINT uID = 0;
    UINT uFlags = 0;
    UINT uCallbackMessage = 0;
    // The icon's picture.
    HBITMAP hIcon;
    std::string szTip;
};

// The desktop's tray holds one icon for the process. NIM_ADD shows it, or, when it is shown
// already, points it at the new window, icon and tip. Mouse input on the icon is posted to hWnd as
// uCallbackMessage with wParam uID and lParam the mouse message (a right click arrives as
// WM_RBUTTONDOWN, then WM_RBUTTONUP). False when the desktop has no tray.
bool Shell_NotifyIcon(DWORD dwMessage, const NOTIFYICONDATA* lpData);

}  // namespace win
