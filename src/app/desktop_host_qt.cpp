#include <utility>

#include "app/desktop_host.h"
#include "app/window_run.h"
#include "platform/host/qt/desktop_reachable.h"
#include "platform/host/qt/qt_host.h"

namespace quellan {

bool DesktopBuilt() {
    return true;
}

bool DesktopReachable() {
    return win::host::desktop::DesktopReachable();
}

int RunOnDesktop(int& argc, char** argv, std::function<bool()> showRequested) {
    win::host::QtHost host(argc, argv);
    return RunWindows(host, std::move(showRequested));
}

}  // namespace quellan
