#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace quellan {

// Text from the bytes of a table field: up to the first NUL, every byte sequence that is not
// UTF-8 replaced by U+FFFD, so what reaches a label is always valid text.
std::string DecodeInterfaceText(std::span<const std::uint8_t> bytes);

}  // namespace quellan
