#include "stats/c_ip_helper.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "platform/net/scripted_interface_table.h"

namespace quellan {
namespace {

using win::MIB_IFROW;
using win::ScriptedRow;

class CIpHelperTest : public ::testing::Test {
protected:
    std::shared_ptr<win::ScriptedInterfaceTable> table_ =
        std::make_shared<win::ScriptedInterfaceTable>();
    CIpHelper helper_{table_};

    std::shared_ptr<CInterface> OnlyRecord(MIB_IFROW row) {
        table_->SetRows({std::move(row)});
        const auto interfaces = helper_.Interfaces();
        EXPECT_EQ(interfaces->Count(), 1);
        return interfaces->Item(1);
    }
};

TEST_F(CIpHelperTest, LoopbackKeepsItsRecordAndCountersButStaysOutOfTheTotals) {
    MIB_IFROW loopback = ScriptedRow("lo", 1, 1000, 2000, "lo");
    loopback.Type = win::IF_TYPE_SOFTWARE_LOOPBACK;
    table_->SetRows({loopback, ScriptedRow("eth0", 2, 300, 400, "eth0")});

    const auto interfaces = helper_.Interfaces();

    ASSERT_EQ(interfaces->Count(), 2);
    EXPECT_EQ(interfaces->Item(1)->InterfaceType(), 24);
    EXPECT_EQ(interfaces->Item(1)->OctetsReceived(), 1000u);
    EXPECT_EQ(interfaces->Item(1)->OctetsSent(), 2000u);
    EXPECT_EQ(helper_.BytesReceived(), 300.0);
    EXPECT_EQ(helper_.BytesSent(), 400.0);
}

TEST_F(CIpHelperTest, TotalsAreSixtyFourBitAndNeverNegative) {
    table_->SetRows({ScriptedRow("eth0", 2, 2'000'000'000, 0, "a"),
                     ScriptedRow("eth1", 3, 2'000'000'000, 3'000'000'000, "b")});
    helper_.Interfaces();
    EXPECT_EQ(helper_.BytesReceived(), 4'000'000'000.0);
    EXPECT_EQ(helper_.BytesSent(), 3'000'000'000.0);

    const auto record = OnlyRecord(ScriptedRow("eth0", 2, 3'000'000'000, 0, "a"));
    EXPECT_EQ(record->OctetsReceived(), 3'000'000'000u);
    EXPECT_EQ(helper_.BytesReceived(), 3'000'000'000.0);
}

TEST_F(CIpHelperTest, AnAdditionThatWouldWrapIsSkippedAndLaterRowsStillCount) {
    // Powers of two, so every total that matters is exact as a double and each fault shows:
    // b wrapping would give 2^62, c left out 2^63, a total stuck at the top 2^64 - 1.
    constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
    constexpr std::uint64_t kQuarter = std::uint64_t{1} << 62;
    table_->SetRows({ScriptedRow("a", 1, kHalf, 0, ""), ScriptedRow("b", 2, kHalf, 0, ""),
                     ScriptedRow("c", 3, kQuarter, 0, "")});
    helper_.Interfaces();
    EXPECT_EQ(helper_.BytesReceived(), 13'835'058'055'282'163'712.0);  // 2^63 + 2^62
}

TEST_F(CIpHelperTest, FailedTableGivesAnEmptyCollectionAndZeroTotals) {
    EXPECT_EQ(helper_.BytesReceived(), 0.0) << "before the first snapshot";
    table_->SetRows({ScriptedRow("eth0", 2, 500, 600, "a")});
    helper_.Interfaces();
    table_->SetFailure();

    const auto interfaces = helper_.Interfaces();

    EXPECT_EQ(interfaces->Count(), 0);
    EXPECT_EQ(helper_.BytesReceived(), 0.0);
    EXPECT_EQ(helper_.BytesSent(), 0.0);
}

TEST_F(CIpHelperTest, NoTableAtAllReadsAsAFailedOne) {
    CIpHelper helper(nullptr);
    EXPECT_EQ(helper.Interfaces()->Count(), 0);
    EXPECT_EQ(helper.BytesSent(), 0.0);
}

TEST_F(CIpHelperTest, EveryReadIsAFreshIndependentCollection) {
    table_->SetRows({ScriptedRow("eth0", 2, 500, 600, "Ethernet")});
    const auto first = helper_.Interfaces();
    const auto second = helper_.Interfaces();

    EXPECT_NE(first, second);
    EXPECT_NE(first->Item(1), second->Item(1));
    first->Item(1)->InterfaceDescription("changed");
    EXPECT_EQ(second->Item(1)->InterfaceDescription(), "Ethernet");
    EXPECT_EQ(table_->ReadCount(), 2);

    // A collection kept by a caller survives later snapshots unchanged.
    table_->SetRows({});
    helper_.Interfaces();
    EXPECT_EQ(first->Count(), 1);
}

TEST_F(CIpHelperTest, KeptRecordsNeverChangeAndRefilledOnesKeepNothingStale) {
    MIB_IFROW wireless = ScriptedRow("wlan0", 3, 7, 8, "Wireless");
    wireless.LastChange = 1;
    table_->SetRows({ScriptedRow("eth0", 2, 500, 600, "Ethernet"), wireless});
    const auto kept = helper_.Interfaces()->Item(1);

    MIB_IFROW tunnel = ScriptedRow("tun0", 4, 1, 2, "Tunnel");
    tunnel.LastChange = 3'000'000;  // no representable date
    table_->SetRows({tunnel, ScriptedRow("ppp0", 5, 3, 4, "")});
    const auto next = helper_.Interfaces();

    EXPECT_EQ(kept->InterfaceName(), "eth0");
    EXPECT_EQ(kept->OctetsReceived(), 500);
    EXPECT_NE(next->Item(1), kept);
    EXPECT_NE(next->Item(2), kept);
    EXPECT_EQ(next->Item(1)->InterfaceName(), "tun0");
    EXPECT_EQ(next->Item(1)->LastChange(), DateSerial());
    EXPECT_EQ(next->Item(2)->InterfaceDescription(), "");
    EXPECT_EQ(next->Item(2)->OctetsSent(), 4);
}

TEST_F(CIpHelperTest, WritingInterfacesReadsNothing) {
    auto given = std::make_shared<CInterfaces>();
    helper_.Interfaces(given);
    EXPECT_EQ(table_->ReadCount(), 0);
}

TEST_F(CIpHelperTest, RowsBecomeRecordsInTableOrder) {
    table_->SetRows({ScriptedRow("lo", 1, 0, 0, "lo"), ScriptedRow("eth0", 2, 0, 0, "eth0"),
                     ScriptedRow("wlan0", 3, 0, 0, "wlan0")});
    const auto interfaces = helper_.Interfaces();
    ASSERT_EQ(interfaces->Count(), 3);
    EXPECT_EQ(interfaces->Item(1)->InterfaceName(), "lo");
    EXPECT_EQ(interfaces->Item(3)->InterfaceIndex(), 3);
}

TEST_F(CIpHelperTest, EveryFieldOfTheRowReachesTheRecord) {
    MIB_IFROW row = ScriptedRow("eth0", 7, 11, 12, "PCIe Gigabit Ethernet");
    row.Mtu = 1500;
    row.Speed = 1'000'000'000;
    row.OperStatus = win::MIB_IF_OPER_STATUS_DISCONNECTED;
    row.InUcastPkts = 21;
    row.InNUcastPkts = 22;
    row.InDiscards = 23;
    row.InErrors = 24;
    row.InUnknownProtos = 25;
    row.OutUcastPkts = 31;
    row.OutNUcastPkts = 32;
    row.OutDiscards = 33;
    row.OutErrors = 34;
    row.OutQLen = 1000;
    const std::array<std::uint8_t, 6> address{0x00, 0x1A, 0x2B, 0x03, 0x0C, 0xFF};
    win::SetIfPhysAddr(row, address);

    const auto record = OnlyRecord(row);
    EXPECT_EQ(record->InterfaceName(), "eth0");
    EXPECT_EQ(record->InterfaceIndex(), 7);
    EXPECT_EQ(record->InterfaceType(), 6);
    EXPECT_EQ(record->MaximumTransmissionUnit(), 1500);
    EXPECT_EQ(record->Speed(), 1'000'000'000);
    EXPECT_EQ(record->AdapterAddress(), "00-1A-2B-3-C-FF");
    EXPECT_EQ(record->AdminStatus(), 1);
    EXPECT_EQ(record->OperationalStatus(), 2);
    EXPECT_EQ(record->OctetsReceived(), 11u);
    EXPECT_EQ(record->UnicastPacketsReceived(), 21u);
    EXPECT_EQ(record->NonunicastPacketsReceived(), 22u);
    EXPECT_EQ(record->DiscardedIncomingPackets(), 23u);
    EXPECT_EQ(record->IncomingErrors(), 24u);
    EXPECT_EQ(record->UnknownProtocolPackets(), 25u);
    EXPECT_EQ(record->OctetsSent(), 12u);
    EXPECT_EQ(record->UnicastPacketsSent(), 31u);
    EXPECT_EQ(record->NonunicastPacketsSent(), 32u);
    EXPECT_EQ(record->DiscardedOutgoingPackets(), 33u);
    EXPECT_EQ(record->OutgoingErrors(), 34u);
    EXPECT_EQ(record->OutputQueueLength(), 1000);
    EXPECT_EQ(record->InterfaceDescription(), "PCIe Gigabit Ethernet");
}

TEST_F(CIpHelperTest, AddressTextUsesAtMostEightBytes) {
    MIB_IFROW row = ScriptedRow("ib0", 1, 0, 0, "");
    const std::array<std::uint8_t, 2> shortAddress{0x0A, 0x0B};
    win::SetIfPhysAddr(row, shortAddress);
    EXPECT_EQ(OnlyRecord(row)->AdapterAddress(), "A-B");

    row.PhysAddr.fill(0);
    row.PhysAddrLen = 6;
    EXPECT_EQ(OnlyRecord(row)->AdapterAddress(), "00-00-00-00-00-00");

    row.PhysAddr.fill(0xFF);
    row.PhysAddrLen = 20;
    EXPECT_EQ(OnlyRecord(row)->AdapterAddress(), "FF-FF-FF-FF-FF-FF-FF-FF");

    row.PhysAddrLen = 0;
    EXPECT_EQ(OnlyRecord(row)->AdapterAddress(), "");
}

TEST_F(CIpHelperTest, DescriptionEndsAtNulWithinItsLengthAndNeverPastTheField) {
    MIB_IFROW row = ScriptedRow("eth0", 1, 0, 0, "");
    const std::string text = "abc";
    std::copy(text.begin(), text.end(), row.Descr.begin());
    row.Descr[3] = 0;
    row.Descr[4] = 'x';
    row.DescrLen = 5;
    EXPECT_EQ(OnlyRecord(row)->InterfaceDescription(), "abc");

    row.Descr.fill('d');
    row.DescrLen = 2;
    EXPECT_EQ(OnlyRecord(row)->InterfaceDescription(), "dd");

    row.DescrLen = 100'000;  // longer than the field
    EXPECT_EQ(OnlyRecord(row)->InterfaceDescription(), std::string(256, 'd'));

    row.Descr.fill(0xFF);
    row.DescrLen = 1;
    EXPECT_EQ(OnlyRecord(row)->InterfaceDescription(), "\uFFFD");
}

TEST_F(CIpHelperTest, LastChangeIsADateSerialWithinTheRepresentableRange) {
    MIB_IFROW row = ScriptedRow("eth0", 1, 0, 0, "");
    row.LastChange = 1;
    EXPECT_EQ(OnlyRecord(row)->LastChange().Date(), (CalendarDate{1899, 12, 31}));

    row.LastChange = 3'000'000;
    EXPECT_EQ(OnlyRecord(row)->LastChange(), DateSerial()) << "beyond 31 December 9999";

    row.LastChange = 0xFFFFFFFF;  // read as -1
    EXPECT_EQ(OnlyRecord(row)->LastChange().Date(), (CalendarDate{1899, 12, 29}));
}

TEST_F(CIpHelperTest, SpeedBeyondTheFieldSaturatesInsteadOfWrapping) {
    MIB_IFROW row = ScriptedRow("eth0", 1, 0, 0, "");
    row.Speed = 10'000'000'000ULL;
    EXPECT_EQ(OnlyRecord(row)->Speed(), std::numeric_limits<std::int32_t>::max());
}

TEST_F(CIpHelperTest, ThirtyTwoBitFieldsReadAsSigned) {
    MIB_IFROW row = ScriptedRow("eth0", 1, 0, 0, "");
    row.Mtu = 0xFFFFFFFF;
    row.OutQLen = 0x80000000;
    const auto record = OnlyRecord(row);
    EXPECT_EQ(record->MaximumTransmissionUnit(), -1);
    EXPECT_EQ(record->OutputQueueLength(), std::numeric_limits<std::int32_t>::min());
}

}  // namespace
}  // namespace quellan
