#include "platform/controls/list_entries.h"

namespace win::controls {

int ListEntries::Add(std::string_view text) {
    entries_.emplace_back(text);
    return Count() - 1;
}

void ListEntries::Clear() {
    entries_.clear();
    selection_ = kNone;
}

const std::string* ListEntries::At(int index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return &entries_[static_cast<std::size_t>(index)];
}

bool ListEntries::Select(int index) {
    const bool valid = At(index) != nullptr;
    selection_ = valid ? index : kNone;
    return valid;
}

}  // namespace win::controls
