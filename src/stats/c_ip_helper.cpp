#include "stats/c_ip_helper.h"

#include <algorithm>
#include <limits>
#include <span>
#include <utility>

#include "platform/net/system_interface_table.h"
#include "platform/numeric/checked_arithmetic.h"
#include "stats/adapter_address_text.h"
#include "stats/interface_text.h"

namespace quellan {
namespace {

// A sum that would wrap keeps its previous value; the next rows are still added.
void AddCounter(std::uint64_t& total, std::uint64_t counter) {
    if (const auto sum = numeric::CheckedAdd(total, counter)) {
        total = *sum;
    }
}

// The table's 32-bit fields are read as signed numbers.
std::int32_t AsSigned(std::uint32_t value) {
    return static_cast<std::int32_t>(value);
}

// Links beyond 2^31 bits per second read as the largest speed the field holds, not a wrapped one.
std::int32_t SpeedField(std::uint64_t bitsPerSecond) {
    constexpr auto kLargest = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(std::min(bitsPerSecond, kLargest));
}

// Loopback carries the machine's local connections, which no carrier sees or bills: it keeps its
// record with its true counters but stays out of the totals.
bool CountsAsNetworkTraffic(const win::MIB_IFROW& row) {
    return row.Type != win::IF_TYPE_SOFTWARE_LOOPBACK;
}

template <std::size_t N>
std::span<const std::uint8_t> UsedBytes(const std::array<std::uint8_t, N>& field,
                                        std::uint32_t length) {
    return std::span(field).first(std::min<std::size_t>(length, N));
}

void FillRecord(CInterface* record, const win::MIB_IFROW& row) {
    record->InterfaceDescription(DecodeInterfaceText(UsedBytes(row.Descr, row.DescrLen)));
    record->AdapterAddress(FormatAdapterAddress(UsedBytes(row.PhysAddr, row.PhysAddrLen)));
    record->InterfaceName(DecodeInterfaceText(
        std::span(reinterpret_cast<const std::uint8_t*>(row.Name.data()), row.Name.size())));
    record->InterfaceIndex(AsSigned(row.Index));
    record->InterfaceType(AsSigned(row.Type));
    record->MaximumTransmissionUnit(AsSigned(row.Mtu));
    record->Speed(SpeedField(row.Speed));
    record->AdminStatus(AsSigned(row.AdminStatus));
    record->OperationalStatus(AsSigned(row.OperStatus));
    record->LastChange(DateSerial::FromSerial(AsSigned(row.LastChange)).value_or(DateSerial{}));
    record->OctetsReceived(row.InOctets);
    record->UnicastPacketsReceived(row.InUcastPkts);
    record->NonunicastPacketsReceived(row.InNUcastPkts);
    record->DiscardedIncomingPackets(row.InDiscards);
    record->IncomingErrors(row.InErrors);
    record->UnknownProtocolPackets(row.InUnknownProtos);
    record->OctetsSent(row.OutOctets);
    record->UnicastPacketsSent(row.OutUcastPkts);
    record->NonunicastPacketsSent(row.OutNUcastPkts);
    record->DiscardedOutgoingPackets(row.OutDiscards);
    record->OutgoingErrors(row.OutErrors);
    record->OutputQueueLength(AsSigned(row.OutQLen));
}

}  // namespace

CIpHelper::CIpHelper() : CIpHelper(win::SystemInterfaceTable()) {}

CIpHelper::CIpHelper(std::shared_ptr<win::InterfaceTable> table) : table_(std::move(table)) {}

void CIpHelper::Interfaces(const std::shared_ptr<CInterfaces>& vData) {
    interfaces_ = vData;
}

std::shared_ptr<CInterfaces> CIpHelper::Interfaces() {
    RecycleSnapshot();
    if (interfaces_ && interfaces_.use_count() == 1) {
        interfaces_->Clear();
    } else {
        interfaces_ = std::make_shared<CInterfaces>();
    }
    ReadInterfaceTable();
    return interfaces_;
}

void CIpHelper::RecycleSnapshot() {
    // Only records held by our snapshot alone: one a caller kept never changes under it.
    if (!interfaces_ || interfaces_.use_count() != 1) {
        return;
    }
    for (const auto& record : *interfaces_) {
        if (record.use_count() == 1) {
            spareRecords_.push_back(record);
        }
    }
}

std::shared_ptr<CInterface> CIpHelper::NextRecord() {
    if (spareRecords_.empty()) {
        return std::make_shared<CInterface>();
    }
    std::shared_ptr<CInterface> record = std::move(spareRecords_.back());
    spareRecords_.pop_back();
    return record;
}

double CIpHelper::BytesReceived() const {
    return static_cast<double>(bytesReceived_);
}

double CIpHelper::BytesSent() const {
    return static_cast<double>(bytesSent_);
}

bool CIpHelper::ReadInterfaceTable() {
    bytesReceived_ = 0;
    bytesSent_ = 0;
    const auto rows = table_ ? table_->GetIfTable() : std::nullopt;
    if (!rows) {
        return false;
    }
    for (const auto& row : *rows) {
        auto record = NextRecord();
        FillRecord(record.get(), row);
        if (CountsAsNetworkTraffic(row)) {
            AddCounter(bytesReceived_, row.InOctets);
            AddCounter(bytesSent_, row.OutOctets);
        }
        interfaces_->Add(record);
    }
    return true;
}

}  // namespace quellan
