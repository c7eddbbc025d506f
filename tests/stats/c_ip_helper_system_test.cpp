#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <optional>

#include "platform/net/mib_ifrow.h"
#include "stats/c_ip_helper.h"

namespace quellan {
namespace {

// A UDP socket bound to a free port on 127.0.0.1, and a sender to it.
class LoopbackTraffic {
public:
    LoopbackTraffic() {
        receiver_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        sender_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        address_.sin_family = AF_INET;
        address_.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address_);
        bound_ = receiver_ >= 0 && sender_ >= 0 &&
                 ::bind(receiver_, reinterpret_cast<sockaddr*>(&address_), sizeof(address_)) == 0 &&
                 ::getsockname(receiver_, reinterpret_cast<sockaddr*>(&address_), &length) == 0;
    }
    ~LoopbackTraffic() {
        ::close(receiver_);
        ::close(sender_);
    }

    bool Ready() const { return bound_; }

    // Sends count datagrams of kPayload bytes, draining them as they arrive; the bytes sent.
    std::uint64_t Send(int count) {
        std::array<char, kPayload> payload{};
        std::uint64_t sent = 0;
        for (int i = 0; i < count; ++i) {
            if (::sendto(sender_, payload.data(), payload.size(), 0,
                         reinterpret_cast<const sockaddr*>(&address_),
                         sizeof(address_)) == static_cast<ssize_t>(payload.size())) {
                sent += payload.size();
            }
            while (::recv(receiver_, payload.data(), payload.size(), 0) > 0) {
            }
        }
        return sent;
    }

    static constexpr std::size_t kPayload = 1000;

private:
    int receiver_ = -1;
    int sender_ = -1;
    sockaddr_in address_{};
    bool bound_ = false;
};

std::optional<std::uint64_t> LoopbackReceived(CIpHelper& helper) {
    for (const auto& record : *helper.Interfaces()) {
        if (record->InterfaceType() == static_cast<std::int32_t>(win::IF_TYPE_SOFTWARE_LOOPBACK)) {
            return record->OctetsReceived();
        }
    }
    return std::nullopt;
}

TEST(CIpHelperOnThisMachine, LoopbackCountsTrafficSentTo127001) {
    CIpHelper helper;
    LoopbackTraffic traffic;
    ASSERT_TRUE(traffic.Ready());

    const auto before = LoopbackReceived(helper);
    ASSERT_TRUE(before.has_value()) << "no loopback interface in the table";
    const double totalBefore = helper.BytesReceived();
    const std::uint64_t sent = traffic.Send(100);
    const auto after = LoopbackReceived(helper);

    ASSERT_TRUE(after.has_value());
    ASSERT_GT(sent, 0u);
    EXPECT_GE(*after, *before + LoopbackTraffic::kPayload) << "sent " << sent << " bytes";
    EXPECT_GE(helper.BytesReceived(), totalBefore + LoopbackTraffic::kPayload);
}

}  // namespace
}  // namespace quellan
