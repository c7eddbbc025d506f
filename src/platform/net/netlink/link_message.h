#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace win::netlink {

// The counters of IFLA_STATS64 that the table uses; absent ones stay 0.
struct LinkStats {
    std::uint64_t rxPackets = 0;
    std::uint64_t txPackets = 0;
    std::uint64_t rxBytes = 0;
    std::uint64_t txBytes = 0;
    std::uint64_t rxErrors = 0;
    std::uint64_t txErrors = 0;
    std::uint64_t rxDropped = 0;
    std::uint64_t txDropped = 0;
    std::uint64_t multicast = 0;
    std::uint64_t rxNoHandler = 0;
};

// What one RTM_NEWLINK message says about one interface.
struct LinkMessage {
    std::int32_t index = 0;
    std::uint16_t deviceType = 0;  // ARPHRD_*
    std::uint32_t flags = 0;       // IFF_*
    std::string name;
    std::string alias;
    std::uint32_t addressLength = 0;  // the full length; only the first bytes are kept
    std::array<std::uint8_t, 8> address{};
    std::uint32_t mtu = 0;
    std::uint32_t txQueueLength = 0;
    std::uint8_t operState = 0;  // IF_OPER_*; 0 is unknown
    LinkStats stats;
};

}  // namespace win::netlink
