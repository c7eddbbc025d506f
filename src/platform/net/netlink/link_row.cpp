#include "platform/net/netlink/link_row.h"

#include <linux/if.h>
#include <linux/if_arp.h>

#include <algorithm>
#include <span>
#include <string>

namespace win::netlink {
namespace {

std::uint32_t IfTypeOf(std::uint16_t deviceType, std::uint32_t flags, bool wireless) {
    if (flags & IFF_LOOPBACK) {
        return IF_TYPE_SOFTWARE_LOOPBACK;
    }
    switch (deviceType) {
        case ARPHRD_ETHER:
            return wireless ? IF_TYPE_IEEE80211 : IF_TYPE_ETHERNET_CSMACD;
        case ARPHRD_IEEE80211:
        case ARPHRD_IEEE80211_PRISM:
        case ARPHRD_IEEE80211_RADIOTAP:
            return IF_TYPE_IEEE80211;
        case ARPHRD_LOOPBACK:
            return IF_TYPE_SOFTWARE_LOOPBACK;
        case ARPHRD_PPP:
            return IF_TYPE_PPP;
        case ARPHRD_TUNNEL:
        case ARPHRD_TUNNEL6:
        case ARPHRD_SIT:
        case ARPHRD_IPGRE:
        case ARPHRD_IP6GRE:
        case ARPHRD_NONE:  // tun and other layer-3 tunnels
            return IF_TYPE_TUNNEL;
        default:
            return IF_TYPE_OTHER;
    }
}

std::uint32_t OperStatusOf(std::uint8_t operState, std::uint32_t flags) {
    switch (operState) {
        case IF_OPER_UP:
            return MIB_IF_OPER_STATUS_OPERATIONAL;
        case IF_OPER_DORMANT:
            return MIB_IF_OPER_STATUS_CONNECTING;
        case IF_OPER_DOWN:
        case IF_OPER_LOWERLAYERDOWN:
            return MIB_IF_OPER_STATUS_DISCONNECTED;
        case IF_OPER_NOTPRESENT:
        case IF_OPER_TESTING:
            return MIB_IF_OPER_STATUS_NON_OPERATIONAL;
        default:
            // Loopback and many virtual links never report a state; their flags tell.
            if (flags & IFF_RUNNING) {
                return MIB_IF_OPER_STATUS_OPERATIONAL;
            }
            return (flags & IFF_UP) ? MIB_IF_OPER_STATUS_DISCONNECTED
                                    : MIB_IF_OPER_STATUS_NON_OPERATIONAL;
    }
}

std::string DescriptionOf(const LinkMessage& link, const LinkFacts& facts) {
    if (!link.alias.empty()) {
        return link.alias;
    }
    if (facts.driver.empty()) {
        return link.name;
    }
    return link.name + " (" + facts.driver + ")";
}

std::uint64_t Saturating(std::uint64_t total, std::uint64_t part) {
    return total >= part ? total - part : 0;
}

}  // namespace

MIB_IFROW MakeIfRow(const LinkMessage& link, const LinkFacts& facts) {
    MIB_IFROW row;
    row.Name = link.name;
    row.Index = static_cast<std::uint32_t>(link.index);
    row.Type = IfTypeOf(link.deviceType, link.flags, facts.wireless);
    row.Mtu = link.mtu;
    row.Speed = facts.speedMegabits * 1'000'000;
    SetIfPhysAddr(row, std::span(link.address)
                           .first(std::min<std::size_t>(link.addressLength, link.address.size())));
    row.PhysAddrLen = link.addressLength;
    row.AdminStatus = (link.flags & IFF_UP) ? MIB_IF_ADMIN_STATUS_UP : MIB_IF_ADMIN_STATUS_DOWN;
    row.OperStatus = OperStatusOf(link.operState, link.flags);
    row.LastChange = 0;  // Linux keeps no such time
    const LinkStats& stats = link.stats;
    row.InOctets = stats.rxBytes;
    row.InUcastPkts = Saturating(stats.rxPackets, stats.multicast);
    row.InNUcastPkts = stats.multicast;
    row.InDiscards = stats.rxDropped;
    row.InErrors = stats.rxErrors;
    row.InUnknownProtos = stats.rxNoHandler;
    row.OutOctets = stats.txBytes;
    row.OutUcastPkts = stats.txPackets;  // Linux does not count sent multicast apart
    row.OutNUcastPkts = 0;
    row.OutDiscards = stats.txDropped;
    row.OutErrors = stats.txErrors;
    row.OutQLen = link.txQueueLength;
    SetIfDescription(row, DescriptionOf(link, facts));
    return row;
}

}  // namespace win::netlink
