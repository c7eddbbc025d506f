#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace win::controls {

// The entries of a list and its one selection (-1: none).
class ListEntries {
public:
    static constexpr int kNone = -1;

    // Returns the new entry's index.
    int Add(std::string_view text);
    void Clear();
    int Count() const { return static_cast<int>(entries_.size()); }
    // Null for an index that names no entry.
    const std::string* At(int index) const;

    int Selection() const { return selection_; }
    // An index that names no entry selects nothing; returns whether it named one.
    bool Select(int index);

private:
    std::vector<std::string> entries_;
    int selection_ = kNone;
};

}  // namespace win::controls
