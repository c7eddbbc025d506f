#pragma once

// The system colours, at the classic defaults, and the translation of colour values whose top
// byte names a system colour.

#include <cstdint>

#include "platform/gdi/win_types.h"

namespace win {

inline constexpr int COLOR_SCROLLBAR = 0;
inline constexpr int COLOR_BACKGROUND = 1;
inline constexpr int COLOR_DESKTOP = COLOR_BACKGROUND;
inline constexpr int COLOR_ACTIVECAPTION = 2;
inline constexpr int COLOR_INACTIVECAPTION = 3;
inline constexpr int COLOR_MENU = 4;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWFRAME = 6;
inline constexpr int COLOR_MENUTEXT = 7;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_CAPTIONTEXT = 9;
inline constexpr int COLOR_ACTIVEBORDER = 10;
inline constexpr int COLOR_INACTIVEBORDER = 11;
inline constexpr int COLOR_APPWORKSPACE = 12;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_3DFACE = COLOR_BTNFACE;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_3DSHADOW = COLOR_BTNSHADOW;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_BTNHILIGHT = COLOR_BTNHIGHLIGHT;
inline constexpr int COLOR_3DHIGHLIGHT = COLOR_BTNHIGHLIGHT;
inline constexpr int COLOR_3DHILIGHT = COLOR_BTNHIGHLIGHT;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;
inline constexpr int COLOR_INFOTEXT = 23;
inline constexpr int COLOR_INFOBK = 24;
inline constexpr int COLOR_HOTLIGHT = 26;
inline constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
inline constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;
inline constexpr int COLOR_MENUHILIGHT = 29;
inline constexpr int COLOR_MENUBAR = 30;
inline constexpr int kSysColorCount = 31;

// 0 for an unknown index.
DWORD GetSysColor(int index);

using OLE_COLOR = DWORD;
using HRESULT = std::int32_t;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);

// System colours as colour values: the top bit set, the index in the low byte.
constexpr OLE_COLOR SystemColorValue(int index) {
    return 0x80000000u | static_cast<OLE_COLOR>(index);
}
inline constexpr OLE_COLOR vbButtonFace = SystemColorValue(COLOR_BTNFACE);
inline constexpr OLE_COLOR vbButtonText = SystemColorValue(COLOR_BTNTEXT);
inline constexpr OLE_COLOR vbWindowBackground = SystemColorValue(COLOR_WINDOW);
inline constexpr OLE_COLOR vbWindowText = SystemColorValue(COLOR_WINDOWTEXT);
inline constexpr OLE_COLOR vbInfoBackground = SystemColorValue(COLOR_INFOBK);

// 0x00bbggrr passes as it is; 0x800000nn becomes system colour nn; 0x02bbggrr (a palette-relative
// colour) becomes its RGB. Anything else, a palette index without a palette, or an unknown system
// colour is E_INVALIDARG and leaves *out unchanged. `palette` is accepted for the call's shape
// and must be null.
HRESULT OleTranslateColor(OLE_COLOR colour, const void* palette, COLORREF* out);

}  // namespace win
