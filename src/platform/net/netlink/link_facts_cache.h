#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/net/netlink/link_facts.h"
#include "platform/net/netlink/link_message.h"

namespace win::netlink {

// Keeps the sysfs facts of each link between snapshots, so a snapshot costs no file reads
// unless a link is new, renamed or changed state (a speed is renegotiated with the carrier).
class LinkFactsCache {
public:
    using Reader = std::function<LinkFacts(std::string_view name)>;

    explicit LinkFactsCache(Reader reader);

    // Starts a snapshot; links not looked up before the next call to Prune are forgotten.
    void BeginSnapshot();
    const LinkFacts& Lookup(const LinkMessage& link);
    void Prune();

private:
    struct Entry {
        std::string name;
        std::uint8_t operState = 0;
        std::uint32_t stateFlags = 0;
        LinkFacts facts;
        std::uint64_t lastSeen = 0;
    };

    Reader reader_;
    std::unordered_map<std::int32_t, Entry> entries_;
    std::uint64_t snapshot_ = 1;
};

}  // namespace win::netlink
