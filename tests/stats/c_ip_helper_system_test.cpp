// The reader on the machine's own interface table, with traffic the test makes itself.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <optional>
#include <string>

#include "platform/net/mib_ifrow.h"
#include "stats/c_ip_helper.h"
#include "tests/support/veth_web_server.h"

namespace quellan {
namespace {

constexpr std::size_t kPayload = 1000;

// Datagrams to a port of our own on 127.0.0.1, drained as they arrive; the bytes sent.
std::uint64_t SendLoopbackDatagrams(int count) {
    const int receiver = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const int sender = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    std::uint64_t sent = 0;
    if (::bind(receiver, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
        ::getsockname(receiver, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        std::array<char, kPayload> payload{};
        for (int i = 0; i < count; ++i) {
            if (::sendto(sender, payload.data(), payload.size(), 0,
                         reinterpret_cast<const sockaddr*>(&address),
                         sizeof(address)) == static_cast<ssize_t>(payload.size())) {
                sent += payload.size();
            }
            while (::recv(receiver, payload.data(), payload.size(), 0) > 0) {
            }
        }
    }
    ::close(receiver);
    ::close(sender);
    return sent;
}

// One snapshot: the received counter of one link and the totals, with what the non-loopback
// records add up to, all from the same read.
struct Snapshot {
    std::optional<std::uint64_t> linkReceived;
    double totalReceived = 0;
    double totalSent = 0;
    double networkReceived = 0;
    double networkSent = 0;
};

Snapshot Take(CIpHelper& helper, const std::string& link) {
    Snapshot snapshot;
    for (const auto& record : *helper.Interfaces()) {
        const bool loopback =
            record->InterfaceType() == static_cast<std::int32_t>(win::IF_TYPE_SOFTWARE_LOOPBACK);
        if (record->InterfaceName() == link) {
            snapshot.linkReceived = record->OctetsReceived();
        }
        if (!loopback) {
            snapshot.networkReceived += static_cast<double>(record->OctetsReceived());
            snapshot.networkSent += static_cast<double>(record->OctetsSent());
        }
    }
    snapshot.totalReceived = helper.BytesReceived();
    snapshot.totalSent = helper.BytesSent();
    return snapshot;
}

// Other tests may move the machine's counters at the same time, so the totals are checked
// against the records of the same snapshot rather than against a quiet machine.
TEST(CIpHelperOnThisMachine, LoopbackTrafficMovesItsRecordButNotTheTotals) {
    CIpHelper helper;
    const Snapshot before = Take(helper, "lo");
    ASSERT_TRUE(before.linkReceived.has_value()) << "no lo in the table";

    const std::uint64_t sent = SendLoopbackDatagrams(200);
    const Snapshot after = Take(helper, "lo");

    ASSERT_GT(sent, 0u);
    ASSERT_TRUE(after.linkReceived.has_value());
    EXPECT_GE(*after.linkReceived, *before.linkReceived + sent);
    EXPECT_EQ(after.totalReceived, after.networkReceived);
    EXPECT_EQ(after.totalSent, after.networkSent);
}

TEST(CIpHelperOnThisMachine, VethTrafficMovesItsRecordAndTheTotals) {
    const testing_support::VethWebServer server;
    if (server.LacksRights()) {
        GTEST_SKIP() << server.Problem();
    }
    ASSERT_TRUE(server.Ready()) << server.Problem();
    CIpHelper helper;
    const Snapshot before = Take(helper, server.OuterLink());
    ASSERT_TRUE(before.linkReceived.has_value()) << server.OuterLink() << " not in the table";

    constexpr std::uint64_t kPage = 1'000'000;
    ASSERT_EQ(server.Fetch(kPage), kPage) << server.Url(kPage);
    const Snapshot after = Take(helper, server.OuterLink());

    ASSERT_TRUE(after.linkReceived.has_value());
    EXPECT_GE(*after.linkReceived, *before.linkReceived + kPage);
    EXPECT_GE(after.totalReceived, static_cast<double>(*after.linkReceived));
    EXPECT_EQ(after.totalReceived, after.networkReceived);
}

}  // namespace
}  // namespace quellan
