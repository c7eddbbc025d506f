#pragma once

#include <string_view>

#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"

namespace win {

inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_SEPARATOR = 0x0800;

inline constexpr UINT TPM_LEFTBUTTON = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_CENTERALIGN = 0x0004;
inline constexpr UINT TPM_RIGHTALIGN = 0x0008;
inline constexpr UINT TPM_TOPALIGN = 0x0000;
inline constexpr UINT TPM_VCENTERALIGN = 0x0010;
inline constexpr UINT TPM_BOTTOMALIGN = 0x0020;
inline constexpr UINT TPM_NONOTIFY = 0x0080;
inline constexpr UINT TPM_RETURNCMD = 0x0100;

// Menu handles are never reused within a run.
HMENU CreatePopupMenu();
// MF_STRING (with MF_GRAYED, MF_DISABLED or MF_CHECKED) or MF_SEPARATOR; "&" marks the access key.
// Submenus (MF_POPUP) are not supported and fail.
bool AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, std::string_view lpNewItem);
bool DestroyMenu(HMENU hMenu);
bool IsMenu(HMENU hMenu);
// -1 for a handle that names no menu.
int GetMenuItemCount(HMENU hMenu);

// Shows the menu in a popup window of ours with (x, y) in screen coordinates placed as the
// alignment flags say, and returns only when it closes; messages, timers included, keep being
// dispatched meanwhile. With TPM_RETURNCMD the chosen item's identifier is returned (0 when
// nothing was chosen); otherwise a chosen item is posted to hWnd as WM_COMMAND and the result
// says whether one was. A second menu while one is open fails.
int TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd,
                   const RECT* prcRect);

}  // namespace win
