#include "platform/gdi/blit.h"

#include "platform/gdi/internal/pixel_transfer.h"
#include "platform/gdi/internal/rop3.h"

namespace win {

namespace {

using gdi::DeviceContext;

gdi::PixelSource SourceOf(const DeviceContext& dc) {
    const gdi::PixelBitmap* surface = dc.Surface();
    if (surface == nullptr) {
        return {};
    }
    return gdi::PixelSource{surface->Pixels().data(), surface->Width(), surface->Height(),
                            surface->Stride()};
}

bool Transfer(HDC destination, gdi::TransferRect to, HDC source, std::int64_t sourceX,
              std::int64_t sourceY, std::int64_t sourceWidth, std::int64_t sourceHeight,
              DWORD rop) {
    DeviceContext* target = DeviceContext::From(destination);
    if (target == nullptr) {
        return false;
    }
    const std::uint32_t pattern = gdi::PixelFromColor(target->Brush().logBrush.lbColor);
    const std::uint8_t code = gdi::RopCode(rop);
    if (!gdi::RopUsesSource(rop)) {
        // Source-free operations cover the destination rectangle as PatBlt does.
        if (target->Surface() == nullptr ||
            (gdi::RopUsesPattern(rop) && target->Brush().DrawsNothing())) {
            return true;
        }
        const std::int64_t x1 = to.x + to.width;
        const std::int64_t y1 = to.y + to.height;
        const RECT area = gdi::ClampedRect(to.x < x1 ? to.x : x1, to.y < y1 ? to.y : y1,
                                           to.x < x1 ? x1 : to.x, to.y < y1 ? y1 : to.y);
        target->EffectiveClip().ForEachPieceIn(area, [&](int top, int bottom, int left, int right) {
            for (int y = top; y < bottom; ++y) {
                std::uint32_t* row = target->Surface()->Row(y);
                for (int x = left; x < right; ++x) {
                    row[x] = gdi::ApplyRop3(code, pattern, 0, row[x]);
                }
            }
        });
        return true;
    }
    const DeviceContext* from = DeviceContext::From(source);
    if (from == nullptr) {
        return false;
    }
    if (target->Surface() == nullptr || from->Surface() == nullptr) {
        return true;  // nothing to draw on or nothing to read
    }
    std::vector<std::uint32_t> detached;
    const gdi::PixelSource pixels =
        gdi::DetachedSource(SourceOf(*from), *target->Surface(), detached);
    const gdi::TransferRect sourceRect{from->SurfaceX(sourceX), from->SurfaceY(sourceY),
                                       sourceWidth, sourceHeight};
    switch (rop) {
        case SRCCOPY:
            gdi::TransferPixels(*target, to, pixels, sourceRect,
                                [](std::uint32_t& d, std::uint32_t s) { d = s; });
            break;
        case SRCPAINT:
            gdi::TransferPixels(
                *target, to, pixels, sourceRect,
                [](std::uint32_t& d, std::uint32_t s) { d = (d | s) & 0x00FFFFFF; });
            break;
        case SRCAND:
            gdi::TransferPixels(*target, to, pixels, sourceRect,
                                [](std::uint32_t& d, std::uint32_t s) { d = d & s & 0x00FFFFFF; });
            break;
        case SRCINVERT:
            gdi::TransferPixels(
                *target, to, pixels, sourceRect,
                [](std::uint32_t& d, std::uint32_t s) { d = (d ^ s) & 0x00FFFFFF; });
            break;
        default:
            gdi::TransferPixels(*target, to, pixels, sourceRect,
                                [&](std::uint32_t& d, std::uint32_t s) {
                                    d = gdi::ApplyRop3(code, pattern, s, d);
                                });
            break;
    }
    return true;
}

}  // namespace

bool BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rop) {
    DeviceContext* target = DeviceContext::From(destination);
    if (target == nullptr) {
        return false;
    }
    if (width <= 0 || height <= 0) {
        return true;
    }
    const gdi::TransferRect to{target->SurfaceX(x), target->SurfaceY(y), width, height};
    return Transfer(destination, to, source, sourceX, sourceY, width, height, rop);
}

bool StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, DWORD rop) {
    DeviceContext* target = DeviceContext::From(destination);
    if (target == nullptr) {
        return false;
    }
    if (width == 0 || height == 0 || sourceWidth == 0 || sourceHeight == 0) {
        return true;
    }
    const gdi::TransferRect to{target->SurfaceX(x), target->SurfaceY(y), width, height};
    return Transfer(destination, to, source, sourceX, sourceY, sourceWidth, sourceHeight, rop);
}

}  // namespace win
