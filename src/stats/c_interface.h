#pragma once

#include <cstdint>
#include <string>

#include "stats/date_serial.h"

namespace quellan {

// One row of the interface table at the moment of a snapshot. Octet and packet counters are
// unsigned 64-bit, so a busy interface never reads as negative.
class CInterface {
public:
    /// Contains a description of the interface.
    std::string InterfaceDescription() const;
    void InterfaceDescription(const std::string& strNewValue);

    /// Specifies the output queue length.
    std::int32_t OutputQueueLength() const;
    void OutputQueueLength(const std::int32_t& lngNewValue);

    /// Specifies the number of outgoing packets that were discarded because of errors.
    std::uint64_t OutgoingErrors() const;
    void OutgoingErrors(const std::uint64_t& lngNewValue);

    /// Specifies the number of outgoing packets that were discarded even though they did not have
    /// errors.
    std::uint64_t DiscardedOutgoingPackets() const;
    void DiscardedOutgoingPackets(const std::uint64_t& lngNewValue);

    /// Specifies the number of non-unicast packets sent through this interface. Broadcast and
    /// multicast packets are included.
    std::uint64_t NonunicastPacketsSent() const;
    void NonunicastPacketsSent(const std::uint64_t& lngNewValue);

    /// Specifies the number of unicast packets sent through this interface.
    std::uint64_t UnicastPacketsSent() const;
    void UnicastPacketsSent(const std::uint64_t& lngNewValue);

    /// Specifies the number of octets of data sent through this interface.
    std::uint64_t OctetsSent() const;
    void OctetsSent(const std::uint64_t& lngNewValue);

    /// Specifies the number of incoming packets that were discarded because the protocol was
    /// unknown.
    std::uint64_t UnknownProtocolPackets() const;
    void UnknownProtocolPackets(const std::uint64_t& lngNewValue);

    /// Specifies the number of incoming packets that were discarded because of errors.
    std::uint64_t IncomingErrors() const;
    void IncomingErrors(const std::uint64_t& lngNewValue);

    /// Specifies the number of incoming packets that were discarded even though they did not have
    /// errors.
    std::uint64_t DiscardedIncomingPackets() const;
    void DiscardedIncomingPackets(const std::uint64_t& lngNewValue);

    /// Specifies the number of non-unicast packets received through this interface. Broadcast and
    /// multicast packets are included.
    std::uint64_t NonunicastPacketsReceived() const;
    void NonunicastPacketsReceived(const std::uint64_t& lngNewValue);

    /// Specifies the Maximum Transmission Unit (MTU).
    std::int32_t MaximumTransmissionUnit() const;
    void MaximumTransmissionUnit(const std::int32_t& lngNewValue);

    /// Specifies the number of unicast packets received through this interface.
    std::uint64_t UnicastPacketsReceived() const;
    void UnicastPacketsReceived(const std::uint64_t& lngNewValue);

    /// Specifies the number of octets of data received through this interface.
    std::uint64_t OctetsReceived() const;
    void OctetsReceived(const std::uint64_t& lngNewValue);

    /// Specifies the last time the operational status changed.
    DateSerial LastChange() const;
    void LastChange(const DateSerial& datNewValue);

    /// Specifies the operational status of the interface.
    std::int32_t OperationalStatus() const;
    void OperationalStatus(const std::int32_t& NewValue);

    /// Specifies the interface is administratively enabled or disabled.
    std::int32_t AdminStatus() const;
    void AdminStatus(const std::int32_t& NewValue);

    /// Specifies the physical address of the adapter for this interface.
    std::string AdapterAddress() const;
    void AdapterAddress(const std::string& strNewValue);

    /// Specifies the speed of the interface in bits per second.
    std::int32_t Speed() const;
    void Speed(const std::int32_t& lngNewValue);

    /// Specifies the type of interface.
    std::int32_t InterfaceType() const;
    void InterfaceType(const std::int32_t& NewValue);

    /// Specifies the index that identifies the interface.
    std::int32_t InterfaceIndex() const;
    void InterfaceIndex(const std::int32_t& lngNewValue);

    /// String that contains the name of the interface.
    std::string InterfaceName() const;
    void InterfaceName(const std::string& strNewValue);

private:
    std::string interfaceName_;
    std::int32_t interfaceIndex_ = 0;
    std::int32_t interfaceType_ = 0;
    std::int32_t speed_ = 0;
    std::string adapterAddress_;
    std::int32_t adminStatus_ = 0;
    std::int32_t operationalStatus_ = 0;
    DateSerial lastChange_;
    std::uint64_t octetsReceived_ = 0;
    std::uint64_t unicastPacketsReceived_ = 0;
    std::int32_t maximumTransmissionUnit_ = 0;
    std::uint64_t nonunicastPacketsReceived_ = 0;
    std::uint64_t discardedIncomingPackets_ = 0;
    std::uint64_t incomingErrors_ = 0;
    std::uint64_t unknownProtocolPackets_ = 0;
    std::uint64_t octetsSent_ = 0;
    std::uint64_t unicastPacketsSent_ = 0;
    std::uint64_t nonunicastPacketsSent_ = 0;
    std::uint64_t discardedOutgoingPackets_ = 0;
    std::uint64_t outgoingErrors_ = 0;
    std::int32_t outputQueueLength_ = 0;
    std::string interfaceDescription_;
};

}  // namespace quellan
