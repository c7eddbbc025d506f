#include "platform/gdi/sys_color.h"

#include <array>

namespace win {

namespace {

// The classic desktop scheme.
constexpr std::array<COLORREF, kSysColorCount> kClassicColours = {
    RGB(192, 192, 192),  // COLOR_SCROLLBAR
    RGB(0, 128, 128),    // COLOR_BACKGROUND
    RGB(0, 0, 128),      // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(192, 192, 192),  // COLOR_ACTIVEBORDER
    RGB(192, 192, 192),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(0, 0, 128),      // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(192, 192, 192),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(192, 192, 192),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(0, 0, 0),        // COLOR_3DDKSHADOW
    RGB(192, 192, 192),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(180, 180, 180),  // 25, unnamed
    RGB(0, 0, 128),      // COLOR_HOTLIGHT
    RGB(16, 132, 208),   // COLOR_GRADIENTACTIVECAPTION
    RGB(181, 181, 181),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(0, 0, 128),      // COLOR_MENUHILIGHT
    RGB(192, 192, 192),  // COLOR_MENUBAR
};

}  // namespace

DWORD GetSysColor(int index) {
    if (index < 0 || index >= kSysColorCount) {
        return 0;
    }
    return kClassicColours[static_cast<std::size_t>(index)];
}

HRESULT OleTranslateColor(OLE_COLOR colour, const void* palette, COLORREF* out) {
    if (out == nullptr) {
        return E_INVALIDARG;
    }
    const DWORD kind = colour >> 24;
    switch (kind) {
        case 0x00:
            *out = colour;
            return S_OK;
        case 0x02:
            *out = colour & 0x00FFFFFF;
            return S_OK;
        case 0x80: {
            const DWORD index = colour & 0x00FFFFFF;
            if (index >= static_cast<DWORD>(kSysColorCount)) {
                return E_INVALIDARG;
            }
            *out = GetSysColor(static_cast<int>(index));
            return S_OK;
        }
        case 0x01:
            // A palette index means nothing without a palette, and we keep none.
            (void)palette;
            return E_INVALIDARG;
        default:
            return E_INVALIDARG;
    }
}

}  // namespace win
