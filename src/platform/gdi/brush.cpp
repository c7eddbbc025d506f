#include "platform/gdi/brush.h"

#include "platform/gdi/internal/object_table.h"
#include "platform/gdi/internal/stock_objects.h"

namespace win {

HBRUSH CreateSolidBrush(COLORREF colour) {
    gdi::BrushObject brush;
    brush.logBrush.lbStyle = BS_SOLID;
    brush.logBrush.lbColor = colour;
    return gdi::ObjectTable::Instance().Add(brush);
}

HBRUSH GetSysColorBrush(int index) {
    return gdi::StockSysColorBrush(index);
}

}  // namespace win
