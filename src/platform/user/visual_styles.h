#pragma once

// The visual-styles calls, over the host's theme. Only the push button ("Button", part
// BP_PUSHBUTTON) has a look; a host without a theme opens nothing.

#include <string_view>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/sys_color.h"
#include "platform/user/user_types.h"

namespace win {

using HTHEME = UserHandle<struct ThemeHandleTag>;

inline constexpr int BP_PUSHBUTTON = 1;
inline constexpr int PBS_NORMAL = 1;
inline constexpr int PBS_HOT = 2;
inline constexpr int PBS_PRESSED = 3;
inline constexpr int PBS_DISABLED = 4;
inline constexpr int PBS_DEFAULTED = 5;

inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005);

bool IsAppThemed();
// `classList` is a semicolon-separated list; the first class the theme knows is opened. Null
// without a theme, for an unknown class or a window that does not exist.
HTHEME OpenThemeData(HWND hwnd, std::string_view classList);
HRESULT CloseThemeData(HTHEME theme);
// A new region (the caller owns it) of the pixels the part covers inside *rect.
HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect,
                                 HRGN* region);
// Paints the part filling *rect, limited to *clip when one is given.
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect,
                            const RECT* clip);

}  // namespace win
