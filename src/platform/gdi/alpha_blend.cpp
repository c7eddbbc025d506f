#include "platform/gdi/alpha_blend.h"

#include "platform/gdi/internal/pixel_transfer.h"
#include "platform/gdi/pixel_blend.h"

namespace win {

namespace {

using gdi::DeviceContext;
using gdi::DivideBy255;

constexpr std::uint32_t Channel(std::uint32_t pixel, int shift) {
    return (pixel >> shift) & 0xFF;
}

std::uint32_t BlendPremultiplied(std::uint32_t destination, std::uint32_t source,
                                 std::uint32_t alpha) {
    const std::uint32_t sourceAlpha = DivideBy255(Channel(source, 24) * alpha);
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 24; shift += 8) {
        std::uint32_t value = DivideBy255(Channel(source, shift) * alpha) +
                              DivideBy255(Channel(destination, shift) * (255 - sourceAlpha));
        if (value > 255) {
            value = 255;
        }
        result |= value << shift;
    }
    return result;
}

}  // namespace

bool AlphaBlend(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, BLENDFUNCTION blend) {
    DeviceContext* target = DeviceContext::From(destination);
    const DeviceContext* from = DeviceContext::From(source);
    if (target == nullptr || from == nullptr || blend.BlendOp != AC_SRC_OVER ||
        blend.BlendFlags != 0 || width < 0 || height < 0 || sourceWidth < 0 || sourceHeight < 0) {
        return false;
    }
    const gdi::PixelBitmap* sourceSurface = from->Surface();
    if (sourceSurface == nullptr) {
        return false;
    }
    const std::int64_t left = from->SurfaceX(sourceX);
    const std::int64_t top = from->SurfaceY(sourceY);
    if (left < 0 || top < 0 || left + sourceWidth > sourceSurface->Width() ||
        top + sourceHeight > sourceSurface->Height()) {
        return false;
    }
    if (target->Surface() == nullptr || width == 0 || height == 0 || sourceWidth == 0 ||
        sourceHeight == 0) {
        return true;
    }
    std::vector<std::uint32_t> detached;
    const gdi::PixelSource pixels =
        gdi::DetachedSource(gdi::PixelSource{sourceSurface->Pixels().data(), sourceSurface->Width(),
                                             sourceSurface->Height(), sourceSurface->Stride()},
                            *target->Surface(), detached);
    const gdi::TransferRect to{target->SurfaceX(x), target->SurfaceY(y), width, height};
    const gdi::TransferRect sourceRect{left, top, sourceWidth, sourceHeight};
    const std::uint32_t alpha = blend.SourceConstantAlpha;
    if ((blend.AlphaFormat & AC_SRC_ALPHA) != 0) {
        gdi::TransferPixels(
            *target, to, pixels, sourceRect,
            [&](std::uint32_t& d, std::uint32_t s) { d = BlendPremultiplied(d, s, alpha); },
            gdi::ShrinkRule::Sample);
        return true;
    }
    if (alpha == 0) {
        return true;
    }
    gdi::TransferPixels(
        *target, to, pixels, sourceRect,
        [&](std::uint32_t& d, std::uint32_t s) { d = gdi::BlendPixel(s, d, alpha); },
        gdi::ShrinkRule::Sample);
    return true;
}

}  // namespace win
