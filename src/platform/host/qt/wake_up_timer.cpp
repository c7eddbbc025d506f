#include "platform/host/qt/wake_up_timer.h"

#include <algorithm>
#include <limits>

namespace win::host::desktop {

WakeUpTimer::WakeUpTimer(const SteadyClock& clock, std::function<void()> onDue)
    : clock_(clock), onDue_(std::move(onDue)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { OnTimeout(); });
}

void WakeUpTimer::SetDue(std::optional<std::int64_t> due) {
    due_ = due;
    Arm();
}

void WakeUpTimer::Arm() {
    if (!due_) {
        timer_.stop();
        return;
    }
    const std::int64_t wait =
        std::clamp<std::int64_t>(*due_ - clock_.Now(), 0, std::numeric_limits<int>::max());
    timer_.start(static_cast<int>(wait));
}

bool WakeUpTimer::FireIfDue() {
    if (!due_ || *due_ > clock_.Now()) {
        return false;
    }
    due_.reset();
    timer_.stop();
    onDue_();
    return true;
}

void WakeUpTimer::OnTimeout() {
    if (!FireIfDue()) {
        Arm();
    }
}

}  // namespace win::host::desktop
