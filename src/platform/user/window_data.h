#pragma once

#include <string>
#include <string_view>

#include "platform/user/user_types.h"

namespace win {

struct STYLESTRUCT {
    DWORD styleOld = 0;
    DWORD styleNew = 0;
};

// GWL_WNDPROC (the procedure as WNDPROC::ToLongPtr), GWL_STYLE and GWL_EXSTYLE (with
// WM_STYLECHANGING and WM_STYLECHANGED), GWLP_ID, GWLP_USERDATA, GWLP_HWNDPARENT, or an offset
// into the class's window extra bytes. Returns the previous value; 0 with ERROR_INVALID_INDEX
// or ERROR_INVALID_WINDOW_HANDLE on failure. Replacing the procedure while one of its messages
// is being handled is safe: the running call finishes, the next message takes the new one.
LONG_PTR GetWindowLongPtr(HWND hWnd, int nIndex);
LONG_PTR SetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
LONG GetWindowLong(HWND hWnd, int nIndex);
LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong);

// Through WM_SETTEXT, WM_GETTEXTLENGTH and WM_GETTEXT, so a control's own text handling applies.
bool SetWindowText(HWND hWnd, std::string_view lpString);
int GetWindowText(HWND hWnd, char* lpString, int nMaxCount);
std::string GetWindowText(HWND hWnd);
int GetWindowTextLength(HWND hWnd);

// Named pointer-sized values on a window; names compare without regard to case. GetProp gives
// 0 for a name that is not there; RemoveProp returns the removed value (0 if none).
bool SetProp(HWND hWnd, std::string_view lpString, LONG_PTR hData);
LONG_PTR GetProp(HWND hWnd, std::string_view lpString);
LONG_PTR RemoveProp(HWND hWnd, std::string_view lpString);

}  // namespace win
