#pragma once

#include <string>
#include <string_view>

#include "platform/gdi/gdi_handle.h"
#include "platform/user/user_types.h"
#include "platform/user/window_procedure.h"
#include "platform/user/window_styles.h"

namespace win {

struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    std::string lpszClassName;
};

// Class names compare without regard to case. 0 when the name is empty or already taken.
ATOM RegisterClass(const WNDCLASS& windowClass);
// Fails while windows of the class exist.
bool UnregisterClass(std::string_view className);
bool GetClassInfo(std::string_view className, WNDCLASS* windowClass);

// GCL_STYLE, GCLP_WNDPROC, GCLP_HCURSOR, GCLP_HBRBACKGROUND or an offset into the class's
// extra bytes. The change applies to every window of the class.
LONG_PTR GetClassLongPtr(HWND hWnd, int nIndex);
LONG_PTR SetClassLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong);

// Copies at most nMaxCount - 1 bytes and a terminating zero; returns the bytes copied.
int GetClassName(HWND hWnd, char* lpClassName, int nMaxCount);
std::string GetClassName(HWND hWnd);

}  // namespace win
