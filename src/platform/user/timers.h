#pragma once

#include "platform/user/user_types.h"

namespace win {

using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

inline constexpr UINT USER_TIMER_MINIMUM = 0x0000000A;
inline constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;

// WM_TIMER every uElapse milliseconds of the host clock (clamped to the limits above), first
// after one interval. Setting a running timer again re-arms it. With a window: returns
// nIDEvent, or 0 for a window that does not exist or identifier 0. Without a window: a new
// identifier, never handed out twice.
UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
// False, doing nothing, for a timer that does not run.
bool KillTimer(HWND hWnd, UINT_PTR uIDEvent);

}  // namespace win
