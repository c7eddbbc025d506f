#pragma once

#include "platform/user/user_types.h"

namespace win {

// Sends WM_KILLFOCUS (wParam: the new focus) to the window losing the focus and WM_SETFOCUS
// (wParam: the old focus) to the one gaining it; activates the window's top-level window first
// when it is not active. Null takes the focus away. Returns the previous focus, or null (doing
// nothing) for a window that does not exist.
HWND SetFocus(HWND hWnd);
HWND GetFocus();

// High bit: the key is down; low bit: toggled. Mouse buttons count as keys (VK_LBUTTON, ...).
short GetKeyState(int nVirtKey);
short GetAsyncKeyState(int vKey);

}  // namespace win
