#include "platform/gdi/internal/selection.h"

#include "platform/gdi/internal/object_table.h"
#include "platform/gdi/internal/stock_objects.h"

namespace win::gdi {

namespace {

ObjectTable& Table() {
    return ObjectTable::Instance();
}

}  // namespace

void SelectDefaults(DeviceContext& dc) {
    const StockObjects& stock = Stock();
    SelectPen(dc, stock.blackPen);
    SelectBrush(dc, stock.whiteBrush);
    SelectFont(dc, stock.systemFont);
    if (dc.Kind() == DcKind::Memory) {
        SelectBitmap(dc, stock.defaultBitmap);
    }
}

void ReleaseSelection(DeviceContext& dc) {
    ObjectTable& table = Table();
    if (dc.SurfaceBitmap()) {
        if (dc.Kind() == DcKind::Memory && dc.Surface() != nullptr) {
            dc.Surface()->SetInMemoryDc(false);
        }
        const HBITMAP bitmap = dc.SurfaceBitmap();
        dc.AttachSurface(HBITMAP(), nullptr);
        table.Release(bitmap);
    }
    const HPEN pen = dc.PenHandle();
    const HBRUSH brush = dc.BrushHandle();
    const HFONT font = dc.FontHandle();
    dc.AttachPen(HPEN(), nullptr);
    dc.AttachBrush(HBRUSH(), nullptr);
    dc.AttachFont(HFONT(), nullptr);
    table.Release(pen);
    table.Release(brush);
    table.Release(font);
}

HBITMAP SelectBitmap(DeviceContext& dc, HBITMAP bitmap) {
    if (dc.Kind() != DcKind::Memory) {
        return HBITMAP();
    }
    ObjectTable& table = Table();
    PixelBitmap* pixels = table.Find<PixelBitmap>(bitmap);
    if (pixels == nullptr) {
        return HBITMAP();
    }
    const HBITMAP previous = dc.SurfaceBitmap();
    if (bitmap == previous) {
        return previous;
    }
    const bool stock = table.IsStock(bitmap);
    if (!stock && pixels->InMemoryDc()) {
        return HBITMAP();
    }
    if (!stock) {
        pixels->SetInMemoryDc(true);
    }
    if (dc.Surface() != nullptr && !table.IsStock(previous)) {
        dc.Surface()->SetInMemoryDc(false);
    }
    table.Retain(bitmap);
    dc.AttachSurface(bitmap, pixels);
    table.Release(previous);
    return previous;
}

HPEN SelectPen(DeviceContext& dc, HPEN pen) {
    const PenObject* object = Table().Find<PenObject>(pen);
    if (object == nullptr) {
        return HPEN();
    }
    const HPEN previous = dc.PenHandle();
    Table().Retain(pen);
    dc.AttachPen(pen, object);
    Table().Release(previous);
    return previous;
}

HBRUSH SelectBrush(DeviceContext& dc, HBRUSH brush) {
    const BrushObject* object = Table().Find<BrushObject>(brush);
    if (object == nullptr) {
        return HBRUSH();
    }
    const HBRUSH previous = dc.BrushHandle();
    Table().Retain(brush);
    dc.AttachBrush(brush, object);
    Table().Release(previous);
    return previous;
}

HFONT SelectFont(DeviceContext& dc, HFONT font) {
    const FontObject* object = Table().Find<FontObject>(font);
    if (object == nullptr) {
        return HFONT();
    }
    const HFONT previous = dc.FontHandle();
    Table().Retain(font);
    dc.AttachFont(font, object);
    Table().Release(previous);
    return previous;
}

bool AttachTarget(DeviceContext& dc, HBITMAP target) {
    PixelBitmap* pixels = Table().Find<PixelBitmap>(target);
    if (pixels == nullptr || dc.Kind() != DcKind::Surface) {
        return false;
    }
    Table().Retain(target);
    dc.AttachSurface(target, pixels);
    return true;
}

}  // namespace win::gdi
