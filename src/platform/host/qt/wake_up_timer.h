#pragma once

#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/host/qt/steady_clock.h"

namespace win::host::desktop {

// One precise single-shot timer re-armed to the next due time. Fires `onDue` once the clock has
// reached it; a timer that comes back early (coarse timers do) is armed again for the rest.
class WakeUpTimer {
public:
    WakeUpTimer(const SteadyClock& clock, std::function<void()> onDue);

    void SetDue(std::optional<std::int64_t> due);
    std::optional<std::int64_t> Due() const { return due_; }
    // Fires now if the due time has passed (for a loop that did not wait on the timer).
    bool FireIfDue();

private:
    void Arm();
    void OnTimeout();

    const SteadyClock& clock_;
    std::function<void()> onDue_;
    QTimer timer_;
    std::optional<std::int64_t> due_;
};

}  // namespace win::host::desktop
