#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace win::netlink {

// A route netlink socket, closed when the object goes.
class NetlinkSocket {
public:
    // Nothing when the socket cannot be opened (no netlink in a sandbox, no descriptors left).
    static std::optional<NetlinkSocket> Open();

    NetlinkSocket(NetlinkSocket&& other) noexcept;
    NetlinkSocket& operator=(NetlinkSocket&& other) noexcept;
    NetlinkSocket(const NetlinkSocket&) = delete;
    NetlinkSocket& operator=(const NetlinkSocket&) = delete;
    ~NetlinkSocket();

    // Asks the kernel for every link (RTM_GETLINK with NLM_F_DUMP).
    bool SendLinkDumpRequest(std::uint32_t sequence);

    // One datagram of the answer; nothing on error, timeout or a datagram larger than buffer.
    std::optional<std::size_t> Receive(std::span<std::uint8_t> buffer);

private:
    explicit NetlinkSocket(int descriptor) : descriptor_(descriptor) {}
    void Close();

    int descriptor_ = -1;
};

}  // namespace win::netlink
