#include "platform/gdi/sys_color.h"

#include <array>

namespace win {

namespace {

// The desktop scheme of the era the program's windows were drawn for.
constexpr std::array<COLORREF, kSysColorCount> kStandardColours = {
    RGB(0xC8, 0xC8, 0xC8),  // COLOR_SCROLLBAR
    RGB(0x00, 0x00, 0x00),  // COLOR_BACKGROUND
    RGB(0x99, 0xB4, 0xD1),  // COLOR_ACTIVECAPTION
    RGB(0xBF, 0xCD, 0xDB),  // COLOR_INACTIVECAPTION
    RGB(0xF0, 0xF0, 0xF0),  // COLOR_MENU
    RGB(0xFF, 0xFF, 0xFF),  // COLOR_WINDOW
    RGB(0x64, 0x64, 0x64),  // COLOR_WINDOWFRAME
    RGB(0x00, 0x00, 0x00),  // COLOR_MENUTEXT
    RGB(0x00, 0x00, 0x00),  // COLOR_WINDOWTEXT
    RGB(0x00, 0x00, 0x00),  // COLOR_CAPTIONTEXT
    RGB(0xB4, 0xB4, 0xB4),  // COLOR_ACTIVEBORDER
    RGB(0xF4, 0xF7, 0xFC),  // COLOR_INACTIVEBORDER
    RGB(0xAB, 0xAB, 0xAB),  // COLOR_APPWORKSPACE
    RGB(0x33, 0x99, 0xFF),  // COLOR_HIGHLIGHT
    RGB(0xFF, 0xFF, 0xFF),  // COLOR_HIGHLIGHTTEXT
    RGB(0xF0, 0xF0, 0xF0),  // COLOR_BTNFACE
    RGB(0xA0, 0xA0, 0xA0),  // COLOR_BTNSHADOW
    RGB(0x6D, 0x6D, 0x6D),  // COLOR_GRAYTEXT
    RGB(0x00, 0x00, 0x00),  // COLOR_BTNTEXT
    RGB(0x43, 0x4E, 0x54),  // COLOR_INACTIVECAPTIONTEXT
    RGB(0xFF, 0xFF, 0xFF),  // COLOR_BTNHIGHLIGHT
    RGB(0x69, 0x69, 0x69),  // COLOR_3DDKSHADOW
    RGB(0xE3, 0xE3, 0xE3),  // COLOR_3DLIGHT
    RGB(0x00, 0x00, 0x00),  // COLOR_INFOTEXT
    RGB(0xFF, 0xFF, 0xE1),  // COLOR_INFOBK
    RGB(180, 180, 180),     // 25, unnamed
    RGB(0x00, 0x66, 0xCC),  // COLOR_HOTLIGHT
    RGB(0xB9, 0xD1, 0xEA),  // COLOR_GRADIENTACTIVECAPTION
    RGB(0xD7, 0xE4, 0xF2),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(0x33, 0x99, 0xFF),  // COLOR_MENUHILIGHT
    RGB(0xF0, 0xF0, 0xF0),  // COLOR_MENUBAR
};

}  // namespace

DWORD GetSysColor(int index) {
    if (index < 0 || index >= kSysColorCount) {
        return 0;
    }
    return kStandardColours[static_cast<std::size_t>(index)];
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
