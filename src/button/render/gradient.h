#pragma once

// Linear colour ramps, put on the surface as one block of device-independent pixels.

#include <cstdint>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace quellan {

enum class GradientDirection : std::int32_t {
    Horizontal = 0,    // start colour at the left
    Vertical = 1,      // start colour at the top
    DownDiagonal = 2,  // top-left to bottom-right
    UpDiagonal = 3,    // bottom-left to top-right
};

// Nothing is drawn for an empty or oversized block.
void DrawGradient(win::HDC dc, int x, int y, int w, int h, win::COLORREF start, win::COLORREF end,
                  GradientDirection direction);

}  // namespace quellan
