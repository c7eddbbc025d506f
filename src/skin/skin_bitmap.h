#pragma once

// The shared skin: four framed, rounded button faces of 9 × 21 pixels, one below the other
// (normal, hot, pressed, disabled), in a memory DC that every skinned button copies from.

#include "platform/gdi/gdi_handle.h"

namespace quellan {

inline constexpr int kSkinWidth = 9;
inline constexpr int kSkinTileHeight = 21;
inline constexpr int kSkinStateCount = 4;
inline constexpr int kSkinHeight = kSkinTileHeight * kSkinStateCount;

// A memory DC compatible with the display holding the filled 9 × 84 skin bitmap.
win::HDC BuildSkinBitmap();
// Deletes the skin DC and the bitmap it holds.
void FreeSkinBitmap(win::HDC skinDc);

}  // namespace quellan
