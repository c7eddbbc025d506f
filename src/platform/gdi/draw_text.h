#pragma once

// Text on a DC: measuring and drawing UTF-8 text with the DC's font, text colour, background
// colour and mode, viewport origin and clip. Layout (line breaks, ellipsis, "&" prefixes,
// alignment) is ours; glyphs and metrics come from the current text engine.
//
// `count` is a number of characters (code points); a negative count takes the text up to its
// first NUL, as a null-terminated string would be read.

#include <string_view>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/text/draw_text_flags.h"
#include "platform/gdi/win_types.h"

namespace win {

// The height of the text drawn (with DT_VCENTER or DT_BOTTOM on a single line: from the
// rectangle's top to the text's bottom), 0 on failure. DT_CALCRECT draws nothing, sets the
// rectangle's right and bottom to fit the text (the widest line when there are several) and
// returns the text's height.
int DrawText(HDC dc, std::string_view text, int count, RECT* rect, UINT format);
// The program's design names both forms; with UTF-8 text they are the same call.
inline int DrawTextA(HDC dc, std::string_view text, int count, RECT* rect, UINT format) {
    return DrawText(dc, text, count, rect, format);
}
inline int DrawTextW(HDC dc, std::string_view text, int count, RECT* rect, UINT format) {
    return DrawText(dc, text, count, rect, format);
}

// Width of the characters as drawn on one line (no prefixes, no tabs expanded) and the font's
// cell height.
bool GetTextExtentPoint32(HDC dc, std::string_view text, int count, SIZE* size);
inline bool GetTextExtentPoint(HDC dc, std::string_view text, int count, SIZE* size) {
    return GetTextExtentPoint32(dc, text, count, size);
}

struct TEXTMETRIC {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
    LONG tmOverhang = 0;
    LONG tmDigitizedAspectX = 96;
    LONG tmDigitizedAspectY = 96;
    BYTE tmItalic = 0;
    BYTE tmUnderlined = 0;
    BYTE tmStruckOut = 0;
    BYTE tmPitchAndFamily = 0;
    BYTE tmCharSet = 0;
};

bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics);

}  // namespace win
