#pragma once

// Blending a source block over the destination.

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win {

inline constexpr BYTE AC_SRC_OVER = 0x00;
inline constexpr BYTE AC_SRC_ALPHA = 0x01;

struct BLENDFUNCTION {
    BYTE BlendOp = AC_SRC_OVER;
    BYTE BlendFlags = 0;
    BYTE SourceConstantAlpha = 255;
    BYTE AlphaFormat = 0;
};

// With a constant alpha a, each channel becomes round((s * a + d * (255 - a)) / 255), rounded to
// nearest (the quotient is never exactly halfway), so 255 copies the source and 0 keeps the
// destination. With AC_SRC_ALPHA the source is taken as premultiplied by its own alpha A:
// d' = round(s * a / 255) + round(d * (255 - round(A * a / 255)) / 255), clamped to 255.
// Fails, drawing nothing, when the source rectangle is not wholly inside the source surface, an
// extent is negative, or BlendOp/BlendFlags are not 0. Different sizes scale as StretchBlt does.
bool AlphaBlend(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, BLENDFUNCTION blend);

}  // namespace win
