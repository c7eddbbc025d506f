#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>

namespace win::netlink {

// Where a link dump request goes and the datagrams of its answer come from.
class LinkChannel {
public:
    virtual ~LinkChannel() = default;

    // Asks for every link (RTM_GETLINK with NLM_F_DUMP) under the given sequence number.
    virtual bool SendLinkDumpRequest(std::uint32_t sequence) = 0;

    // One datagram of the answer; nothing on error, timeout or a datagram larger than buffer.
    virtual std::optional<std::size_t> Receive(std::span<std::uint8_t> buffer) = 0;
};

// Opens a channel; an empty pointer when none can be opened.
using LinkChannelOpener = std::function<std::unique_ptr<LinkChannel>()>;

}  // namespace win::netlink
