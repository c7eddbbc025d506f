#include "stats/c_interface.h"

namespace quellan {

std::string CInterface::InterfaceDescription() const {
    return interfaceDescription_;
}
void CInterface::InterfaceDescription(const std::string& strNewValue) {
    interfaceDescription_ = strNewValue;
}

std::int32_t CInterface::OutputQueueLength() const {
    return outputQueueLength_;
}
void CInterface::OutputQueueLength(const std::int32_t& lngNewValue) {
    outputQueueLength_ = lngNewValue;
}

std::uint64_t CInterface::OutgoingErrors() const {
    return outgoingErrors_;
}
void CInterface::OutgoingErrors(const std::uint64_t& lngNewValue) {
    outgoingErrors_ = lngNewValue;
}

std::uint64_t CInterface::DiscardedOutgoingPackets() const {
    return discardedOutgoingPackets_;
}
void CInterface::DiscardedOutgoingPackets(const std::uint64_t& lngNewValue) {
    discardedOutgoingPackets_ = lngNewValue;
}

std::uint64_t CInterface::NonunicastPacketsSent() const {
    return nonunicastPacketsSent_;
}
void CInterface::NonunicastPacketsSent(const std::uint64_t& lngNewValue) {
    nonunicastPacketsSent_ = lngNewValue;
}

std::uint64_t CInterface::UnicastPacketsSent() const {
    return unicastPacketsSent_;
}
void CInterface::UnicastPacketsSent(const std::uint64_t& lngNewValue) {
    unicastPacketsSent_ = lngNewValue;
}

std::uint64_t CInterface::OctetsSent() const {
    return octetsSent_;
}
void CInterface::OctetsSent(const std::uint64_t& lngNewValue) {
    octetsSent_ = lngNewValue;
}

std::uint64_t CInterface::UnknownProtocolPackets() const {
    return unknownProtocolPackets_;
}
void CInterface::UnknownProtocolPackets(const std::uint64_t& lngNewValue) {
    unknownProtocolPackets_ = lngNewValue;
}

std::uint64_t CInterface::IncomingErrors() const {
    return incomingErrors_;
}
void CInterface::IncomingErrors(const std::uint64_t& lngNewValue) {
    incomingErrors_ = lngNewValue;
}

std::uint64_t CInterface::DiscardedIncomingPackets() const {
    return discardedIncomingPackets_;
}
void CInterface::DiscardedIncomingPackets(const std::uint64_t& lngNewValue) {
    discardedIncomingPackets_ = lngNewValue;
}

std::uint64_t CInterface::NonunicastPacketsReceived() const {
    return nonunicastPacketsReceived_;
}
void CInterface::NonunicastPacketsReceived(const std::uint64_t& lngNewValue) {
    nonunicastPacketsReceived_ = lngNewValue;
}

std::int32_t CInterface::MaximumTransmissionUnit() const {
    return maximumTransmissionUnit_;
}
void CInterface::MaximumTransmissionUnit(const std::int32_t& lngNewValue) {
    maximumTransmissionUnit_ = lngNewValue;
}

std::uint64_t CInterface::UnicastPacketsReceived() const {
    return unicastPacketsReceived_;
}
void CInterface::UnicastPacketsReceived(const std::uint64_t& lngNewValue) {
    unicastPacketsReceived_ = lngNewValue;
}

std::uint64_t CInterface::OctetsReceived() const {
    return octetsReceived_;
}
void CInterface::OctetsReceived(const std::uint64_t& lngNewValue) {
    octetsReceived_ = lngNewValue;
}

DateSerial CInterface::LastChange() const {
    return lastChange_;
}
void CInterface::LastChange(const DateSerial& datNewValue) {
    lastChange_ = datNewValue;
}

std::int32_t CInterface::OperationalStatus() const {
    return operationalStatus_;
}
void CInterface::OperationalStatus(const std::int32_t& NewValue) {
    operationalStatus_ = NewValue;
}

std::int32_t CInterface::AdminStatus() const {
    return adminStatus_;
}
void CInterface::AdminStatus(const std::int32_t& NewValue) {
    adminStatus_ = NewValue;
}

std::string CInterface::AdapterAddress() const {
    return adapterAddress_;
}
void CInterface::AdapterAddress(const std::string& strNewValue) {
    adapterAddress_ = strNewValue;
}

std::int32_t CInterface::Speed() const {
    return speed_;
}
void CInterface::Speed(const std::int32_t& lngNewValue) {
    speed_ = lngNewValue;
}

std::int32_t CInterface::InterfaceType() const {
    return interfaceType_;
}
void CInterface::InterfaceType(const std::int32_t& NewValue) {
    interfaceType_ = NewValue;
}

std::int32_t CInterface::InterfaceIndex() const {
    return interfaceIndex_;
}
void CInterface::InterfaceIndex(const std::int32_t& lngNewValue) {
    interfaceIndex_ = lngNewValue;
}

std::string CInterface::InterfaceName() const {
    return interfaceName_;
}
void CInterface::InterfaceName(const std::string& strNewValue) {
    interfaceName_ = strNewValue;
}

}  // namespace quellan
