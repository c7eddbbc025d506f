#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace win::text {

// The few most recently used values of an expensive computation. Small by design: a linear
// search over a handful of entries beats hashing the long keys; when full, the entry unused the
// longest makes room.
template <typename Key, typename Value>
class RecentCache {
public:
    explicit RecentCache(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

    template <typename Probe>
    Value* Find(const Probe& key) {
        for (Entry& entry : entries_) {
            if (entry.key == key) {
                entry.lastUse = ++clock_;
                return &entry.value;
            }
        }
        return nullptr;
    }

    Value& Insert(Key key, Value value) {
        if (entries_.size() < capacity_) {
            entries_.push_back({std::move(key), std::move(value), ++clock_});
            return entries_.back().value;
        }
        Entry& oldest = *std::ranges::min_element(entries_, {}, &Entry::lastUse);
        oldest = {std::move(key), std::move(value), ++clock_};
        return oldest.value;
    }

    std::size_t Size() const { return entries_.size(); }

private:
    struct Entry {
        Key key;
        Value value;
        std::uint64_t lastUse = 0;
    };

    std::size_t capacity_;
    std::vector<Entry> entries_;
    std::uint64_t clock_ = 0;
};

}  // namespace win::text
