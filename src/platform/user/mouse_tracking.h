#pragma once

#include "platform/user/user_types.h"

namespace win {

inline constexpr DWORD TME_HOVER = 0x00000001;
inline constexpr DWORD TME_LEAVE = 0x00000002;
inline constexpr DWORD TME_NONCLIENT = 0x00000010;
inline constexpr DWORD TME_QUERY = 0x40000000;
inline constexpr DWORD TME_CANCEL = 0x80000000;
inline constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF;

struct TRACKMOUSEEVENT {
    DWORD cbSize = sizeof(TRACKMOUSEEVENT);
    DWORD dwFlags = 0;
    HWND hwndTrack;
    DWORD dwHoverTime = 0;
};

// TME_LEAVE: one WM_MOUSELEAVE when the cursor is next found off the window (at once when it is
// off already); asking again before that changes nothing. TME_HOVER: one WM_MOUSEHOVER when the
// cursor has stayed on the window, without moving, for dwHoverTime milliseconds (HOVER_DEFAULT:
// 400); leaving the window ends the request. TME_CANCEL withdraws either. TME_QUERY and
// TME_NONCLIENT are not supported: false, nothing done.
bool TrackMouseEvent(TRACKMOUSEEVENT* lpEventTrack);
// The common-controls name of the same.
bool _TrackMouseEvent(TRACKMOUSEEVENT* lpEventTrack);

}  // namespace win
