#include "platform/net/netlink/link_row.h"

#include <gtest/gtest.h>
#include <linux/if.h>
#include <linux/if_arp.h>

#include <string>

namespace win::netlink {
namespace {

LinkMessage Link(std::uint16_t deviceType, std::uint32_t flags = IFF_UP | IFF_RUNNING,
                 std::uint8_t operState = IF_OPER_UP) {
    LinkMessage link;
    link.index = 3;
    link.name = "eth0";
    link.deviceType = deviceType;
    link.flags = flags;
    link.operState = operState;
    return link;
}

std::string Description(const MIB_IFROW& row) {
    return std::string(reinterpret_cast<const char*>(row.Descr.data()), row.DescrLen);
}

TEST(LinkRow, TypeCodesFollowTheDeviceTypeAndWireless) {
    const LinkFacts wired;
    LinkFacts wireless;
    wireless.wireless = true;
    EXPECT_EQ(MakeIfRow(Link(ARPHRD_ETHER), wired).Type, IF_TYPE_ETHERNET_CSMACD);
    EXPECT_EQ(MakeIfRow(Link(ARPHRD_ETHER), wireless).Type, IF_TYPE_IEEE80211);
    EXPECT_EQ(MakeIfRow(Link(ARPHRD_LOOPBACK), wired).Type, IF_TYPE_SOFTWARE_LOOPBACK);
    EXPECT_EQ(MakeIfRow(Link(ARPHRD_ETHER, IFF_UP | IFF_LOOPBACK), wired).Type,
              IF_TYPE_SOFTWARE_LOOPBACK);
    EXPECT_EQ(MakeIfRow(Link(ARPHRD_PPP), wired).Type, IF_TYPE_PPP);
    EXPECT_EQ(MakeIfRow(Link(ARPHRD_IPGRE), wired).Type, IF_TYPE_TUNNEL);
    EXPECT_EQ(MakeIfRow(Link(ARPHRD_NONE), wired).Type, IF_TYPE_TUNNEL);
    EXPECT_EQ(MakeIfRow(Link(ARPHRD_CAN), wired).Type, IF_TYPE_OTHER);
}

TEST(LinkRow, AdminStatusComesFromTheUpFlag) {
    EXPECT_EQ(MakeIfRow(Link(ARPHRD_ETHER, IFF_UP), {}).AdminStatus, MIB_IF_ADMIN_STATUS_UP);
    EXPECT_EQ(MakeIfRow(Link(ARPHRD_ETHER, 0), {}).AdminStatus, MIB_IF_ADMIN_STATUS_DOWN);
}

TEST(LinkRow, OperationalStatusMapsKernelStates) {
    auto status = [](std::uint8_t state, std::uint32_t flags) {
        return MakeIfRow(Link(ARPHRD_ETHER, flags, state), {}).OperStatus;
    };
    EXPECT_EQ(status(IF_OPER_UP, IFF_UP), MIB_IF_OPER_STATUS_OPERATIONAL);
    EXPECT_EQ(status(IF_OPER_DORMANT, IFF_UP), MIB_IF_OPER_STATUS_CONNECTING);
    EXPECT_EQ(status(IF_OPER_DOWN, IFF_UP), MIB_IF_OPER_STATUS_DISCONNECTED);
    EXPECT_EQ(status(IF_OPER_LOWERLAYERDOWN, IFF_UP), MIB_IF_OPER_STATUS_DISCONNECTED);
    EXPECT_EQ(status(IF_OPER_NOTPRESENT, 0), MIB_IF_OPER_STATUS_NON_OPERATIONAL);
    // Loopback reports no state but is running.
    EXPECT_EQ(status(IF_OPER_UNKNOWN, IFF_UP | IFF_RUNNING), MIB_IF_OPER_STATUS_OPERATIONAL);
    EXPECT_EQ(status(IF_OPER_UNKNOWN, IFF_UP), MIB_IF_OPER_STATUS_DISCONNECTED);
    EXPECT_EQ(status(IF_OPER_UNKNOWN, 0), MIB_IF_OPER_STATUS_NON_OPERATIONAL);
}

TEST(LinkRow, DescriptionIsTheAliasElseTheNameWithItsDriver) {
    LinkFacts facts;
    facts.driver = "virtio_net";
    LinkMessage link = Link(ARPHRD_ETHER);
    EXPECT_EQ(Description(MakeIfRow(link, {})), "eth0");
    EXPECT_EQ(Description(MakeIfRow(link, facts)), "eth0 (virtio_net)");
    link.alias = "上行链路";
    EXPECT_EQ(Description(MakeIfRow(link, facts)), "上行链路");
}

TEST(LinkRow, LongDescriptionIsCutWithoutSplittingACharacter) {
    LinkMessage link = Link(ARPHRD_ETHER);
    // 85 three-byte characters fill 255 bytes; the 86th would end at byte 258.
    for (int i = 0; i < 90; ++i) {
        link.alias += "网";
    }
    const MIB_IFROW row = MakeIfRow(link, {});
    EXPECT_EQ(row.DescrLen, 255u);
    EXPECT_EQ(row.Descr[255], 0);

    link.alias = std::string(300, 'a');
    EXPECT_EQ(MakeIfRow(link, {}).DescrLen, MAXLEN_IFDESCR);
}

TEST(LinkRow, CountersSpeedAndAddressCarryOver) {
    LinkMessage link = Link(ARPHRD_ETHER);
    link.stats.rxBytes = 5'000'000'000ULL;
    link.stats.txBytes = 7;
    link.stats.rxPackets = 100;
    link.stats.multicast = 30;
    link.stats.txPackets = 40;
    link.addressLength = 20;
    link.address.fill(0xAB);
    link.mtu = 9000;
    link.txQueueLength = 1000;
    LinkFacts facts;
    facts.speedMegabits = 10'000;

    const MIB_IFROW row = MakeIfRow(link, facts);
    EXPECT_EQ(row.InOctets, 5'000'000'000ULL);
    EXPECT_EQ(row.OutOctets, 7u);
    EXPECT_EQ(row.InUcastPkts, 70u);
    EXPECT_EQ(row.InNUcastPkts, 30u);
    EXPECT_EQ(row.OutUcastPkts, 40u);
    EXPECT_EQ(row.Speed, 10'000'000'000ULL);
    EXPECT_EQ(row.PhysAddrLen, 20u);
    EXPECT_EQ(row.PhysAddr[7], 0xAB);
    EXPECT_EQ(row.Mtu, 9000u);
    EXPECT_EQ(row.OutQLen, 1000u);
    EXPECT_EQ(row.LastChange, 0u);

    link.stats.multicast = 500;  // more than all packets: a counter reset, never a wrap
    EXPECT_EQ(MakeIfRow(link, facts).InUcastPkts, 0u);
}

}  // namespace
}  // namespace win::netlink
