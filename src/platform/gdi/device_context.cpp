#include "platform/gdi/device_context.h"

#include "platform/gdi/internal/object_table.h"
#include "platform/gdi/internal/selection.h"

namespace win {

using gdi::DcKind;
using gdi::DeviceContext;
using gdi::ObjectTable;

namespace {

HDC AddDeviceContext(DcKind kind) {
    const HDC handle = ObjectTable::Instance().Add(DeviceContext(kind));
    if (DeviceContext* dc = DeviceContext::From(handle)) {
        gdi::SelectDefaults(*dc);
    }
    return handle;
}

}  // namespace

HDC CreateCompatibleDC(HDC compatibleWith) {
    if (compatibleWith && DeviceContext::From(compatibleWith) == nullptr) {
        return HDC();
    }
    return AddDeviceContext(DcKind::Memory);
}

HDC CreateDC(std::string_view driver, std::string_view, std::string_view, const void*) {
    if (driver != "DISPLAY") {
        return HDC();
    }
    return AddDeviceContext(DcKind::Display);
}

bool DeleteDC(HDC dc) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return false;
    }
    gdi::ReleaseSelection(*context);
    return ObjectTable::Instance().Delete(dc);
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return CLR_INVALID;
    }
    const COLORREF previous = context->TextColor();
    context->SetTextColor(colour);
    return previous;
}

COLORREF GetTextColor(HDC dc) {
    const DeviceContext* context = DeviceContext::From(dc);
    return context != nullptr ? context->TextColor() : CLR_INVALID;
}

COLORREF SetBkColor(HDC dc, COLORREF colour) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return CLR_INVALID;
    }
    const COLORREF previous = context->BkColor();
    context->SetBkColor(colour);
    return previous;
}

COLORREF GetBkColor(HDC dc) {
    const DeviceContext* context = DeviceContext::From(dc);
    return context != nullptr ? context->BkColor() : CLR_INVALID;
}

int SetBkMode(HDC dc, int mode) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) {
        return 0;
    }
    const int previous = context->BkMode();
    context->SetBkMode(mode);
    return previous;
}

int GetBkMode(HDC dc) {
    const DeviceContext* context = DeviceContext::From(dc);
    return context != nullptr ? context->BkMode() : 0;
}

bool SetViewportOrgEx(HDC dc, int x, int y, POINT* previous) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return false;
    }
    if (previous != nullptr) {
        *previous = context->ViewportOrigin();
    }
    context->SetViewportOrigin(POINT{x, y});
    return true;
}

bool GetViewportOrgEx(HDC dc, POINT* origin) {
    const DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr || origin == nullptr) {
        return false;
    }
    *origin = context->ViewportOrigin();
    return true;
}

bool OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return false;
    }
    const POINT origin = context->ViewportOrigin();
    const std::int64_t x = std::int64_t{origin.x} + dx;
    const std::int64_t y = std::int64_t{origin.y} + dy;
    if (x < INT32_MIN || x > INT32_MAX || y < INT32_MIN || y > INT32_MAX) {
        return false;
    }
    if (previous != nullptr) {
        *previous = origin;
    }
    context->SetViewportOrigin(POINT{static_cast<LONG>(x), static_cast<LONG>(y)});
    return true;
}

int SetStretchBltMode(HDC dc, int mode) {
    DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr || mode < BLACKONWHITE || mode > HALFTONE) {
        return 0;
    }
    const int previous = context->StretchMode();
    context->SetStretchMode(mode);
    return previous;
}

int GetStretchBltMode(HDC dc) {
    const DeviceContext* context = DeviceContext::From(dc);
    return context != nullptr ? context->StretchMode() : 0;
}

int GetDeviceCaps(HDC dc, int index) {
    const DeviceContext* context = DeviceContext::From(dc);
    if (context == nullptr) {
        return 0;
    }
    const gdi::PixelBitmap* surface = context->Surface();
    switch (index) {
        case HORZRES:
            return surface != nullptr ? surface->Width() : 0;
        case VERTRES:
            return surface != nullptr ? surface->Height() : 0;
        case BITSPIXEL:
            return 32;
        case PLANES:
            return 1;
        case NUMCOLORS:
            return -1;
        case LOGPIXELSX:
        case LOGPIXELSY:
            return 96;
        default:
            return 0;
    }
}

COLORREF GetNearestColor(HDC dc, COLORREF colour) {
    if (DeviceContext::From(dc) == nullptr) {
        return CLR_INVALID;
    }
    return colour & 0x00FFFFFF;
}

}  // namespace win
