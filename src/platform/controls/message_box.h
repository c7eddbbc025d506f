#pragma once

#include <string_view>

#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"

namespace win {

inline constexpr UINT MB_OK = 0x00000000;
inline constexpr UINT MB_ICONERROR = 0x00000010;
inline constexpr UINT MB_ICONWARNING = 0x00000030;
inline constexpr UINT MB_ICONINFORMATION = 0x00000040;
inline constexpr UINT MB_ICONMASK = 0x000000F0;

// The dialog class the message box window has.
inline constexpr char kMessageBoxClassName[] = "#32770";

// A modal window of ours with the caption, the icon the type names, the text and a "确定"
// button. The owner's window is disabled meanwhile; messages (timers included) keep being
// dispatched. Returns IDOK once the box is closed by its button, Enter, Escape or its close box;
// 0 when it could not be shown.
int MessageBox(HWND hWnd, std::string_view lpText, std::string_view lpCaption, UINT uType);

}  // namespace win
