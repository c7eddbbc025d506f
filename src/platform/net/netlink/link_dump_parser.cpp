#include "platform/net/netlink/link_dump_parser.h"

#include <linux/if_link.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <type_traits>

#include "platform/net/mib_ifrow.h"

namespace win::netlink {
namespace {

// Bytes may sit at any alignment in a hostile buffer, so every field is copied out.
template <typename T>
std::optional<T> ReadAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    static_assert(std::is_trivially_copyable_v<T>);
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) {
        return std::nullopt;
    }
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

// Text up to the first NUL, at most limit bytes.
std::string ReadText(std::span<const std::uint8_t> data, std::size_t limit) {
    const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
    const auto length = std::min(static_cast<std::size_t>(end - data.begin()), limit);
    return std::string(reinterpret_cast<const char*>(data.data()), length);
}

constexpr std::size_t kNameLimit = MAX_INTERFACE_NAME_LEN;
// A few bytes beyond the description's size, so it can still be cut at a character boundary.
constexpr std::size_t kAliasLimit = MAXLEN_IFDESCR + 4;

template <typename Stats>
void ReadStats(std::span<const std::uint8_t> data, LinkStats& stats) {
    auto field = [&](std::size_t offset, std::uint64_t& target) {
        using Counter = decltype(Stats::rx_packets);
        if (const auto value = ReadAt<Counter>(data, offset)) {
            target = *value;
        }
    };
    field(offsetof(Stats, rx_packets), stats.rxPackets);
    field(offsetof(Stats, tx_packets), stats.txPackets);
    field(offsetof(Stats, rx_bytes), stats.rxBytes);
    field(offsetof(Stats, tx_bytes), stats.txBytes);
    field(offsetof(Stats, rx_errors), stats.rxErrors);
    field(offsetof(Stats, tx_errors), stats.txErrors);
    field(offsetof(Stats, rx_dropped), stats.rxDropped);
    field(offsetof(Stats, tx_dropped), stats.txDropped);
    field(offsetof(Stats, multicast), stats.multicast);
    field(offsetof(Stats, rx_nohandler), stats.rxNoHandler);
}

void ReadAddress(std::span<const std::uint8_t> data, LinkMessage& link) {
    link.addressLength = static_cast<std::uint32_t>(data.size());
    const std::size_t kept = std::min(data.size(), link.address.size());
    std::copy_n(data.begin(), kept, link.address.begin());
}

struct AttributeSeen {
    bool stats64 = false;
};

void ApplyAttribute(unsigned type, std::span<const std::uint8_t> data, LinkMessage& link,
                    AttributeSeen& seen) {
    switch (type) {
        case IFLA_IFNAME:
            link.name = ReadText(data, kNameLimit);
            break;
        case IFLA_IFALIAS:
            link.alias = ReadText(data, kAliasLimit);
            break;
        case IFLA_ADDRESS:
            ReadAddress(data, link);
            break;
        case IFLA_MTU:
            link.mtu = ReadAt<std::uint32_t>(data, 0).value_or(link.mtu);
            break;
        case IFLA_TXQLEN:
            link.txQueueLength = ReadAt<std::uint32_t>(data, 0).value_or(link.txQueueLength);
            break;
        case IFLA_OPERSTATE:
            link.operState = ReadAt<std::uint8_t>(data, 0).value_or(link.operState);
            break;
        case IFLA_STATS64:
            link.stats = LinkStats{};
            ReadStats<rtnl_link_stats64>(data, link.stats);
            seen.stats64 = true;
            break;
        case IFLA_STATS:
            // Only kernels without the 64-bit block are left with these.
            if (!seen.stats64) {
                ReadStats<rtnl_link_stats>(data, link.stats);
            }
            break;
        default:
            break;
    }
}

std::optional<std::int32_t> ReadErrorCode(std::span<const std::uint8_t> body) {
    return ReadAt<std::int32_t>(body, 0);
}

}  // namespace

std::optional<LinkMessage> ParseLinkMessage(std::span<const std::uint8_t> payload) {
    const auto info = ReadAt<ifinfomsg>(payload, 0);
    if (!info) {
        return std::nullopt;
    }
    LinkMessage link;
    link.index = info->ifi_index;
    link.deviceType = info->ifi_type;
    link.flags = info->ifi_flags;

    AttributeSeen seen;
    std::size_t offset = NLMSG_ALIGN(sizeof(ifinfomsg));
    while (offset < payload.size() && payload.size() - offset >= sizeof(rtattr)) {
        const auto attribute = *ReadAt<rtattr>(payload, offset);
        if (attribute.rta_len < sizeof(rtattr) || attribute.rta_len > payload.size() - offset) {
            return std::nullopt;
        }
        const auto data =
            payload.subspan(offset + sizeof(rtattr), attribute.rta_len - sizeof(rtattr));
        ApplyAttribute(attribute.rta_type & NLA_TYPE_MASK, data, link, seen);
        offset += RTA_ALIGN(attribute.rta_len);
    }
    return link;
}

ChunkOutcome ParseDumpChunk(std::span<const std::uint8_t> chunk, std::uint32_t sequence,
                            LinkDump& dump) {
    std::size_t offset = 0;
    while (offset < chunk.size()) {
        const auto header = ReadAt<nlmsghdr>(chunk, offset);
        if (!header || header->nlmsg_len < sizeof(nlmsghdr) ||
            header->nlmsg_len > chunk.size() - offset) {
            return ChunkOutcome::Failed;
        }
        const auto body =
            chunk.subspan(offset + sizeof(nlmsghdr), header->nlmsg_len - sizeof(nlmsghdr));
        offset += std::min<std::size_t>(NLMSG_ALIGN(header->nlmsg_len), chunk.size() - offset);

        if (header->nlmsg_seq != sequence) {
            continue;
        }
        if (header->nlmsg_flags & NLM_F_DUMP_INTR) {
            dump.interrupted = true;
        }
        switch (header->nlmsg_type) {
            case NLMSG_DONE: {
                const auto error = ReadErrorCode(body);
                return error && *error < 0 ? ChunkOutcome::Failed : ChunkOutcome::Done;
            }
            case NLMSG_ERROR: {
                const auto error = ReadErrorCode(body);
                if (!error || *error != 0) {
                    return ChunkOutcome::Failed;
                }
                break;
            }
            case RTM_NEWLINK: {
                auto link = ParseLinkMessage(body);
                if (!link) {
                    return ChunkOutcome::Failed;
                }
                dump.links.push_back(std::move(*link));
                break;
            }
            default:
                break;
        }
    }
    return ChunkOutcome::NeedMore;
}

}  // namespace win::netlink
