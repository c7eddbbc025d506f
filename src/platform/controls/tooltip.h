#pragma once

#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"
#include "platform/user/window_messages.h"

namespace win {

inline constexpr char TOOLTIPS_CLASS[] = "tooltips_class32";

inline constexpr DWORD TTS_ALWAYSTIP = 0x01;
inline constexpr DWORD TTS_NOPREFIX = 0x02;
inline constexpr DWORD TTS_BALLOON = 0x40;

inline constexpr UINT TTF_IDISHWND = 0x0001;
inline constexpr UINT TTF_CENTERTIP = 0x0002;
inline constexpr UINT TTF_SUBCLASS = 0x0010;

inline constexpr WPARAM TTI_NONE = 0;
inline constexpr WPARAM TTI_INFO = 1;
inline constexpr WPARAM TTI_WARNING = 2;
inline constexpr WPARAM TTI_ERROR = 3;

inline constexpr UINT TTM_ACTIVATE = WM_USER + 1;
inline constexpr UINT TTM_ADDTOOLA = WM_USER + 4;
inline constexpr UINT TTM_DELTOOLA = WM_USER + 5;
inline constexpr UINT TTM_RELAYEVENT = WM_USER + 7;
inline constexpr UINT TTM_GETTOOLCOUNT = WM_USER + 13;
inline constexpr UINT TTM_SETTIPBKCOLOR = WM_USER + 19;
inline constexpr UINT TTM_SETTIPTEXTCOLOR = WM_USER + 20;
inline constexpr UINT TTM_GETTIPBKCOLOR = WM_USER + 22;
inline constexpr UINT TTM_GETTIPTEXTCOLOR = WM_USER + 23;
inline constexpr UINT TTM_SETMAXTIPWIDTH = WM_USER + 24;
inline constexpr UINT TTM_GETMAXTIPWIDTH = WM_USER + 25;
inline constexpr UINT TTM_POP = WM_USER + 28;
inline constexpr UINT TTM_SETTITLEA = WM_USER + 32;
inline constexpr UINT TTM_SETTITLEW = WM_USER + 33;
inline constexpr UINT TTM_ADDTOOLW = WM_USER + 50;
inline constexpr UINT TTM_DELTOOLW = WM_USER + 51;
inline constexpr UINT TTM_ADDTOOL = TTM_ADDTOOLW;
inline constexpr UINT TTM_DELTOOL = TTM_DELTOOLW;
inline constexpr UINT TTM_SETTITLE = TTM_SETTITLEW;

// The wide and single-byte forms take the same record: text is UTF-8 in both.
struct TOOLINFO {
    UINT cbSize = sizeof(TOOLINFO);
    UINT uFlags = 0;
    HWND hwnd;
    UINT_PTR uId = 0;
    RECT rect;
    void* hinst = nullptr;
    const char* lpszText = nullptr;
    LPARAM lParam = 0;
};

// How long the pointer must rest on a tool before its tip shows, and how long the tip stays.
inline constexpr UINT kTooltipInitialDelay = 500;
inline constexpr UINT kTooltipAutoPopDelay = 5000;
// A tooltip class with CS_DROPSHADOW gives its tips a shadow this deep, below and to the right,
// in the button-shadow colour; the window grows by as much.
inline constexpr int kTooltipShadowDepth = 3;

}  // namespace win
