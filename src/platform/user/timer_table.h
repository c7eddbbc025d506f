#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/user/timers.h"

namespace win::user {

struct Timer {
    HWND window;
    UINT_PTR id = 0;
    UINT elapse = 0;
    std::int64_t due = 0;
    TIMERPROC callback = nullptr;
};

class TimerTable {
public:
    // Replaces a timer of the same window and identifier.
    void Set(const Timer& timer);
    bool Kill(HWND window, UINT_PTR id);
    void KillAllOf(HWND window);
    const Timer* Find(HWND window, UINT_PTR id) const;

    // The earliest due timer at `now` that passes the filter (null window: any window).
    const Timer* FirstDue(std::int64_t now, HWND filter) const;
    // Fired: the next one is one interval from now, however late this one was.
    void Rearm(HWND window, UINT_PTR id, std::int64_t now);
    std::optional<std::int64_t> NextDue() const;
    // When to wake for the next timer: timers due within `tolerance` of the first one are let
    // wait for the last of them, so they all fire in one wake-up.
    std::optional<std::int64_t> NextWakeUp(std::int64_t tolerance) const;
    UINT_PTR NewThreadTimerId() { return nextThreadTimer_++; }
    std::size_t Count() const { return timers_.size(); }

private:
    std::vector<Timer> timers_;
    UINT_PTR nextThreadTimer_ = 0x7F01;
};

}  // namespace win::user
