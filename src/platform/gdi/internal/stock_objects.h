#pragma once

// The stock objects, made on first use and never deleted.

#include "platform/gdi/gdi_handle.h"

namespace win::gdi {

struct StockObjects {
    HBRUSH whiteBrush;
    HBRUSH lightGrayBrush;
    HBRUSH grayBrush;
    HBRUSH darkGrayBrush;
    HBRUSH blackBrush;
    HBRUSH nullBrush;
    HPEN whitePen;
    HPEN blackPen;
    HPEN nullPen;
    HFONT oemFixedFont;
    HFONT ansiFixedFont;
    HFONT ansiVarFont;
    HFONT systemFont;
    HFONT deviceDefaultFont;
    HFONT systemFixedFont;
    HFONT defaultGuiFont;
    HBITMAP defaultBitmap;  // 1 × 1, what a new memory DC holds
};

const StockObjects& Stock();
// Null for an index with no system colour.
HBRUSH StockSysColorBrush(int index);

}  // namespace win::gdi
