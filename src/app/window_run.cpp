#include "app/window_run.h"

#include <iostream>
#include <utility>

#include "platform/forms/application.h"
#include "platform/user/desktop.h"
#include "platform/user/messaging.h"
#include "platform/user/timers.h"
#include "shell/module1.h"
#include "windows/frm_menu.h"
#include "windows/frm_right.h"
#include "windows/second_start.h"

namespace quellan {
namespace {

// Lets the window manager go whatever way the run ends.
class AttachedHost {
public:
    explicit AttachedHost(win::host::Host& host) { win::AttachHost(host); }
    ~AttachedHost() { win::DetachHost(); }
    AttachedHost(const AttachedHost&) = delete;
    AttachedHost& operator=(const AttachedHost&) = delete;
};

constexpr win::UINT kShowRequestPollMs = 250;

// Looks for second starts on a timer of its own while the run lasts.
class ShowRequestWatch {
public:
    explicit ShowRequestWatch(std::function<bool()> showRequested) {
        if (!showRequested) {
            return;
        }
        Requested() = std::move(showRequested);
        timer_ = win::SetTimer(nullptr, 0, kShowRequestPollMs, &ShowRequestWatch::Look);
    }
    ~ShowRequestWatch() {
        if (timer_ != 0) {
            win::KillTimer(nullptr, timer_);
        }
        Requested() = nullptr;
    }
    ShowRequestWatch(const ShowRequestWatch&) = delete;
    ShowRequestWatch& operator=(const ShowRequestWatch&) = delete;

private:
    static std::function<bool()>& Requested() {
        static std::function<bool()> requested;
        return requested;
    }
    static void Look(win::HWND, win::UINT, win::UINT_PTR, win::DWORD) {
        if (Requested() && Requested()()) {
            ShowForSecondStart();
        }
    }
    win::UINT_PTR timer_ = 0;
};

void RunMessageLoop() {
    win::MSG message;
    while (win::GetMessage(&message, nullptr, 0, 0) > 0) {
        win::DispatchMessage(&message);
    }
}

// After the loop: the program's own end has saved already; the desktop session ending (logout,
// shutdown, a terminating signal) saves here as "X" does. 1 when that save failed.
int SaveUnlessEnded() {
    if (win::forms::App().Ended()) {
        return 0;
    }
    if (auto failure = FrmRight().SaveAccumulatedTotal()) {
        std::cerr << TotalsSaveFailureText(*failure) << "\n";
        return 1;
    }
    win::forms::App().End();
    return 0;
}

}  // namespace

int RunWindows(win::host::Host& host, std::function<bool()> showRequested) {
    AttachedHost attached(host);
    // The tray menu window's load brings the mini window, the tray icon and the skin with it.
    FrmMenu().Show();
    ShowRequestWatch watch(std::move(showRequested));
    RunMessageLoop();
    const int status = SaveUnlessEnded();
    Module1::Instance().RemoveTrayIcon();
    return status;
}

}  // namespace quellan
