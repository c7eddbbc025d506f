#pragma once

// The per-pixel picture compositors: every picture pixel is blended in software against what
// the background left on the surface, so opacity and effects come out exact.

#include <cstdint>

#include "button/render/button_view.h"
#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace quellan {

// How one run of a compositor blends.
struct BlendSettings {
    std::uint8_t opacity = 255;
    // Brighten or darken; null for the picture's own colours.
    const EffectTable* effect = nullptr;
    bool greyscale = false;
};

// Where the picture's pixels come from. An icon is drawn onto the mask colour first.
struct PictureSource {
    win::HBITMAP bitmap;
    bool icon = false;
};

// Pictures without an alpha channel, and icons. `colour` -1 draws the picture; any other colour
// draws its silhouette in that colour. Pixels whose nearest surface colour equals `mask` are
// left out (-1, or `useMask` off, leaves nothing out).
void BlendPicture24(win::HDC surface, int x, int y, int w, int h, const PictureSource& picture,
                    win::COLORREF mask, bool useMask, win::COLORREF colour,
                    const BlendSettings& settings);

// Bitmaps of 32 bits per pixel: each pixel's alpha scales the opacity.
void BlendPicture32(win::HDC surface, int x, int y, int w, int h, win::HBITMAP picture,
                    win::COLORREF colour, const BlendSettings& settings);

}  // namespace quellan
