#include "platform/gdi/gdi_objects.h"

#include "platform/gdi/clip.h"
#include "platform/gdi/internal/object_table.h"
#include "platform/gdi/internal/selection.h"
#include "platform/gdi/internal/stock_objects.h"
#include "platform/gdi/region.h"

namespace win {

using gdi::DeviceContext;
using gdi::ObjectTable;

HGDIOBJ GetStockObject(int index) {
    const gdi::StockObjects& stock = gdi::Stock();
    switch (index) {
        case WHITE_BRUSH:
            return stock.whiteBrush;
        case LTGRAY_BRUSH:
            return stock.lightGrayBrush;
        case GRAY_BRUSH:
            return stock.grayBrush;
        case DKGRAY_BRUSH:
            return stock.darkGrayBrush;
        case BLACK_BRUSH:
            return stock.blackBrush;
        case NULL_BRUSH:
            return stock.nullBrush;
        case WHITE_PEN:
            return stock.whitePen;
        case BLACK_PEN:
            return stock.blackPen;
        case NULL_PEN:
            return stock.nullPen;
        case OEM_FIXED_FONT:
            return stock.oemFixedFont;
        case ANSI_FIXED_FONT:
            return stock.ansiFixedFont;
        case ANSI_VAR_FONT:
            return stock.ansiVarFont;
        case SYSTEM_FONT:
            return stock.systemFont;
        case DEVICE_DEFAULT_FONT:
            return stock.deviceDefaultFont;
        case SYSTEM_FIXED_FONT:
            return stock.systemFixedFont;
        case DEFAULT_GUI_FONT:
            return stock.defaultGuiFont;
        default:
            return HGDIOBJ();
    }
}

HBITMAP SelectObject(HDC dc, HBITMAP bitmap) {
    DeviceContext* context = DeviceContext::From(dc);
    return context != nullptr ? gdi::SelectBitmap(*context, bitmap) : HBITMAP();
}

HPEN SelectObject(HDC dc, HPEN pen) {
    DeviceContext* context = DeviceContext::From(dc);
    return context != nullptr ? gdi::SelectPen(*context, pen) : HPEN();
}

HBRUSH SelectObject(HDC dc, HBRUSH brush) {
    DeviceContext* context = DeviceContext::From(dc);
    return context != nullptr ? gdi::SelectBrush(*context, brush) : HBRUSH();
}

HFONT SelectObject(HDC dc, HFONT font) {
    DeviceContext* context = DeviceContext::From(dc);
    return context != nullptr ? gdi::SelectFont(*context, font) : HFONT();
}

int SelectObject(HDC dc, HRGN region) {
    if (!ObjectTable::Instance().Find<gdi::RegionObject>(region)) {
        return ERROR;
    }
    return SelectClipRgn(dc, region);
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    if (!object) {
        return HGDIOBJ();
    }
    switch (object.Kind()) {
        case GdiObjectKind::Bitmap:
            return SelectObject(dc, object.As<HBITMAP>());
        case GdiObjectKind::Pen:
            return SelectObject(dc, object.As<HPEN>());
        case GdiObjectKind::Brush:
            return SelectObject(dc, object.As<HBRUSH>());
        case GdiObjectKind::Font:
            return SelectObject(dc, object.As<HFONT>());
        case GdiObjectKind::Region:
            return SelectObject(dc, object.As<HRGN>()) != ERROR ? object : HGDIOBJ();
        case GdiObjectKind::Dc:
            break;
    }
    return HGDIOBJ();
}

bool DeleteObject(HGDIOBJ object) {
    if (!object || object.Kind() == GdiObjectKind::Dc) {
        return false;
    }
    return ObjectTable::Instance().Delete(object);
}

DWORD GetObjectType(HGDIOBJ object) {
    ObjectTable& table = ObjectTable::Instance();
    if (!object) {
        return 0;
    }
    switch (object.Kind()) {
        case GdiObjectKind::Dc: {
            const DeviceContext* dc = table.Find<DeviceContext>(object.As<HDC>());
            if (dc == nullptr) {
                return 0;
            }
            return dc->Kind() == gdi::DcKind::Memory ? OBJ_MEMDC : OBJ_DC;
        }
        case GdiObjectKind::Bitmap:
            return table.Find<gdi::PixelBitmap>(object.As<HBITMAP>()) ? OBJ_BITMAP : 0;
        case GdiObjectKind::Pen:
            return table.Find<gdi::PenObject>(object.As<HPEN>()) ? OBJ_PEN : 0;
        case GdiObjectKind::Brush:
            return table.Find<gdi::BrushObject>(object.As<HBRUSH>()) ? OBJ_BRUSH : 0;
        case GdiObjectKind::Font:
            return table.Find<gdi::FontObject>(object.As<HFONT>()) ? OBJ_FONT : 0;
        case GdiObjectKind::Region:
            return table.Find<gdi::RegionObject>(object.As<HRGN>()) ? OBJ_REGION : 0;
    }
    return 0;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
    const DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return HGDIOBJ();
    }
    switch (type) {
        case OBJ_PEN:
            return context->PenHandle();
        case OBJ_BRUSH:
            return context->BrushHandle();
        case OBJ_FONT:
            return context->FontHandle();
        case OBJ_BITMAP:
            return context->SurfaceBitmap();
        default:
            return HGDIOBJ();
    }
}

int GetObject(HBITMAP bitmap, BITMAP* out) {
    const gdi::PixelBitmap* pixels = ObjectTable::Instance().Find<gdi::PixelBitmap>(bitmap);
    if (pixels == nullptr || out == nullptr) {
        return 0;
    }
    BITMAP info;
    info.bmWidth = pixels->Width();
    info.bmHeight = pixels->Height();
    info.bmBitsPixel = static_cast<WORD>(pixels->BitsPerPixel());
    info.bmWidthBytes = ((pixels->Width() * pixels->BitsPerPixel() + 15) / 16) * 2;
    *out = info;
    return static_cast<int>(sizeof(BITMAP));
}

int GetObject(HPEN pen, LOGPEN* out) {
    const gdi::PenObject* object = ObjectTable::Instance().Find<gdi::PenObject>(pen);
    if (object == nullptr || out == nullptr) {
        return 0;
    }
    *out = object->logPen;
    return static_cast<int>(sizeof(LOGPEN));
}

int GetObject(HBRUSH brush, LOGBRUSH* out) {
    const gdi::BrushObject* object = ObjectTable::Instance().Find<gdi::BrushObject>(brush);
    if (object == nullptr || out == nullptr) {
        return 0;
    }
    *out = object->logBrush;
    return static_cast<int>(sizeof(LOGBRUSH));
}

int GetObject(HFONT font, LOGFONT* out) {
    const gdi::FontObject* object = ObjectTable::Instance().Find<gdi::FontObject>(font);
    if (object == nullptr || out == nullptr) {
        return 0;
    }
    *out = object->LogFont();
    return static_cast<int>(sizeof(LOGFONT));
}

GdiObjectCounts GdiLiveObjects() {
    return ObjectTable::Instance().Counts();
}

int GdiLiveObjects(GdiObjectKind kind) {
    const GdiObjectCounts counts = GdiLiveObjects();
    switch (kind) {
        case GdiObjectKind::Dc:
            return counts.dcs;
        case GdiObjectKind::Bitmap:
            return counts.bitmaps;
        case GdiObjectKind::Pen:
            return counts.pens;
        case GdiObjectKind::Brush:
            return counts.brushes;
        case GdiObjectKind::Font:
            return counts.fonts;
        case GdiObjectKind::Region:
            return counts.regions;
    }
    return 0;
}

}  // namespace win
