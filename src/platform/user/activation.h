#pragma once

#include "platform/user/user_types.h"

namespace win {

// Moves the activation to a top-level window (a child names its top-level window): the old
// active window gets WM_NCACTIVATE(FALSE) and WM_ACTIVATE(WA_INACTIVE), the new one
// WM_NCACTIVATE(TRUE) and WM_ACTIVATE(WA_ACTIVE), each with the other window in lParam; the
// focus follows. Pop-ups and disabled or hidden windows are not activated. Returns the window
// that was active before, or null when nothing changed hands.
HWND SetActiveWindow(HWND hWnd);
HWND GetActiveWindow();
// The same, and the desktop is asked to bring the window to the front.
bool SetForegroundWindow(HWND hWnd);
HWND GetForegroundWindow();

}  // namespace win
