#include "platform/controls/menu_layout.h"

#include <algorithm>

#include "platform/controls/popup_menu.h"
#include "platform/gdi/draw_text.h"

namespace win::controls {

int MenuLayout::ItemAt(POINT point) const {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const RECT& item = items[i];
        if (point.x >= item.left && point.x < item.right && point.y >= item.top &&
            point.y < item.bottom) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

MenuLayout LayoutMenu(HDC dc, const std::vector<MenuItem>& items) {
    TEXTMETRIC metrics;
    GetTextMetrics(dc, &metrics);
    const int textRow = std::max<int>(metrics.tmHeight + 6, 17);
    int widest = 0;
    for (const MenuItem& item : items) {
        if (item.IsSeparator()) {
            continue;
        }
        RECT box{0, 0, 0, 0};
        DrawText(dc, item.text, -1, &box, DT_CALCRECT | DT_SINGLELINE);
        widest = std::max<int>(widest, box.right - box.left);
    }
    const int width = 2 * kMenuBorder + kMenuCheckColumn + widest + kMenuRightMargin;
    MenuLayout layout;
    int top = kMenuBorder;
    for (const MenuItem& item : items) {
        const int height = item.IsSeparator() ? kMenuSeparatorHeight : textRow;
        layout.items.push_back({kMenuBorder, top, width - kMenuBorder, top + height});
        top += height;
    }
    layout.size = {width, top + kMenuBorder};
    return layout;
}

POINT PlaceMenu(SIZE size, POINT anchor, UINT flags, SIZE screen) {
    int x = anchor.x;
    if ((flags & TPM_RIGHTALIGN) != 0) {
        x -= size.cx;
    } else if ((flags & TPM_CENTERALIGN) != 0) {
        x -= size.cx / 2;
    }
    int y = anchor.y;
    if ((flags & TPM_BOTTOMALIGN) != 0) {
        y -= size.cy;
    } else if ((flags & TPM_VCENTERALIGN) != 0) {
        y -= size.cy / 2;
    }
    // Off the right or bottom edge: open to the other side of the point, as menus do.
    if (x + size.cx > screen.cx && (flags & TPM_RIGHTALIGN) == 0) {
        x = anchor.x - size.cx;
    }
    if (y + size.cy > screen.cy && (flags & TPM_BOTTOMALIGN) == 0) {
        y = anchor.y - size.cy;
    }
    x = std::clamp<int>(x, 0, std::max<int>(screen.cx - size.cx, 0));
    y = std::clamp<int>(y, 0, std::max<int>(screen.cy - size.cy, 0));
    return {x, y};
}

}  // namespace win::controls
