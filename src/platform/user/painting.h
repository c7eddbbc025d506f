#pragma once

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"

namespace win {

struct PAINTSTRUCT {
    HDC hdc;
    bool fErase = false;
    RECT rcPaint;
};

inline constexpr UINT RDW_INVALIDATE = 0x0001;
inline constexpr UINT RDW_INTERNALPAINT = 0x0002;
inline constexpr UINT RDW_ERASE = 0x0004;
inline constexpr UINT RDW_VALIDATE = 0x0008;
inline constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
inline constexpr UINT RDW_NOERASE = 0x0020;
inline constexpr UINT RDW_NOCHILDREN = 0x0040;
inline constexpr UINT RDW_ALLCHILDREN = 0x0080;
inline constexpr UINT RDW_UPDATENOW = 0x0100;
inline constexpr UINT RDW_ERASENOW = 0x0200;
inline constexpr UINT RDW_FRAME = 0x0400;
inline constexpr UINT RDW_NOFRAME = 0x0800;

// Client coordinates; null means the whole client area. Children are included unless the window
// has WS_CLIPCHILDREN, as RedrawWindow's default.
bool InvalidateRect(HWND hWnd, const RECT* lpRect, bool bErase);
bool InvalidateRgn(HWND hWnd, HRGN hRgn, bool bErase);
bool ValidateRect(HWND hWnd, const RECT* lpRect);
// A null window means every top-level window.
bool RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags);
// Paints the window and its children now if anything of them is invalid.
bool UpdateWindow(HWND hWnd);
// The bounding box of the update region in client coordinates; false when it is empty.
bool GetUpdateRect(HWND hWnd, RECT* lpRect, bool bErase);

// Sends WM_NCPAINT first when the frame is invalid and WM_ERASEBKGND when erasing was asked for.
// The DC draws into the window's backing store, clipped to the update region, which is then
// empty.
HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint);
bool EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);

// Client-area and whole-window DCs. What they draw goes straight into the backing store and is
// shown after the current batch of messages, with no WM_PAINT. Null gives a screen DC that draws
// nothing. Each must be given back with ReleaseDC.
HDC GetDC(HWND hWnd);
HDC GetWindowDC(HWND hWnd);
// 1 when the DC came from GetDC or GetWindowDC, else 0.
int ReleaseDC(HWND hWnd, HDC hDC);

}  // namespace win
