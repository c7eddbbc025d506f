#include "platform/host/headless/window_stack.h"

#include <algorithm>

namespace win::host::headless {

void WindowStack::Add(WindowId window, Band band) {
    Insert({window, band});
}

void WindowStack::Remove(WindowId window) {
    std::erase_if(entries_, [&](const Entry& entry) { return entry.window == window; });
    Rebuild();
}

void WindowStack::Raise(WindowId window) {
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [&](const Entry& entry) { return entry.window == window; });
    if (found != entries_.end()) {
        MoveToBand(window, found->band);
    }
}

void WindowStack::MoveToBand(WindowId window, Band band) {
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [&](const Entry& entry) { return entry.window == window; });
    if (found == entries_.end()) {
        return;
    }
    entries_.erase(found);
    Insert({window, band});
}

WindowId WindowStack::FindFromTop(const std::function<bool(WindowId)>& accepts) const {
    for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
        if (accepts(*it)) {
            return *it;
        }
    }
    return WindowId::None;
}

void WindowStack::Insert(Entry entry) {
    // Above every window of the same or a lower band.
    auto above = std::find_if(entries_.begin(), entries_.end(),
                              [&](const Entry& other) { return other.band > entry.band; });
    entries_.insert(above, entry);
    Rebuild();
}

void WindowStack::Rebuild() {
    order_.clear();
    for (const Entry& entry : entries_) {
        order_.push_back(entry.window);
    }
}

}  // namespace win::host::headless
