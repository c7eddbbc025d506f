#include "stats/interface_text.h"

#include <algorithm>
#include <string_view>

namespace quellan {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsContinuation(std::uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at the start of bytes, 0 when there is none.
std::size_t SequenceLength(std::span<const std::uint8_t> bytes) {
    const std::uint8_t lead = bytes[0];
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;  // bounds of the second byte, tighter for some leads
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (bytes.size() < length || bytes[1] < low || bytes[1] > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(bytes[i])) {
            return 0;
        }
    }
    return length;
}

}  // namespace

std::string DecodeInterfaceText(std::span<const std::uint8_t> bytes) {
    bytes = bytes.first(static_cast<std::size_t>(
        std::find(bytes.begin(), bytes.end(), std::uint8_t{0}) - bytes.begin()));
    std::string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = SequenceLength(bytes);
        if (length == 0) {
            text += kReplacement;
            bytes = bytes.subspan(1);
            continue;
        }
        text.append(reinterpret_cast<const char*>(bytes.data()), length);
        bytes = bytes.subspan(length);
    }
    return text;
}

}  // namespace quellan
