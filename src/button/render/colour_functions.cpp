#include "button/render/colour_functions.h"

#include <algorithm>

#include "platform/numeric/round_half_even.h"

namespace quellan {

namespace {

std::int32_t RoundedChannel(double value) {
    // Channel values stay far inside the 64-bit range, so a result always exists.
    return static_cast<std::int32_t>(numeric::RoundHalfEven(value).value_or(0));
}

std::int32_t ShiftChannel(std::int32_t channel, float fraction) {
    const float step = fraction * 255.0f;
    const std::int32_t moved = RoundedChannel(static_cast<double>(channel) + step);
    return fraction > 0.0f ? std::min(moved, 255) : std::max(moved, 0);
}

}  // namespace

ColourChannels ChannelsOf(win::COLORREF colour) {
    const auto value = static_cast<std::int32_t>(colour);
    return {value & 255, (value / 256) & 255, (value / 65536) & 255};
}

win::COLORREF ColourOf(const ColourChannels& channels) {
    return static_cast<win::COLORREF>(channels.red + channels.green * 256 + channels.blue * 65536);
}

win::COLORREF TranslateColor(win::OLE_COLOR colour) {
    win::COLORREF plain = 0;
    if (win::OleTranslateColor(colour, nullptr, &plain) != win::S_OK) {
        return win::CLR_INVALID;
    }
    return plain;
}

win::COLORREF ShiftColor(win::COLORREF colour, float fraction) {
    const ColourChannels c = ChannelsOf(colour);
    return ColourOf({ShiftChannel(c.red, fraction), ShiftChannel(c.green, fraction),
                     ShiftChannel(c.blue, fraction)});
}

win::COLORREF AverageColors(win::COLORREF first, win::COLORREF second) {
    const ColourChannels a = ChannelsOf(first);
    const ColourChannels b = ChannelsOf(second);
    auto mean = [](std::int32_t x, std::int32_t y) { return RoundedChannel((x + y) / 2.0); };
    return ColourOf({mean(a.red, b.red), mean(a.green, b.green), mean(a.blue, b.blue)});
}

}  // namespace quellan
