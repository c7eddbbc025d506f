#include "platform/net/mib_ifrow.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/net/scripted_interface_table.h"

namespace win {
namespace {

TEST(MibIfRow, PhysicalAddressKeepsEightBytesAndTheFullLength) {
    MIB_IFROW row;
    const std::vector<std::uint8_t> address{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    SetIfPhysAddr(row, address);
    EXPECT_EQ(row.PhysAddrLen, 10u);
    EXPECT_EQ(row.PhysAddr, (std::array<std::uint8_t, 8>{1, 2, 3, 4, 5, 6, 7, 8}));

    SetIfPhysAddr(row, std::span(address).first(2));
    EXPECT_EQ(row.PhysAddrLen, 2u);
    EXPECT_EQ(row.PhysAddr[2], 0) << "bytes of an earlier, longer address are cleared";
}

TEST(MibIfRow, DescriptionReplacesAnEarlierLongerOne) {
    MIB_IFROW row;
    SetIfDescription(row, "Gigabit Ethernet Connection");
    SetIfDescription(row, "lo");
    EXPECT_EQ(row.DescrLen, 2u);
    EXPECT_EQ(row.Descr[2], 0);
}

TEST(ScriptedInterfaceTable, DeliversTheRowsLastGivenOrFails) {
    ScriptedInterfaceTable table({ScriptedRow("eth0", 2, 10, 20, "Ethernet")});
    ASSERT_TRUE(table.GetIfTable().has_value());
    EXPECT_EQ(table.GetIfTable()->at(0).InOctets, 10u);

    table.SetFailure();
    EXPECT_FALSE(table.GetIfTable().has_value());

    table.SetRows({});
    ASSERT_TRUE(table.GetIfTable().has_value());
    EXPECT_TRUE(table.GetIfTable()->empty());
    EXPECT_EQ(table.ReadCount(), 5);
}

}  // namespace
}  // namespace win
