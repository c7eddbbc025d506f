#pragma once

#include <string_view>

#include "platform/user/user_types.h"

namespace win {

inline constexpr UINT MB_OK = 0x00000000;
inline constexpr UINT MB_OKCANCEL = 0x00000001;
inline constexpr UINT MB_ICONERROR = 0x00000010;
inline constexpr UINT MB_ICONQUESTION = 0x00000020;
inline constexpr UINT MB_ICONWARNING = 0x00000030;
inline constexpr UINT MB_ICONINFORMATION = 0x00000040;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// A modal window of ours: the owner's top-level window is disabled until it closes, and a message
// loop runs meanwhile (timers keep going). Enter or Space presses the focused button, Escape and
// the close box cancel (OK when it is the only button). Returns the button pressed; 0 when the
// button set is not supported (only MB_OK and MB_OKCANCEL are) or the program quits meanwhile.
int MessageBox(HWND hWnd, std::string_view lpText, std::string_view lpCaption, UINT uType);

}  // namespace win
