#include "platform/gdi/pen.h"

#include "platform/gdi/internal/object_table.h"

namespace win {

HPEN CreatePen(int style, int width, COLORREF colour) {
    if (style < PS_SOLID || style > PS_INSIDEFRAME) {
        return HPEN();
    }
    gdi::PenObject pen;
    pen.logPen.lopnStyle = static_cast<UINT>(style);
    pen.logPen.lopnWidth = POINT{width, 0};
    pen.logPen.lopnColor = colour;
    return gdi::ObjectTable::Instance().Add(pen);
}

}  // namespace win
