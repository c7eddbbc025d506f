#include "platform/gdi/internal/stock_objects.h"

#include <array>
#include <optional>

#include "platform/gdi/internal/object_table.h"
#include "platform/gdi/sys_color.h"

namespace win::gdi {

namespace {

HBRUSH StockBrush(UINT style, COLORREF colour) {
    BrushObject brush;
    brush.logBrush.lbStyle = style;
    brush.logBrush.lbColor = colour;
    return ObjectTable::Instance().Add(brush, true);
}

HPEN StockPen(UINT style, COLORREF colour) {
    PenObject pen;
    pen.logPen.lopnStyle = style;
    pen.logPen.lopnWidth = POINT{1, 0};
    pen.logPen.lopnColor = colour;
    return ObjectTable::Instance().Add(pen, true);
}

HFONT StockFont(const char* face, LONG height, LONG weight, BYTE charSet) {
    LOGFONT font;
    font.lfFaceName = face;
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = charSet;
    return ObjectTable::Instance().Add(FontObject(font), true);
}

StockObjects MakeStockObjects() {
    StockObjects stock;
    stock.whiteBrush = StockBrush(BS_SOLID, RGB(255, 255, 255));
    stock.lightGrayBrush = StockBrush(BS_SOLID, RGB(192, 192, 192));
    stock.grayBrush = StockBrush(BS_SOLID, RGB(128, 128, 128));
    stock.darkGrayBrush = StockBrush(BS_SOLID, RGB(64, 64, 64));
    stock.blackBrush = StockBrush(BS_SOLID, RGB(0, 0, 0));
    stock.nullBrush = StockBrush(BS_NULL, 0);
    stock.whitePen = StockPen(PS_SOLID, RGB(255, 255, 255));
    stock.blackPen = StockPen(PS_SOLID, RGB(0, 0, 0));
    stock.nullPen = StockPen(PS_NULL, 0);
    stock.oemFixedFont = StockFont("Terminal", 12, FW_NORMAL, DEFAULT_CHARSET);
    stock.ansiFixedFont = StockFont("Courier", 13, FW_NORMAL, ANSI_CHARSET);
    stock.ansiVarFont = StockFont("MS Sans Serif", 13, FW_NORMAL, ANSI_CHARSET);
    stock.systemFont = StockFont("System", 16, FW_BOLD, DEFAULT_CHARSET);
    stock.deviceDefaultFont = StockFont("System", 16, FW_BOLD, DEFAULT_CHARSET);
    stock.systemFixedFont = StockFont("Fixedsys", 15, FW_NORMAL, DEFAULT_CHARSET);
    // The interface font of a simplified-Chinese desktop.
    stock.defaultGuiFont = StockFont("SimSun", -12, FW_NORMAL, GB2312_CHARSET);
    stock.defaultBitmap = ObjectTable::Instance().Add(PixelBitmap(1, 1, 1), true);
    return stock;
}

}  // namespace

const StockObjects& Stock() {
    static const StockObjects stock = MakeStockObjects();
    return stock;
}

HBRUSH StockSysColorBrush(int index) {
    static std::array<std::optional<HBRUSH>, kSysColorCount> brushes;
    if (index < 0 || index >= kSysColorCount) {
        return HBRUSH();
    }
    auto& brush = brushes[static_cast<std::size_t>(index)];
    if (!brush.has_value()) {
        brush = StockBrush(BS_SOLID, GetSysColor(index));
    }
    return *brush;
}

}  // namespace win::gdi
