#pragma once

// The colour arithmetic every style is built from. Colours are 0x00BBGGRR; -1 (CLR_INVALID)
// means no colour and is passed on as any other value.

#include <cstdint>

#include "platform/gdi/sys_color.h"
#include "platform/gdi/win_types.h"

namespace quellan {

struct ColourChannels {
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
};

// Taken from the value as a signed 32-bit number, divisions truncating toward zero.
ColourChannels ChannelsOf(win::COLORREF colour);
win::COLORREF ColourOf(const ColourChannels& channels);

// A plain colour for a plain or system colour value; -1 when the system cannot translate it.
win::COLORREF TranslateColor(win::OLE_COLOR colour);

// Each channel moves by f * 255 (the product in single precision, the sum in double), rounded
// half to even, and is clamped only on the side it moves toward.
win::COLORREF ShiftColor(win::COLORREF colour, float fraction);

// Each channel becomes the mean of the two, rounded half to even.
win::COLORREF AverageColors(win::COLORREF first, win::COLORREF second);

}  // namespace quellan
