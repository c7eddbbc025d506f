#pragma once

// Pens. Lines are drawn one pixel wide and solid; other widths and dash styles are accepted and
// drawn as a solid one-pixel line. PS_NULL draws nothing.

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win {

inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_DASHDOT = 3;
inline constexpr int PS_DASHDOTDOT = 4;
inline constexpr int PS_NULL = 5;
inline constexpr int PS_INSIDEFRAME = 6;

struct LOGPEN {
    UINT lopnStyle = PS_SOLID;
    POINT lopnWidth{};
    COLORREF lopnColor = 0;
};

// Null for an unknown style.
HPEN CreatePen(int style, int width, COLORREF colour);

}  // namespace win
