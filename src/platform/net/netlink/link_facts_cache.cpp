#include "platform/net/netlink/link_facts_cache.h"

#include <linux/if.h>

#include <utility>

namespace win::netlink {
namespace {

constexpr std::uint32_t kStateFlags = IFF_UP | IFF_RUNNING | IFF_LOWER_UP;

}  // namespace

LinkFactsCache::LinkFactsCache(Reader reader) : reader_(std::move(reader)) {}

void LinkFactsCache::BeginSnapshot() {
    ++snapshot_;
}

const LinkFacts& LinkFactsCache::Lookup(const LinkMessage& link) {
    Entry& entry = entries_[link.index];
    const std::uint32_t stateFlags = link.flags & kStateFlags;
    const bool fresh = entry.lastSeen != 0 && entry.name == link.name &&
                       entry.operState == link.operState && entry.stateFlags == stateFlags;
    if (!fresh) {
        entry.name = link.name;
        entry.operState = link.operState;
        entry.stateFlags = stateFlags;
        entry.facts = reader_(link.name);
    }
    entry.lastSeen = snapshot_;
    return entry.facts;
}

void LinkFactsCache::Prune() {
    std::erase_if(entries_, [this](const auto& item) { return item.second.lastSeen != snapshot_; });
}

}  // namespace win::netlink
