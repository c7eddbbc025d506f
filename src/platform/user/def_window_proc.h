#pragma once

#include "platform/user/user_types.h"

namespace win {

// What a window does with a message its procedure passes on: keeps its text, computes its client
// area, paints its frame (borders and the 3-D edge of WS_EX_CLIENTEDGE) and its class background,
// destroys itself on WM_CLOSE, turns SC_CLOSE and Alt+F4 into WM_CLOSE, sends WM_MOVE and WM_SIZE
// after a move, sets the class cursor, takes the focus on activation and passes the wheel up to
// its parent.
LRESULT DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

}  // namespace win
