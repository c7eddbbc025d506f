#include "platform/host/headless/headless_host.h"

#include <stdexcept>
#include <utility>

namespace win::host {

namespace {

// A loop step that keeps setting a wake-up that is already due would spin for ever.
constexpr int kMaxStepsAtOneInstant = 100000;

}  // namespace

bool HeadlessHost::StepClockTo(std::optional<std::int64_t> limit) {
    const std::optional<std::int64_t> next = clock_.NextDue();
    if (!next || (limit && *next > *limit)) {
        return false;
    }
    clock_.MoveTo(*next);
    {
        // Input injected by a scheduled action is only queued; whoever moved the clock delivers.
        const bool outer = insideAction_;
        insideAction_ = true;
        clock_.RunDueActions();
        insideAction_ = outer;
    }
    if (clock_.TakeDueWakeUp()) {
        Queue([](EventSink& sink) { sink.OnWakeUp(); });
    }
    return true;
}

void HeadlessHost::Advance(std::int64_t milliseconds) {
    const std::int64_t target = clock_.Now() + std::max<std::int64_t>(milliseconds, 0);
    std::int64_t instant = clock_.Now();
    int stepsAtInstant = 0;
    while (StepClockTo(target)) {
        RunLoopStep();
        if (clock_.Now() != instant) {
            instant = clock_.Now();
            stepsAtInstant = 0;
        } else if (++stepsAtInstant > kMaxStepsAtOneInstant) {
            throw std::logic_error("headless host: the wake-up keeps being due at one instant");
        }
    }
    clock_.MoveTo(target);
    RunLoopStep();
}

void HeadlessHost::At(std::int64_t when, std::function<void()> action) {
    clock_.Schedule(when, std::move(action));
}

void HeadlessHost::ProcessPendingEvents() {
    if (clock_.TakeDueWakeUp()) {
        Queue([](EventSink& sink) { sink.OnWakeUp(); });
    }
    while (!events_.empty()) {
        Event event = std::move(events_.front());
        events_.pop_front();
        if (sink_ != nullptr) {
            event(*sink_);
        }
    }
}

void HeadlessHost::WaitForEvents() {
    const bool wakeUpDue = clock_.WakeUp() && *clock_.WakeUp() <= clock_.Now();
    if (events_.empty() && !wakeUpDue && !StepClockTo(std::nullopt)) {
        throw std::logic_error("headless host: waiting for events with nothing due");
    }
    ProcessPendingEvents();
}

void HeadlessHost::Queue(Event event) {
    events_.push_back(std::move(event));
}

void HeadlessHost::RunLoopStep() {
    if (insideAction_) {
        return;
    }
    if (loopStep_) {
        loopStep_();
    } else {
        ProcessPendingEvents();
    }
}

}  // namespace win::host
