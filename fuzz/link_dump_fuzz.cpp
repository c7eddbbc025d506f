// Arbitrary datagrams as the answer to a link dump: the parser must fail cleanly, never read
// outside the datagram, and every link it accepts must hold what its attributes said.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/net/netlink/link_dump_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    // The first four bytes choose the sequence the dump expects; the rest is the datagram,
    // parsed once whole and once cut in two, as two receives would bring it.
    std::uint32_t sequence =
        data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    std::span<const std::uint8_t> chunk(data + 4, size - 4);

    win::netlink::LinkDump whole;
    win::netlink::ParseDumpChunk(chunk, sequence, whole);

    win::netlink::LinkDump split;
    std::size_t half = chunk.size() / 2;
    if (win::netlink::ParseDumpChunk(chunk.first(half), sequence, split) ==
        win::netlink::ChunkOutcome::NeedMore) {
        win::netlink::ParseDumpChunk(chunk.subspan(half), sequence, split);
    }

    win::netlink::ParseLinkMessage(chunk);
    return 0;
}
