#include "button/track_mouse_leave.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "button/subclass_hook.h"
#include "platform/user/session.h"
#include "subclass_test_window.h"

namespace quellan::test {
namespace {

using namespace win;

class LeaveOwner : public SubclassOwner {
public:
    void Subclass_WndProc(bool, bool&, LRESULT&, HWND&, UINT& uMsg, WPARAM& wParam,
                          LPARAM&) override {
        HookHandlers handlers;
        handlers.mouseLeft = [this] { ++leaves; };
        RunHookMessage(uMsg, wParam, handlers);
    }
    int leaves = 0;
};

struct LeaveCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> withdrawn;
    bool available;
    int leaves;
};

const LeaveCase kLeaveCases[] = {
    {"the window manager's tracking", {}, true, 1},
    {"the common controls' tracking instead", {{"User32", "TrackMouseEvent"}}, true, 1},
    {"none at all", {{"User32", "TrackMouseEvent"}, {"ComCtl32", "_TrackMouseEvent"}}, false, 0},
};

TEST(TrackMouseLeaveTest, OneLeaveNoticeAfterMovesOverTheButtonWhenTrackingIsThere) {
    for (const LeaveCase& c : kLeaveCases) {
        SCOPED_TRACE(c.name);
        SubclassTestWindows windows;
        for (const auto& [library, function] : c.withdrawn) {
            user::Current()->modules.Withdraw(library, function);
        }
        const LeaveTracking tracking = ProbeLeaveTracking();
        EXPECT_EQ(tracking.Available(), c.available);
        LeaveOwner owner;
        SubclassTable table(owner);
        InstallMessageHook(table, windows.button, windows.frame, false, false);
        // As the button's mouse-move handling asks, at every move over it.
        windows.onMessage = [&](HWND window, UINT message, WPARAM, LPARAM) {
            if (window == windows.button && message == WM_MOUSEMOVE) {
                TrackMouseLeave(windows.button, tracking);
            }
        };
        windows.MoveTo(SubclassTestWindows::OnButton(10, 10));
        windows.MoveTo(SubclassTestWindows::OnButton(20, 12));
        windows.MoveTo(SubclassTestWindows::OnButton(30, 14));
        EXPECT_EQ(owner.leaves, 0);
        windows.MoveTo(
            {SubclassTestWindows::kFrameRect.left + 5, SubclassTestWindows::kFrameRect.top + 5});
        windows.MoveTo(
            {SubclassTestWindows::kFrameRect.left + 6, SubclassTestWindows::kFrameRect.top + 5});
        EXPECT_EQ(owner.leaves, c.leaves);
        windows.onMessage = nullptr;
    }
}

}  // namespace
}  // namespace quellan::test
