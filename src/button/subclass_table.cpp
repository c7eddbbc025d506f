#include "button/subclass_table.h"

#include <algorithm>

#include "platform/user/user.h"

namespace quellan {

using namespace win;

namespace {

// Adds the message to one table and gives the count the procedure now reads.
void Register(std::vector<UINT>& table, int& count, UINT message) {
    if (message == kEveryMessage) {
        count = -1;
        return;
    }
    if (std::find(table.begin(), table.end(), message) != table.end()) {
        return;
    }
    const auto emptied = std::find(table.begin(), table.end(), 0u);
    if (emptied != table.end()) {
        *emptied = message;
    } else {
        table.push_back(message);
    }
    // A table taking every message keeps doing so.
    if (count >= 0) {
        count = static_cast<int>(table.size());
    }
}

}  // namespace

SubclassTable::~SubclassTable() {
    UnsubclassAll();
}

std::optional<std::size_t> SubclassTable::EntryOf(HWND window) const {
    if (!window) {
        return std::nullopt;
    }
    for (std::size_t index = entries_.size(); index-- > 0;) {
        if (entries_[index].window == window) {
            return index;
        }
    }
    return std::nullopt;
}

std::optional<int> SubclassTable::SubclassWindow(HWND window) {
    if (!IsWindow(window)) {
        return std::nullopt;
    }
    std::size_t index = entries_.size();
    for (std::size_t candidate = entries_.size(); candidate-- > 0;) {
        if (!entries_[candidate].window) {
            index = candidate;
            break;
        }
    }
    if (index == entries_.size()) {
        entries_.emplace_back();
    }
    SubclassEntry& entry = entries_[index];
    entry.window = window;
    const WNDPROC current = WNDPROC::FromLongPtr(GetWindowLongPtr(window, GWL_WNDPROC));
    entry.thunk = std::make_unique<SubclassThunk>(owner_, current);
    entry.previous = WNDPROC::FromLongPtr(
        SetWindowLongPtr(window, GWL_WNDPROC, entry.thunk->Procedure().ToLongPtr()));
    return static_cast<int>(index);
}

bool SubclassTable::AddMessage(HWND window, UINT message, std::int32_t when) {
    const auto index = EntryOf(window);
    if (!index) {
        return false;
    }
    SubclassEntry& entry = entries_[*index];
    if ((when & WhenBefore) != 0) {
        Register(entry.beforeTable, entry.beforeCount, message);
        entry.thunk->PatchBefore(entry.beforeTable, entry.beforeCount);
    }
    if ((when & WhenAfter) != 0) {
        Register(entry.afterTable, entry.afterCount, message);
        entry.thunk->PatchAfter(entry.afterTable, entry.afterCount);
    }
    return true;
}

bool SubclassTable::UnsubclassWindow(HWND window) {
    const auto index = EntryOf(window);
    if (!index) {
        return false;
    }
    SubclassEntry& entry = entries_[*index];
    entry.thunk->PatchBefore({}, 0);
    entry.thunk->PatchAfter({}, 0);
    const bool onTop =
        GetWindowLongPtr(window, GWL_WNDPROC) == entry.thunk->Procedure().ToLongPtr();
    if (onTop || !IsWindow(window)) {
        SetWindowLongPtr(window, GWL_WNDPROC, entry.previous.ToLongPtr());
        retired_.push_back(std::move(entry.thunk));
    } else {
        // A hook set after ours forwards to us: putting the previous procedure back would cut
        // it out, so ours stays in the chain as a plain pass-through.
        SubclassThunk::KeepUntilDestroyed(std::move(entry.thunk));
    }
    entry = SubclassEntry{};
    return true;
}

void SubclassTable::UnsubclassAll() {
    for (std::size_t index = entries_.size(); index-- > 0;) {
        if (entries_[index].window) {
            UnsubclassWindow(entries_[index].window);
        }
    }
}

}  // namespace quellan
