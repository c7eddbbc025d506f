#include <gtest/gtest.h>
#include <linux/if.h>
#include <linux/if_arp.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "netlink_message_builder.h"
#include "platform/net/netlink_interface_table.h"

namespace win {
namespace {

using netlink::testing::NetlinkMessageBuilder;
using Datagram = std::vector<std::uint8_t>;

// The kernel's side of every channel the table opens: each request is answered with the
// datagrams that answer builds for its number (1, 2, ...) and sequence.
struct KernelScript {
    std::function<std::vector<Datagram>(int request, std::uint32_t sequence)> answer;
    bool refuseOpen = false;
    int opened = 0;
    int requests = 0;
};

class ScriptedChannel : public netlink::LinkChannel {
public:
    explicit ScriptedChannel(KernelScript& script) : script_(script) {}

    bool SendLinkDumpRequest(std::uint32_t sequence) override {
        const auto answer = script_.answer(++script_.requests, sequence);
        pending_.insert(pending_.end(), answer.begin(), answer.end());
        return true;
    }

    std::optional<std::size_t> Receive(std::span<std::uint8_t> buffer) override {
        if (pending_.empty() || pending_.front().size() > buffer.size()) {
            return std::nullopt;  // as a timeout would
        }
        const Datagram datagram = std::move(pending_.front());
        pending_.pop_front();
        std::copy(datagram.begin(), datagram.end(), buffer.begin());
        return datagram.size();
    }

private:
    KernelScript& script_;
    std::deque<Datagram> pending_;
};

NetlinkInterfaceTable TableFor(KernelScript& script, std::filesystem::path sysfs = "/nonexistent") {
    return NetlinkInterfaceTable(std::move(sysfs),
                                 [&script]() -> std::unique_ptr<netlink::LinkChannel> {
                                     ++script.opened;
                                     if (script.refuseOpen) {
                                         return nullptr;
                                     }
                                     return std::make_unique<ScriptedChannel>(script);
                                 });
}

Datagram Links(std::uint32_t sequence, std::initializer_list<std::pair<int, const char*>> links,
               bool done = true, std::uint16_t doneFlags = NLM_F_MULTI) {
    NetlinkMessageBuilder builder;
    for (const auto& [index, name] : links) {
        builder.Begin(RTM_NEWLINK, sequence)
            .Link(index, ARPHRD_ETHER, IFF_UP | IFF_RUNNING)
            .Text(IFLA_IFNAME, name)
            .End();
    }
    if (done) {
        builder.Done(sequence, doneFlags);
    }
    return builder.Bytes();
}

std::vector<std::string> Names(const MIB_IFTABLE& rows) {
    std::vector<std::string> names;
    for (const auto& row : rows) {
        names.push_back(row.Name);
    }
    return names;
}

TEST(NetlinkInterfaceTableScript, RowsComeSortedByIndexFromADumpOverSeveralDatagrams) {
    KernelScript script;
    script.answer = [](int, std::uint32_t sequence) {
        return std::vector<Datagram>{Links(sequence, {{3, "wlan0"}, {1, "lo"}}, false),
                                     Links(sequence, {{2, "eth0"}})};
    };
    auto table = TableFor(script);
    const auto rows = table.GetIfTable();
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(Names(*rows), (std::vector<std::string>{"lo", "eth0", "wlan0"}));
}

TEST(NetlinkInterfaceTableScript, AnInterruptedDumpIsRepeatedOnce) {
    KernelScript script;
    script.answer = [](int request, std::uint32_t sequence) {
        if (request == 1) {
            return std::vector<Datagram>{
                Links(sequence, {{1, "lo"}}, true, NLM_F_MULTI | NLM_F_DUMP_INTR)};
        }
        return std::vector<Datagram>{Links(sequence, {{1, "lo"}, {2, "eth0"}})};
    };
    auto table = TableFor(script);
    const auto rows = table.GetIfTable();
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(Names(*rows), (std::vector<std::string>{"lo", "eth0"}));
    EXPECT_EQ(script.requests, 2);
}

TEST(NetlinkInterfaceTableScript, TwoInterruptedDumpsGiveNoSnapshot) {
    KernelScript script;
    script.answer = [](int, std::uint32_t sequence) {
        return std::vector<Datagram>{
            Links(sequence, {{1, "lo"}}, true, NLM_F_MULTI | NLM_F_DUMP_INTR)};
    };
    auto table = TableFor(script);
    EXPECT_FALSE(table.GetIfTable().has_value());
    EXPECT_EQ(script.requests, 2);
}

TEST(NetlinkInterfaceTableScript, AnAnswerCutShortGivesNoSnapshotAndANewChannelNextTime) {
    KernelScript script;
    script.answer = [](int request, std::uint32_t sequence) {
        return std::vector<Datagram>{Links(sequence, {{1, "lo"}}, request != 1)};
    };
    auto table = TableFor(script);
    EXPECT_FALSE(table.GetIfTable().has_value());
    const auto rows = table.GetIfTable();
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(rows->size(), 1u);
    EXPECT_EQ(script.opened, 2);
}

TEST(NetlinkInterfaceTableScript, LeftoversOfAnEarlierAnswerAreIgnored) {
    KernelScript script;
    script.answer = [](int, std::uint32_t sequence) {
        return std::vector<Datagram>{Links(sequence - 1, {{9, "stale"}}),
                                     Links(sequence, {{1, "lo"}})};
    };
    auto table = TableFor(script);
    const auto rows = table.GetIfTable();
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(Names(*rows), (std::vector<std::string>{"lo"}));
}

TEST(NetlinkInterfaceTableScript, KernelErrorsAndMissingNetlinkGiveNoSnapshot) {
    KernelScript failing;
    failing.answer = [](int, std::uint32_t sequence) {
        const std::int32_t error = -95;
        return std::vector<Datagram>{
            NetlinkMessageBuilder().Begin(NLMSG_ERROR, sequence).Raw(&error, 4).End().Bytes()};
    };
    auto table = TableFor(failing);
    EXPECT_FALSE(table.GetIfTable().has_value());

    KernelScript sandbox;
    sandbox.refuseOpen = true;
    auto closed = TableFor(sandbox);
    EXPECT_FALSE(closed.GetIfTable().has_value());
    EXPECT_FALSE(closed.GetIfTable().has_value());
    EXPECT_EQ(sandbox.opened, 2) << "every snapshot tries again";
}

TEST(NetlinkInterfaceTableScript, DescriptionAndSpeedComeFromSysfs) {
    namespace fs = std::filesystem;
    const fs::path base =
        fs::temp_directory_path() / ("quellan_table_sysfs_" + std::to_string(::getpid()));
    fs::remove_all(base);
    fs::create_directories(base / "net" / "eth0" / "device");
    fs::create_directories(base / "drivers" / "gbe_drv");
    fs::create_symlink(base / "drivers" / "gbe_drv", base / "net" / "eth0" / "device" / "driver");
    std::ofstream(base / "net" / "eth0" / "speed") << "1000\n";

    KernelScript script;
    script.answer = [](int, std::uint32_t sequence) {
        return std::vector<Datagram>{Links(sequence, {{2, "eth0"}})};
    };
    auto table = TableFor(script, base / "net");
    const auto rows = table.GetIfTable();
    fs::remove_all(base);

    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 1u);
    const MIB_IFROW& row = rows->front();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(row.Descr.data()), row.DescrLen),
              "eth0 (gbe_drv)");
    EXPECT_EQ(row.Speed, 1'000'000'000u);
    EXPECT_EQ(row.Type, IF_TYPE_ETHERNET_CSMACD);
}

}  // namespace
}  // namespace win
