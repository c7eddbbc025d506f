#include "platform/forms/timer.h"

#include <algorithm>

#include "platform/forms/form.h"
#include "platform/user/timers.h"

namespace win::forms {

Timer::Timer(Container& container, std::string name) : Control(container, std::move(name)) {}

void Timer::ResetProperties() {
    props_ = Properties{};
    geometry_.tabStop = false;
}

int Timer::Interval() const {
    Touch();
    return props_.interval;
}

void Timer::SetInterval(int milliseconds) {
    Touch();
    props_.interval = std::clamp(milliseconds, 0, 65535);
    Restart();
}

bool Timer::Enabled() const {
    Touch();
    return props_.enabled;
}

void Timer::SetEnabled(bool enabled) {
    Touch();
    props_.enabled = enabled;
    Restart();
}

// The timer lives on the form's window, so it stops with the window.
void Timer::CreateControlWindow(HWND parent, int) {
    window_ = Owner().ContainerHwnd();
    (void)parent;
    Restart();
}

void Timer::ReleaseControlWindow() {
    if (window_) {
        KillTimer(window_, static_cast<UINT_PTR>(id_));
    }
    window_ = nullptr;
}

void Timer::Restart() {
    if (!window_) {
        return;
    }
    KillTimer(window_, static_cast<UINT_PTR>(id_));
    if (props_.enabled && props_.interval > 0) {
        SetTimer(window_, static_cast<UINT_PTR>(id_), static_cast<UINT>(props_.interval), nullptr);
    }
}

void Timer::OnTimerMessage() {
    RaiseEvent(Tick);
}

}  // namespace win::forms
