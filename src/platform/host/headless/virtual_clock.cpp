#include "platform/host/headless/virtual_clock.h"

#include <algorithm>
#include <utility>

namespace win::host::headless {

bool VirtualClock::TakeDueWakeUp() {
    if (!wakeUp_ || *wakeUp_ > now_) {
        return false;
    }
    wakeUp_.reset();
    return true;
}

void VirtualClock::Schedule(std::int64_t when, std::function<void()> action) {
    actions_.emplace(when, std::move(action));
}

void VirtualClock::RunDueActions() {
    // An action may schedule more; take them one at a time so those are seen too.
    while (!actions_.empty() && actions_.begin()->first <= now_) {
        auto action = std::move(actions_.begin()->second);
        actions_.erase(actions_.begin());
        action();
    }
}

std::optional<std::int64_t> VirtualClock::NextDue() const {
    std::optional<std::int64_t> next = wakeUp_;
    if (!actions_.empty()) {
        const std::int64_t first = actions_.begin()->first;
        next = next ? std::min(*next, first) : first;
    }
    return next;
}

void VirtualClock::MoveTo(std::int64_t when) {
    now_ = std::max(now_, when);
}

}  // namespace win::host::headless
