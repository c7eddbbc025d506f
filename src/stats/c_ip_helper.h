#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/net/interface_table.h"
#include "stats/c_interfaces.h"

namespace quellan {

// Turns the interface table into records and sums the octet counters of every row but the
// loopback's, which is local traffic, not network traffic. Every read of Interfaces takes a
// fresh snapshot; the totals belong to the latest one.
class CIpHelper {
public:
    // Reads the machine's own interface table.
    CIpHelper();
    explicit CIpHelper(std::shared_ptr<win::InterfaceTable> table);

    // Replaces the held collection; reads nothing.
    void Interfaces(const std::shared_ptr<CInterfaces>& vData);

    // A new, independent collection with one record per row of a snapshot taken now. A table
    // that cannot be read gives an empty collection and totals of 0.
    std::shared_ptr<CInterfaces> Interfaces();

    // The sum of the received-octet counters of the latest snapshot, loopback left out; 0 before
    // the first.
    // Exact up to 2^53 bytes.
    double BytesReceived() const;

    // The sum of the sent-octet counters of the latest snapshot, loopback left out; 0 before the
    // first.
    double BytesSent() const;

private:
    bool ReadInterfaceTable();
    // The previous snapshot's records that nobody else holds any more, to be filled again.
    void RecycleSnapshot();
    std::shared_ptr<CInterface> NextRecord();

    std::shared_ptr<win::InterfaceTable> table_;
    std::shared_ptr<CInterfaces> interfaces_;
    std::vector<std::shared_ptr<CInterface>> spareRecords_;
    std::uint64_t bytesReceived_ = 0;
    std::uint64_t bytesSent_ = 0;
};

}  // namespace quellan
