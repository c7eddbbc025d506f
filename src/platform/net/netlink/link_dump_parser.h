#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/net/netlink/link_message.h"

namespace win::netlink {

// The links of one RTM_GETLINK dump, gathered over the datagrams of the answer.
struct LinkDump {
    std::vector<LinkMessage> links;
    bool interrupted = false;  // the kernel flagged NLM_F_DUMP_INTR: the table changed meanwhile
};

enum class ChunkOutcome { NeedMore, Done, Failed };

// Parses one received datagram of the dump answer with the given sequence number into dump.
// Messages of other sequences are stale and skipped. Anything malformed fails the dump.
ChunkOutcome ParseDumpChunk(std::span<const std::uint8_t> chunk, std::uint32_t sequence,
                            LinkDump& dump);

// Parses the payload of one RTM_NEWLINK message (ifinfomsg and its attributes).
std::optional<LinkMessage> ParseLinkMessage(std::span<const std::uint8_t> payload);

}  // namespace win::netlink
