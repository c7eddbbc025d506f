#include "platform/net/netlink/link_dump_parser.h"

#include <gtest/gtest.h>
#include <linux/if.h>
#include <linux/if_arp.h>

#include <array>
#include <random>
#include <string>

#include "netlink_message_builder.h"

namespace win::netlink {
namespace {

using testing::NetlinkMessageBuilder;

constexpr std::uint32_t kSequence = 7;

rtnl_link_stats64 SampleStats() {
    rtnl_link_stats64 stats{};
    stats.rx_bytes = 5'000'000'000ULL;
    stats.tx_bytes = 2000;
    stats.rx_packets = 100;
    stats.tx_packets = 50;
    stats.multicast = 30;
    stats.rx_errors = 1;
    stats.tx_errors = 2;
    stats.rx_dropped = 3;
    stats.tx_dropped = 4;
    stats.rx_nohandler = 5;
    return stats;
}

NetlinkMessageBuilder& AddEthernetLink(NetlinkMessageBuilder& builder, std::int32_t index,
                                       const std::string& name) {
    const std::array<std::uint8_t, 6> address{0x00, 0x1A, 0x2B, 0x03, 0x0C, 0xFF};
    return builder.Begin(RTM_NEWLINK, kSequence)
        .Link(index, ARPHRD_ETHER, IFF_UP | IFF_RUNNING)
        .Text(IFLA_IFNAME, name)
        .Value(IFLA_MTU, std::uint32_t{1500})
        .Value(IFLA_TXQLEN, std::uint32_t{1000})
        .Value(IFLA_OPERSTATE, std::uint8_t{IF_OPER_UP})
        .Attribute(IFLA_ADDRESS, address.data(), address.size())
        .Value(IFLA_STATS64, SampleStats())
        .End();
}

ChunkOutcome Parse(const std::vector<std::uint8_t>& bytes, LinkDump& dump) {
    return ParseDumpChunk(bytes, kSequence, dump);
}

TEST(LinkDumpParser, ReadsEveryFieldOfAWellFormedDump) {
    NetlinkMessageBuilder builder;
    AddEthernetLink(builder, 2, "eth0");
    AddEthernetLink(builder, 3, "eth1").Done(kSequence);
    LinkDump dump;

    ASSERT_EQ(Parse(builder.Bytes(), dump), ChunkOutcome::Done);

    ASSERT_EQ(dump.links.size(), 2u);
    const LinkMessage& link = dump.links[0];
    EXPECT_EQ(link.index, 2);
    EXPECT_EQ(link.name, "eth0");
    EXPECT_EQ(dump.links[1].name, "eth1");
    EXPECT_EQ(link.deviceType, ARPHRD_ETHER);
    EXPECT_EQ(link.flags, unsigned{IFF_UP | IFF_RUNNING});
    EXPECT_EQ(link.mtu, 1500u);
    EXPECT_EQ(link.txQueueLength, 1000u);
    EXPECT_EQ(link.operState, IF_OPER_UP);
    EXPECT_EQ(link.addressLength, 6u);
    EXPECT_EQ(link.address[1], 0x1A);
    EXPECT_EQ(link.address[5], 0xFF);
    EXPECT_EQ(link.stats.rxBytes, 5'000'000'000ULL);
    EXPECT_EQ(link.stats.txBytes, 2000u);
    EXPECT_EQ(link.stats.multicast, 30u);
    EXPECT_EQ(link.stats.rxNoHandler, 5u);
    EXPECT_EQ(link.stats.txDropped, 4u);
    EXPECT_FALSE(dump.interrupted);
}

TEST(LinkDumpParser, AnswerSpreadOverDatagramsNeedsMoreUntilDone) {
    NetlinkMessageBuilder first;
    AddEthernetLink(first, 1, "a");
    NetlinkMessageBuilder second;
    AddEthernetLink(second, 2, "b").Done(kSequence);
    LinkDump dump;

    EXPECT_EQ(Parse(first.Bytes(), dump), ChunkOutcome::NeedMore);
    EXPECT_EQ(Parse(second.Bytes(), dump), ChunkOutcome::Done);
    EXPECT_EQ(dump.links.size(), 2u);
}

TEST(LinkDumpParser, KernelErrorsFailTheDump) {
    const std::int32_t error = -1;
    LinkDump dump;
    EXPECT_EQ(Parse(NetlinkMessageBuilder()
                        .Begin(NLMSG_ERROR, kSequence)
                        .Raw(&error, sizeof(error))
                        .End()
                        .Bytes(),
                    dump),
              ChunkOutcome::Failed);
    EXPECT_EQ(Parse(NetlinkMessageBuilder()
                        .Begin(NLMSG_DONE, kSequence)
                        .Raw(&error, sizeof(error))
                        .End()
                        .Bytes(),
                    dump),
              ChunkOutcome::Failed);
    EXPECT_EQ(Parse(NetlinkMessageBuilder().Begin(NLMSG_ERROR, kSequence).End().Bytes(), dump),
              ChunkOutcome::Failed);
}

TEST(LinkDumpParser, InterruptedFlagOnAnyMessageMarksTheDump) {
    NetlinkMessageBuilder builder;
    AddEthernetLink(builder, 1, "a").Done(kSequence, NLM_F_MULTI | NLM_F_DUMP_INTR);
    LinkDump dump;

    EXPECT_EQ(Parse(builder.Bytes(), dump), ChunkOutcome::Done);
    EXPECT_TRUE(dump.interrupted);
}

TEST(LinkDumpParser, SkipsStaleSequencesAndUnknownMessagesAndAttributes) {
    NetlinkMessageBuilder builder;
    builder.Begin(RTM_NEWLINK, kSequence - 1)
        .Link(9, ARPHRD_ETHER, 0)
        .Text(IFLA_IFNAME, "old")
        .End();
    builder.Begin(NLMSG_NOOP, kSequence).End();
    builder.Begin(RTM_NEWLINK, kSequence)
        .Link(4, ARPHRD_LOOPBACK, IFF_UP)
        .Value(std::uint16_t{0x3FF}, std::uint64_t{42})
        .Text(IFLA_IFNAME, "lo")
        .Attribute(IFLA_AF_SPEC | NLA_F_NESTED, "nested!", 7)
        .End()
        .Done(kSequence);
    LinkDump dump;

    ASSERT_EQ(Parse(builder.Bytes(), dump), ChunkOutcome::Done);
    ASSERT_EQ(dump.links.size(), 1u);
    EXPECT_EQ(dump.links[0].name, "lo");
    EXPECT_EQ(dump.links[0].index, 4);
}

TEST(LinkDumpParser, ShortAttributesLeaveTheirFieldsZero) {
    const std::array<std::uint8_t, 2> twoBytes{0xFF, 0xFF};
    const std::array<std::uint8_t, 20> partialStats{1, 0, 0, 0, 0, 0, 0, 0, 2};
    LinkDump dump;
    ASSERT_EQ(Parse(NetlinkMessageBuilder()
                        .Begin(RTM_NEWLINK, kSequence)
                        .Link(1, ARPHRD_ETHER, 0)
                        .Attribute(IFLA_MTU, twoBytes.data(), twoBytes.size())
                        .Attribute(IFLA_OPERSTATE, nullptr, 0)
                        .Attribute(IFLA_STATS64, partialStats.data(), partialStats.size())
                        .End()
                        .Bytes(),
                    dump),
              ChunkOutcome::NeedMore);
    ASSERT_EQ(dump.links.size(), 1u);
    EXPECT_EQ(dump.links[0].mtu, 0u);
    EXPECT_EQ(dump.links[0].operState, 0);
    EXPECT_EQ(dump.links[0].stats.rxPackets, 1u);
    EXPECT_EQ(dump.links[0].stats.txPackets, 2u);
    EXPECT_EQ(dump.links[0].stats.rxBytes, 0u);
}

TEST(LinkDumpParser, FallsBackToThirtyTwoBitStatsOnlyWithoutTheSixtyFourBitBlock) {
    rtnl_link_stats narrow{};
    narrow.rx_bytes = 111;
    rtnl_link_stats64 wide{};
    wide.rx_bytes = 222;
    LinkDump dump;
    Parse(NetlinkMessageBuilder()
              .Begin(RTM_NEWLINK, kSequence)
              .Link(1, ARPHRD_ETHER, 0)
              .Value(IFLA_STATS, narrow)
              .End()
              .Begin(RTM_NEWLINK, kSequence)
              .Link(2, ARPHRD_ETHER, 0)
              .Value(IFLA_STATS64, wide)
              .Value(IFLA_STATS, narrow)
              .End()
              .Bytes(),
          dump);
    ASSERT_EQ(dump.links.size(), 2u);
    EXPECT_EQ(dump.links[0].stats.rxBytes, 111u);
    EXPECT_EQ(dump.links[1].stats.rxBytes, 222u);
}

TEST(LinkDumpParser, OversizedTextsAndAddressesAreCapped) {
    const std::string longAlias(1000, 'x');
    const std::vector<std::uint8_t> longAddress(20, 0xAB);
    LinkDump dump;
    Parse(NetlinkMessageBuilder()
              .Begin(RTM_NEWLINK, kSequence)
              .Link(1, ARPHRD_INFINIBAND, 0)
              .Text(IFLA_IFALIAS, longAlias)
              .Text(IFLA_IFNAME, std::string(300, 'n'))
              .Attribute(IFLA_ADDRESS, longAddress.data(), longAddress.size())
              .End()
              .Bytes(),
          dump);
    ASSERT_EQ(dump.links.size(), 1u);
    EXPECT_LE(dump.links[0].alias.size(), 260u);
    EXPECT_GE(dump.links[0].alias.size(), 256u);
    EXPECT_EQ(dump.links[0].name.size(), 256u);
    EXPECT_EQ(dump.links[0].addressLength, 20u);
    EXPECT_EQ(dump.links[0].address[7], 0xAB);
}

TEST(LinkDumpParser, TextWithoutTerminatorEndsAtTheAttribute) {
    LinkDump dump;
    Parse(NetlinkMessageBuilder()
              .Begin(RTM_NEWLINK, kSequence)
              .Link(1, ARPHRD_ETHER, 0)
              .Attribute(IFLA_IFNAME, "eth9", 4)
              .End()
              .Bytes(),
          dump);
    ASSERT_EQ(dump.links.size(), 1u);
    EXPECT_EQ(dump.links[0].name, "eth9");
}

TEST(LinkDumpParser, MalformedLengthsFailInsteadOfReadingPastTheBuffer) {
    NetlinkMessageBuilder valid;
    AddEthernetLink(valid, 1, "eth0");
    const auto bytes = valid.Bytes();

    auto withLength = [&](std::uint32_t length) {
        auto copy = bytes;
        std::memcpy(copy.data(), &length, sizeof(length));
        return copy;
    };
    LinkDump dump;
    EXPECT_EQ(Parse(withLength(static_cast<std::uint32_t>(bytes.size() + 4)), dump),
              ChunkOutcome::Failed);
    EXPECT_EQ(Parse(withLength(8), dump), ChunkOutcome::Failed);
    EXPECT_EQ(Parse(withLength(sizeof(nlmsghdr) + 4), dump), ChunkOutcome::Failed)
        << "a link message shorter than its header";

    // An attribute claiming more bytes than its message holds.
    auto badAttribute = bytes;
    const std::size_t firstAttribute = sizeof(nlmsghdr) + sizeof(ifinfomsg);
    const std::uint16_t hugeLength = 0x7FFF;
    std::memcpy(badAttribute.data() + firstAttribute, &hugeLength, sizeof(hugeLength));
    EXPECT_EQ(Parse(badAttribute, dump), ChunkOutcome::Failed);

    // An attribute shorter than its own header.
    const std::uint16_t tinyLength = 2;
    std::memcpy(badAttribute.data() + firstAttribute, &tinyLength, sizeof(tinyLength));
    EXPECT_EQ(Parse(badAttribute, dump), ChunkOutcome::Failed);
    EXPECT_TRUE(dump.links.empty());
}

TEST(LinkDumpParser, EveryTruncationOfAnAnswerIsHandled) {
    NetlinkMessageBuilder builder;
    AddEthernetLink(builder, 1, "eth0");
    AddEthernetLink(builder, 2, "eth1").Done(kSequence);
    const auto bytes = builder.Bytes();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        // A heap copy of exactly this length, so the address sanitizer sees any overread.
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + length);
        LinkDump dump;
        const ChunkOutcome outcome = ParseDumpChunk(cut, kSequence, dump);
        EXPECT_NE(outcome, ChunkOutcome::Done) << "length " << length;
        EXPECT_LE(dump.links.size(), 2u);
    }
}

TEST(LinkDumpParser, RandomCorruptionNeverCrashes) {
    NetlinkMessageBuilder builder;
    AddEthernetLink(builder, 1, "eth0");
    AddEthernetLink(builder, 2, "wlan0").Done(kSequence);
    const auto original = builder.Bytes();
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::size_t> position(0, original.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 5000; ++round) {
        auto bytes = original;
        for (int flips = 0; flips < 4; ++flips) {
            bytes[position(random)] = static_cast<std::uint8_t>(byte(random));
        }
        LinkDump dump;
        ParseDumpChunk(bytes, kSequence, dump);
        for (const auto& link : dump.links) {
            EXPECT_LE(link.name.size(), 256u);
        }
    }
}

TEST(LinkDumpParser, ThousandsOfLinksInOneAnswer) {
    NetlinkMessageBuilder builder;
    for (int index = 1; index <= 5000; ++index) {
        AddEthernetLink(builder, index, "veth" + std::to_string(index));
    }
    builder.Done(kSequence);
    LinkDump dump;

    ASSERT_EQ(Parse(builder.Bytes(), dump), ChunkOutcome::Done);
    ASSERT_EQ(dump.links.size(), 5000u);
    EXPECT_EQ(dump.links.back().name, "veth5000");
}

}  // namespace
}  // namespace win::netlink
