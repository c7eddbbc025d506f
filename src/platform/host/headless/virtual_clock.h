#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

namespace win::host::headless {

// Time that moves only when a test says so, with the host's one wake-up and any number of
// actions scheduled at given instants (scripted input for nested loops).
class VirtualClock {
public:
    std::int64_t Now() const { return now_; }

    void SetWakeUp(std::optional<std::int64_t> due) { wakeUp_ = due; }
    std::optional<std::int64_t> WakeUp() const { return wakeUp_; }
    // True once when the wake-up time has been reached; the wake-up is then consumed.
    bool TakeDueWakeUp();

    void Schedule(std::int64_t when, std::function<void()> action);
    // Runs, in time order, every scheduled action whose time has come.
    void RunDueActions();

    // The earliest instant at which something is due, if anything is.
    std::optional<std::int64_t> NextDue() const;
    // Never goes back.
    void MoveTo(std::int64_t when);

private:
    std::int64_t now_ = 0;
    std::optional<std::int64_t> wakeUp_;
    // Same-instant actions keep the order they were scheduled in.
    std::multimap<std::int64_t, std::function<void()>> actions_;
};

}  // namespace win::host::headless
