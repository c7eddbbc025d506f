#include "platform/net/netlink/netlink_socket.h"

#include <linux/if_link.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace win::netlink {
namespace {

// The user interface waits on this; the kernel answers at once, so a stall means trouble.
constexpr timeval kReceiveTimeout{.tv_sec = 1, .tv_usec = 0};

// The extension mask names the optional blocks wanted with each link; we read none of them
// (virtual functions, bridge VLANs and the like), so it asks for none.
struct LinkDumpRequest {
    nlmsghdr header;
    ifinfomsg info;
    rtattr extensionMaskHeader;
    std::uint32_t extensionMask;
};
static_assert(sizeof(LinkDumpRequest) ==
              NLMSG_LENGTH(sizeof(ifinfomsg)) + RTA_LENGTH(sizeof(std::uint32_t)));

}  // namespace

std::unique_ptr<NetlinkSocket> NetlinkSocket::Open() {
    const int descriptor = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE);
    if (descriptor < 0) {
        return nullptr;
    }
    std::unique_ptr<NetlinkSocket> socket(new NetlinkSocket(descriptor));
    if (::setsockopt(descriptor, SOL_SOCKET, SO_RCVTIMEO, &kReceiveTimeout,
                     sizeof(kReceiveTimeout)) != 0) {
        return nullptr;
    }
    sockaddr_nl local{};
    local.nl_family = AF_NETLINK;
    if (::bind(descriptor, reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0) {
        return nullptr;
    }
    return socket;
}

NetlinkSocket::~NetlinkSocket() {
    ::close(descriptor_);
}

bool NetlinkSocket::SendLinkDumpRequest(std::uint32_t sequence) {
    LinkDumpRequest request{};
    request.header.nlmsg_len = sizeof(request);
    request.header.nlmsg_type = RTM_GETLINK;
    request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    request.header.nlmsg_seq = sequence;
    request.info.ifi_family = AF_UNSPEC;
    request.extensionMaskHeader.rta_len = RTA_LENGTH(sizeof(std::uint32_t));
    request.extensionMaskHeader.rta_type = IFLA_EXT_MASK;
    request.extensionMask = 0;

    sockaddr_nl kernel{};
    kernel.nl_family = AF_NETLINK;
    ssize_t sent;
    do {
        sent = ::sendto(descriptor_, &request, sizeof(request), 0,
                        reinterpret_cast<const sockaddr*>(&kernel), sizeof(kernel));
    } while (sent < 0 && errno == EINTR);
    return sent == static_cast<ssize_t>(sizeof(request));
}

std::optional<std::size_t> NetlinkSocket::Receive(std::span<std::uint8_t> buffer) {
    sockaddr_nl sender{};
    iovec vector{.iov_base = buffer.data(), .iov_len = buffer.size()};
    msghdr message{};
    message.msg_name = &sender;
    message.msg_namelen = sizeof(sender);
    message.msg_iov = &vector;
    message.msg_iovlen = 1;

    ssize_t received;
    do {
        received = ::recvmsg(descriptor_, &message, 0);
    } while (received < 0 && errno == EINTR);
    // Only the kernel (port 0) may answer; a cut datagram would lose links.
    if (received < 0 || (message.msg_flags & MSG_TRUNC) != 0 || sender.nl_pid != 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(received);
}

}  // namespace win::netlink
