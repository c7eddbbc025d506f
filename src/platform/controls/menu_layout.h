#pragma once

#include <vector>

#include "platform/controls/menu_table.h"
#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win::controls {

inline constexpr int kMenuBorder = 3;
inline constexpr int kMenuSeparatorHeight = 9;
// The columns left of the text (check marks) and right of it.
inline constexpr int kMenuCheckColumn = 18;
inline constexpr int kMenuRightMargin = 18;

// Where each item of an open menu lies, window coordinates.
struct MenuLayout {
    std::vector<RECT> items;
    SIZE size;

    // The item under a point, -1 for none.
    int ItemAt(POINT point) const;
};

// Item sizes from the font on the DC: text rows a little taller than the text, separators thin.
MenuLayout LayoutMenu(HDC dc, const std::vector<MenuItem>& items);

// Where a menu of `size` goes for TrackPopupMenu's point and alignment flags, kept on the screen.
POINT PlaceMenu(SIZE size, POINT anchor, UINT flags, SIZE screen);

}  // namespace win::controls
