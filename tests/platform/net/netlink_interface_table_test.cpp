#include "platform/net/netlink_interface_table.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>

namespace win {
namespace {

const MIB_IFROW* FindRow(const MIB_IFTABLE& rows, const std::string& name) {
    const auto found = std::ranges::find(rows, name, &MIB_IFROW::Name);
    return found == rows.end() ? nullptr : &*found;
}

TEST(NetlinkInterfaceTable, DeliversThisMachinesLinksSortedByIndex) {
    NetlinkInterfaceTable table;
    const auto rows = table.GetIfTable();
    ASSERT_TRUE(rows.has_value()) << "no netlink on this machine";

    const MIB_IFROW* loopback = FindRow(*rows, "lo");
    ASSERT_NE(loopback, nullptr);
    EXPECT_EQ(loopback->Type, IF_TYPE_SOFTWARE_LOOPBACK);
    EXPECT_EQ(loopback->AdminStatus, MIB_IF_ADMIN_STATUS_UP);
    EXPECT_EQ(loopback->OperStatus, MIB_IF_OPER_STATUS_OPERATIONAL);
    EXPECT_GT(loopback->Mtu, 0u);
    EXPECT_EQ(
        std::string(reinterpret_cast<const char*>(loopback->Descr.data()), loopback->DescrLen),
        "lo");
    EXPECT_TRUE(std::ranges::is_sorted(*rows, {}, &MIB_IFROW::Index));

    // The socket is kept; a second snapshot sees the same links.
    const auto again = table.GetIfTable();
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->size(), rows->size());
}

// Runs body while the process can open no new descriptor.
template <typename Body>
void WithoutFreeDescriptors(Body body) {
    rlimit original{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &original), 0);
    const int lowestFree = ::dup(0);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);
    rlimit tight = original;
    tight.rlim_cur = static_cast<rlim_t>(lowestFree);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    body();
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &original), 0);
}

TEST(NetlinkInterfaceTable, SocketThatCannotBeOpenedGivesNoSnapshotAndRecovers) {
    NetlinkInterfaceTable table;
    bool failed = false;
    WithoutFreeDescriptors([&] { failed = !table.GetIfTable().has_value(); });
    EXPECT_TRUE(failed);
    EXPECT_TRUE(table.GetIfTable().has_value()) << "the next snapshot opens the socket again";
}

}  // namespace
}  // namespace win
