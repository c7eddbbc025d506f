#pragma once

#include <memory>

#include "platform/net/netlink/link_channel.h"

namespace win::netlink {

// A route netlink socket, closed when the object goes.
class NetlinkSocket : public LinkChannel {
public:
    // Nothing when the socket cannot be opened (no netlink in a sandbox, no descriptors left).
    static std::unique_ptr<NetlinkSocket> Open();

    NetlinkSocket(const NetlinkSocket&) = delete;
    NetlinkSocket& operator=(const NetlinkSocket&) = delete;
    ~NetlinkSocket() override;

    bool SendLinkDumpRequest(std::uint32_t sequence) override;
    std::optional<std::size_t> Receive(std::span<std::uint8_t> buffer) override;

private:
    explicit NetlinkSocket(int descriptor) : descriptor_(descriptor) {}

    int descriptor_ = -1;
};

}  // namespace win::netlink
