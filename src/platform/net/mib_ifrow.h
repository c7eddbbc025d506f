#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace win {

inline constexpr std::size_t MAX_INTERFACE_NAME_LEN = 256;
inline constexpr std::size_t MAXLEN_PHYSADDR = 8;
inline constexpr std::size_t MAXLEN_IFDESCR = 256;

// Interface type codes (dwType).
inline constexpr std::uint32_t IF_TYPE_OTHER = 1;
inline constexpr std::uint32_t IF_TYPE_ETHERNET_CSMACD = 6;
inline constexpr std::uint32_t IF_TYPE_PPP = 23;
inline constexpr std::uint32_t IF_TYPE_SOFTWARE_LOOPBACK = 24;
inline constexpr std::uint32_t IF_TYPE_IEEE80211 = 71;
inline constexpr std::uint32_t IF_TYPE_TUNNEL = 131;

// Administrative status codes (dwAdminStatus).
inline constexpr std::uint32_t MIB_IF_ADMIN_STATUS_UP = 1;
inline constexpr std::uint32_t MIB_IF_ADMIN_STATUS_DOWN = 2;

// Operational status codes (dwOperStatus).
inline constexpr std::uint32_t MIB_IF_OPER_STATUS_NON_OPERATIONAL = 0;
inline constexpr std::uint32_t MIB_IF_OPER_STATUS_UNREACHABLE = 1;
inline constexpr std::uint32_t MIB_IF_OPER_STATUS_DISCONNECTED = 2;
inline constexpr std::uint32_t MIB_IF_OPER_STATUS_CONNECTING = 3;
inline constexpr std::uint32_t MIB_IF_OPER_STATUS_CONNECTED = 4;
inline constexpr std::uint32_t MIB_IF_OPER_STATUS_OPERATIONAL = 5;

// One row of the interface table. The fields are those of the classic row without their
// width prefixes: counters are 64-bit here, and the speed too, since links beyond 4 Gb/s
// do not fit 32 bits.
struct MIB_IFROW {
    std::string Name;  // UTF-8
    std::uint32_t Index = 0;
    std::uint32_t Type = IF_TYPE_OTHER;
    std::uint32_t Mtu = 0;
    std::uint64_t Speed = 0;        // bits per second, 0 when unknown
    std::uint32_t PhysAddrLen = 0;  // may exceed MAXLEN_PHYSADDR; only that many bytes are kept
    std::array<std::uint8_t, MAXLEN_PHYSADDR> PhysAddr{};
    std::uint32_t AdminStatus = MIB_IF_ADMIN_STATUS_DOWN;
    std::uint32_t OperStatus = MIB_IF_OPER_STATUS_NON_OPERATIONAL;
    std::uint32_t LastChange = 0;
    std::uint64_t InOctets = 0;
    std::uint64_t InUcastPkts = 0;
    std::uint64_t InNUcastPkts = 0;
    std::uint64_t InDiscards = 0;
    std::uint64_t InErrors = 0;
    std::uint64_t InUnknownProtos = 0;
    std::uint64_t OutOctets = 0;
    std::uint64_t OutUcastPkts = 0;
    std::uint64_t OutNUcastPkts = 0;
    std::uint64_t OutDiscards = 0;
    std::uint64_t OutErrors = 0;
    std::uint32_t OutQLen = 0;
    std::uint32_t DescrLen = 0;  // may exceed MAXLEN_IFDESCR; only that many bytes are kept
    std::array<std::uint8_t, MAXLEN_IFDESCR> Descr{};
};

// Rows in the order of the table, by interface index.
using MIB_IFTABLE = std::vector<MIB_IFROW>;

// Stores text as the row's description, cut to MAXLEN_IFDESCR bytes without splitting a
// UTF-8 sequence.
void SetIfDescription(MIB_IFROW& row, std::string_view text);

// Stores up to MAXLEN_PHYSADDR address bytes; PhysAddrLen keeps the full length.
void SetIfPhysAddr(MIB_IFROW& row, std::span<const std::uint8_t> address);

}  // namespace win
