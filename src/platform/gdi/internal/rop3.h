#pragma once

// Evaluates a ternary raster operation on whole pixels from its truth table.

#include <cstdint>

#include "platform/gdi/win_types.h"

namespace win::gdi {

constexpr std::uint8_t RopCode(DWORD rop) {
    return static_cast<std::uint8_t>((rop >> 16) & 0xFF);
}
constexpr bool RopUsesSource(DWORD rop) {
    return (((rop >> 2) ^ rop) & 0x00330000) != 0;
}
constexpr bool RopUsesPattern(DWORD rop) {
    return (((rop >> 4) ^ rop) & 0x000F0000) != 0;
}

// Bit i of the code is the result for pattern = bit 2 of i, source = bit 1, destination = bit 0.
constexpr std::uint32_t ApplyRop3(std::uint8_t code, std::uint32_t pattern, std::uint32_t source,
                                  std::uint32_t destination) {
    std::uint32_t result = 0;
    for (int i = 0; i < 8; ++i) {
        if ((code >> i) & 1) {
            result |= ((i & 4) ? pattern : ~pattern) & ((i & 2) ? source : ~source) &
                      ((i & 1) ? destination : ~destination);
        }
    }
    return result & 0x00FFFFFF;
}

}  // namespace win::gdi
