#pragma once

// Solid and hollow brushes.

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win {

inline constexpr UINT BS_SOLID = 0;
inline constexpr UINT BS_NULL = 1;
inline constexpr UINT BS_HOLLOW = BS_NULL;

struct LOGBRUSH {
    UINT lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    std::uintptr_t lbHatch = 0;
};

HBRUSH CreateSolidBrush(COLORREF colour);

// A brush of the system colour, owned by the system like a stock object (deleting it does
// nothing); null for an index with no colour.
HBRUSH GetSysColorBrush(int index);

}  // namespace win
