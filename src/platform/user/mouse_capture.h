#pragma once

#include "platform/user/user_types.h"

namespace win {

// Mouse input goes to the window wherever the pointer is. The window losing the capture gets
// WM_CAPTURECHANGED (lParam: the new holder). On a pop-up the host grabs the pointer as well.
// Returns the previous holder.
HWND SetCapture(HWND hWnd);
// Doing nothing when no window holds the capture.
bool ReleaseCapture();
HWND GetCapture();

}  // namespace win
