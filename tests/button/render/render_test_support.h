#pragma once

// Colour expectations for the drawing tests, worked out from the written rules.

#include <cstdint>

#include "button/render/colour_functions.h"
#include "platform/gdi/gdi.h"

namespace quellan::testing {

constexpr win::COLORREF kWhite = 0xFFFFFF;

inline win::COLORREF Sys(int index) {
    return win::GetSysColor(index);
}

// 0x00RRGGBB, as a probe reads it from bitmap memory.
inline std::uint32_t Raw(win::COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// Entry i of a gradient of `steps` entries: start + i * (end - start) div (steps - 1).
inline win::COLORREF Ramp(win::COLORREF start, win::COLORREF end, int steps, int i) {
    const ColourChannels s = ChannelsOf(start);
    const ColourChannels e = ChannelsOf(end);
    const int count = steps - 1;
    return ColourOf({s.red + i * (e.red - s.red) / count, s.green + i * (e.green - s.green) / count,
                     s.blue + i * (e.blue - s.blue) / count});
}

// Whether the platform's focus rectangle `focus` inverts this pixel of its outline. The dots run
// round the outline from its top-right pixel, which is one, so on a rectangle at least two
// pixels each way they are the pixels whose x + y has that corner's parity.
inline bool FocusDotted(const win::RECT& focus, int x, int y) {
    return (x + y - (focus.right - 1) - focus.top) % 2 == 0;
}

}  // namespace quellan::testing
