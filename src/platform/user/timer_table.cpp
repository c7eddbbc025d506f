#include "platform/user/timer_table.h"

#include <algorithm>

namespace win::user {

void TimerTable::Set(const Timer& timer) {
    auto found = std::find_if(timers_.begin(), timers_.end(), [&](const Timer& existing) {
        return existing.window == timer.window && existing.id == timer.id;
    });
    if (found != timers_.end()) {
        *found = timer;
    } else {
        timers_.push_back(timer);
    }
}

bool TimerTable::Kill(HWND window, UINT_PTR id) {
    return std::erase_if(timers_, [&](const Timer& timer) {
               return timer.window == window && timer.id == id;
           }) > 0;
}

void TimerTable::KillAllOf(HWND window) {
    std::erase_if(timers_, [&](const Timer& timer) { return timer.window == window; });
}

const Timer* TimerTable::Find(HWND window, UINT_PTR id) const {
    auto found = std::find_if(timers_.begin(), timers_.end(), [&](const Timer& timer) {
        return timer.window == window && timer.id == id;
    });
    return found == timers_.end() ? nullptr : &*found;
}

const Timer* TimerTable::FirstDue(std::int64_t now, HWND filter) const {
    const Timer* first = nullptr;
    for (const Timer& timer : timers_) {
        if (timer.due > now || (filter && timer.window != filter)) {
            continue;
        }
        if (first == nullptr || timer.due < first->due) {
            first = &timer;
        }
    }
    return first;
}

void TimerTable::Rearm(HWND window, UINT_PTR id, std::int64_t now) {
    for (Timer& timer : timers_) {
        if (timer.window == window && timer.id == id) {
            timer.due = now + timer.elapse;
        }
    }
}

std::optional<std::int64_t> TimerTable::NextDue() const {
    std::optional<std::int64_t> next;
    for (const Timer& timer : timers_) {
        if (!next || timer.due < *next) {
            next = timer.due;
        }
    }
    return next;
}

std::optional<std::int64_t> TimerTable::NextWakeUp(std::int64_t tolerance) const {
    const std::optional<std::int64_t> first = NextDue();
    if (!first) {
        return first;
    }
    std::int64_t wake = *first;
    for (const Timer& timer : timers_) {
        if (timer.due <= *first + tolerance) {
            wake = std::max(wake, timer.due);
        }
    }
    return wake;
}

}  // namespace win::user
