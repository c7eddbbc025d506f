#pragma once

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"

namespace win {

inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT SWP_NOZORDER = 0x0004;
inline constexpr UINT SWP_NOREDRAW = 0x0008;
inline constexpr UINT SWP_NOACTIVATE = 0x0010;
inline constexpr UINT SWP_FRAMECHANGED = 0x0020;
inline constexpr UINT SWP_SHOWWINDOW = 0x0040;
inline constexpr UINT SWP_HIDEWINDOW = 0x0080;
inline constexpr UINT SWP_NOCOPYBITS = 0x0100;
inline constexpr UINT SWP_NOOWNERZORDER = 0x0200;
inline constexpr UINT SWP_NOSENDCHANGING = 0x0400;
// Set by the window manager in WM_WINDOWPOSCHANGED when the client area kept its size or place.
inline constexpr UINT SWP_NOCLIENTSIZE = 0x0800;
inline constexpr UINT SWP_NOCLIENTMOVE = 0x1000;

// What WM_WINDOWPOSCHANGING (which may change it) and WM_WINDOWPOSCHANGED receive in lParam.
struct WINDOWPOS {
    HWND hwnd;
    HWND hwndInsertAfter;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};

// Screen coordinates.
bool GetWindowRect(HWND hWnd, RECT* lpRect);
// Always at (0, 0): the client area's size.
bool GetClientRect(HWND hWnd, RECT* lpRect);
bool ScreenToClient(HWND hWnd, POINT* lpPoint);
bool ClientToScreen(HWND hWnd, POINT* lpPoint);
// Converts client coordinates of one window (null: the screen) to another's; returns the
// offset packed as MAKELPARAM(dx, dy).
int MapWindowPoints(HWND hWndFrom, HWND hWndTo, POINT* lpPoints, UINT cPoints);

// Position in the parent's client coordinates (the screen for a top-level window).
// HWND_TOPMOST / HWND_NOTOPMOST move a top-level window into or out of the topmost band.
// Without SWP_NOACTIVATE a visible top-level window is activated.
bool SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);
bool MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, bool bRepaint);

// The deepest visible window at a screen point, honouring window regions; a disabled child
// gives its parent.
HWND WindowFromPoint(POINT Point);

// The window takes ownership of hRgn (window coordinates; null removes the shape) and deletes
// it when it gets another or is destroyed. It clips the window's drawing and hit testing and
// shapes a top-level window on the desktop. Returns 0 for a window that does not exist.
int SetWindowRgn(HWND hWnd, HRGN hRgn, bool bRedraw);
// Copies the window's region into hRgn; ERROR when it has none.
int GetWindowRgn(HWND hWnd, HRGN hRgn);

}  // namespace win
