#include "platform/net/mib_ifrow.h"

#include <algorithm>

namespace win {
namespace {

bool IsUtf8Continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The longest prefix of at most limit bytes that does not end inside a UTF-8 sequence.
std::size_t Utf8SafeLength(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) {
        return text.size();
    }
    std::size_t length = limit;
    // Back up over continuation bytes to the lead byte of the cut sequence (at most 3).
    std::size_t steps = 0;
    while (length > 0 && steps < 4 &&
           IsUtf8Continuation(static_cast<unsigned char>(text[length]))) {
        --length;
        ++steps;
    }
    return steps < 4 ? length : limit;
}

}  // namespace

void SetIfDescription(MIB_IFROW& row, std::string_view text) {
    const std::size_t length = Utf8SafeLength(text, MAXLEN_IFDESCR);
    row.Descr.fill(0);
    std::copy_n(text.begin(), length, row.Descr.begin());
    row.DescrLen = static_cast<std::uint32_t>(length);
}

void SetIfPhysAddr(MIB_IFROW& row, std::span<const std::uint8_t> address) {
    const std::size_t kept = std::min(address.size(), MAXLEN_PHYSADDR);
    row.PhysAddr.fill(0);
    std::copy_n(address.begin(), kept, row.PhysAddr.begin());
    row.PhysAddrLen = static_cast<std::uint32_t>(address.size());
}

}  // namespace win
