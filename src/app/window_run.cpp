#include "app/window_run.h"

#include <iostream>

#include "platform/forms/application.h"
#include "platform/user/desktop.h"
#include "platform/user/messaging.h"
#include "windows/frm_right.h"

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

void RunMessageLoop() {
    win::MSG message;
    while (win::GetMessage(&message, nullptr, 0, 0) > 0) {
        win::DispatchMessage(&message);
    }
}

}  // namespace

int RunWindows(win::host::Host& host) {
    AttachedHost attached(host);
    frmRight& mini = FrmRight();
    mini.Show();
    RunMessageLoop();
    if (win::forms::App().Ended()) {
        return 0;
    }
    // The session ended (logout, shutdown, a terminating signal): save as "X" does.
    if (auto failure = mini.SaveAccumulatedTotal()) {
        std::cerr << TotalsSaveFailureText(*failure) << "\n";
        return 1;
    }
    win::forms::App().End();
    return 0;
}

}  // namespace quellan
