#pragma once

// Layouts are written in twips: 1/1440 inch, 15 to a pixel at the 96 dots per inch we draw at.

#include <cstdint>

#include "platform/numeric/round_half_even.h"

namespace win::forms {

inline constexpr int kTwipsPerPixel = 15;

// Half a pixel rounds to the even pixel, as every fractional position in the program does.
inline int TwipsToPixels(double twips) {
    auto pixels = quellan::numeric::RoundHalfEven(twips / kTwipsPerPixel);
    if (!pixels || *pixels > INT32_MAX || *pixels < INT32_MIN) {
        return 0;
    }
    return static_cast<int>(*pixels);
}

inline constexpr int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

}  // namespace win::forms
