#pragma once

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"
#include "platform/user/window_messages.h"

namespace win {

// A child window with a persistent drawing surface: drawing goes into a memory bitmap the size
// of the client area, and WM_PAINT copies it to the screen, so nothing drawn is lost when the
// window is covered or repainted. Border style "single" is WS_EX_CLIENTEDGE (a sunken 3-D edge);
// no extended style means no border.
inline constexpr char kPictureBoxClassName[] = "PictureBox";

// lResult: the surface's memory DC (owned by the picture box; never delete or release it).
inline constexpr UINT PBM_GETSURFACEDC = WM_USER + 0x0101;
// wParam: the background COLORREF, or a system colour as 0x800000nn. The surface is cleared to it.
inline constexpr UINT PBM_SETBKCOLOR = WM_USER + 0x0102;
inline constexpr UINT PBM_GETBKCOLOR = WM_USER + 0x0103;
// Clears the surface to the background colour.
inline constexpr UINT PBM_CLEAR = WM_USER + 0x0104;

// Null for a window that is not a picture box.
HDC GetPictureBoxSurface(HWND pictureBox);

}  // namespace win
