#include "stats/adapter_address_text.h"

#include <algorithm>

namespace quellan {
namespace {

constexpr std::size_t kMaximumBytes = 8;
constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendByte(std::string& text, std::uint8_t byte) {
    if (byte == 0) {
        text += "00";
        return;
    }
    if (byte >= 0x10) {
        text += kHexDigits[byte >> 4];
    }
    text += kHexDigits[byte & 0x0F];
}

}  // namespace

std::string FormatAdapterAddress(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes.first(std::min(bytes.size(), kMaximumBytes))) {
        if (!text.empty()) {
            text += '-';
        }
        AppendByte(text, byte);
    }
    return text;
}

}  // namespace quellan
