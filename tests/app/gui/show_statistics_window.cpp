// Shows the statistics window on the desktop, sampling as in the program, until the session
// ends (a terminating signal); then exits with 0. The end-to-end tests look at it from outside.

#include "meter/frm_bandwidth.h"
#include "platform/host/qt/qt_host.h"
#include "platform/user/desktop.h"
#include "platform/user/messaging.h"

int main(int argc, char** argv) {
    win::host::QtHost host(argc, argv);
    win::AttachHost(host);
    quellan::FrmBandwidth().Show();
    win::MSG message;
    while (win::GetMessage(&message, nullptr, 0, 0) > 0) {
        win::DispatchMessage(&message);
    }
    win::DetachHost();
    return 0;
}
