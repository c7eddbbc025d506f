#pragma once

#include <string_view>

#include "platform/user/user_types.h"

namespace win {

// What WM_NCCREATE and WM_CREATE receive in lParam.
struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    HMENU hMenu;
    HWND hwndParent;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    DWORD style = 0;
    const char* lpszName = nullptr;
    const char* lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

// A child (WS_CHILD) needs a parent; any other window takes hWndParent as its owner. For a
// child, hMenu carries its identifier (HMENU::FromValue(id)). Sends WM_NCCREATE, WM_NCCALCSIZE,
// WM_CREATE, WM_SIZE and WM_MOVE, then shows the window when WS_VISIBLE was given. Null when
// the class is unknown, the parent is not a window, or WM_NCCREATE / WM_CREATE refuse.
HWND CreateWindowEx(DWORD dwExStyle, std::string_view lpClassName, std::string_view lpWindowName,
                    DWORD dwStyle, int X, int Y, int nWidth, int nHeight, HWND hWndParent,
                    HMENU hMenu = nullptr, void* lpParam = nullptr);

// Destroys the windows it owns first, then sends WM_DESTROY to the window and then to its
// descendants (parents first), and WM_NCDESTROY to the descendants before the window (children
// first). Safe from inside any of the windows' own procedures. False for a window that does not
// exist or is already being destroyed.
bool DestroyWindow(HWND hWnd);
// True from creation until the window's WM_NCDESTROY has been handled.
bool IsWindow(HWND hWnd);

}  // namespace win
