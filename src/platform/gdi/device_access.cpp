#include "platform/gdi/device_access.h"

#include "platform/gdi/internal/object_table.h"
#include "platform/gdi/internal/selection.h"

namespace win::gdi {

HDC CreateSurfaceDC(HBITMAP target, POINT origin) {
    ObjectTable& table = ObjectTable::Instance();
    if (table.Find<PixelBitmap>(target) == nullptr) {
        return HDC();
    }
    const HDC handle = table.Add(DeviceContext(DcKind::Surface));
    DeviceContext* dc = DeviceContext::From(handle);
    if (dc == nullptr) {
        return HDC();
    }
    SelectDefaults(*dc);
    AttachTarget(*dc, target);
    dc->SetSurfaceOrigin(origin);
    return handle;
}

bool SetSurfaceOrigin(HDC dc, POINT origin) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return false;
    }
    context->SetSurfaceOrigin(origin);
    return true;
}

bool SetSurfaceVisibleRegion(HDC dc, HRGN visible) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return false;
    }
    if (!visible) {
        context->SetVisibleRegion(std::nullopt);
        return true;
    }
    const RegionObject* region = ObjectTable::Instance().Find<RegionObject>(visible);
    if (region == nullptr) {
        return false;
    }
    context->SetVisibleRegion(region->region);
    return true;
}

bool SetSurfaceVisibleRect(HDC dc, const RECT& visible) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return false;
    }
    context->SetVisibleRegion(Region::FromRect(visible));
    return true;
}

bool ResetSurfaceDC(HDC dc) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr || context->Kind() != DcKind::Surface) {
        return false;
    }
    SelectDefaults(*context);
    const DeviceContext fresh(context->Kind());
    context->SetTextColor(fresh.TextColor());
    context->SetBkColor(fresh.BkColor());
    context->SetBkMode(fresh.BkMode());
    context->SetStretchMode(fresh.StretchMode());
    context->SetCurrentPosition(fresh.CurrentPosition());
    context->SetViewportOrigin(fresh.ViewportOrigin());
    context->SetClipRegion(std::nullopt);
    return true;
}

HBITMAP SurfaceBitmapOf(HDC dc) {
    const DeviceContext* context = DeviceContext::From(dc);
    return context != nullptr ? context->SurfaceBitmap() : HBITMAP();
}

std::optional<BitmapPixels> ReadBitmapPixels(HBITMAP bitmap) {
    const PixelBitmap* pixels = ObjectTable::Instance().Find<PixelBitmap>(bitmap);
    if (pixels == nullptr) {
        return std::nullopt;
    }
    return BitmapPixels{pixels->Pixels().data(), pixels->Width(), pixels->Height(),
                        pixels->Stride(), pixels->BitsPerPixel()};
}

std::optional<MutableBitmapPixels> WriteBitmapPixels(HBITMAP bitmap) {
    PixelBitmap* pixels = ObjectTable::Instance().Find<PixelBitmap>(bitmap);
    if (pixels == nullptr) {
        return std::nullopt;
    }
    return MutableBitmapPixels{pixels->Pixels().data(), pixels->Width(), pixels->Height(),
                               pixels->Stride(), pixels->BitsPerPixel()};
}

}  // namespace win::gdi
