#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace quellan {

// The physical address as the program writes it: each byte in upper-case hexadecimal without
// a leading zero ("00" for a zero byte), joined by "-", at most 8 bytes. 00 1A 2B 03 0C FF gives
// "00-1A-2B-3-C-FF".
std::string FormatAdapterAddress(std::span<const std::uint8_t> bytes);

}  // namespace quellan
