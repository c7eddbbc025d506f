#pragma once

#include <string>
#include <string_view>

#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"

namespace win {

inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_BYPOSITION = 0x0400;

inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_CENTERALIGN = 0x0004;
inline constexpr UINT TPM_RIGHTALIGN = 0x0008;
inline constexpr UINT TPM_TOPALIGN = 0x0000;
inline constexpr UINT TPM_VCENTERALIGN = 0x0010;
inline constexpr UINT TPM_BOTTOMALIGN = 0x0020;
inline constexpr UINT TPM_LEFTBUTTON = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_NONOTIFY = 0x0080;
inline constexpr UINT TPM_RETURNCMD = 0x0100;

// Menu handles are never reused within a run.
HMENU CreatePopupMenu();
// Sub-menus go with their menu.
bool DestroyMenu(HMENU hMenu);
bool IsMenu(HMENU hMenu);
// Strings (with "&" access keys), separators, grayed and checked items. With MF_POPUP,
// uIDNewItem is the sub-menu the item opens; a sub-menu that would contain its own menu fails.
bool AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, std::string_view lpNewItem);
int GetMenuItemCount(HMENU hMenu);
// 0 for a separator, -1 (as UINT) for a sub-menu item or a position that does not exist.
UINT GetMenuItemID(HMENU hMenu, int nPos);
// The sub-menu of the item at nPos; null when it opens none.
HMENU GetSubMenu(HMENU hMenu, int nPos);
std::string GetMenuString(HMENU hMenu, UINT uIDItem, UINT flags);
// MF_BYCOMMAND looks in the sub-menus too. Return the item's previous state, or -1 (as UINT /
// DWORD) when there is no such item.
UINT EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable);
DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck);

// Shows the menu in a pop-up window of ours at (x, y) in screen coordinates (TPM_RIGHTALIGN puts
// its right edge at x, TPM_BOTTOMALIGN its bottom edge at y; it is kept on the screen) and runs
// a message loop until it closes: by a chosen item (mouse release over it, or Enter), Escape, Alt,
// a press outside, or the desktop dismissing it. A sub-menu opens when its item is pointed at,
// or with Right or Enter, and closes with Left or Escape. Timers and other messages keep running
// meanwhile. hWnd gets WM_ENTERMENULOOP, WM_INITMENUPOPUP and WM_EXITMENULOOP. With TPM_RETURNCMD
// the chosen command is returned (0 for none); otherwise it is posted to hWnd as WM_COMMAND and the
// result says whether the menu was shown.
int TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd,
                   const RECT* prcRect = nullptr);

}  // namespace win
