#include <gtest/gtest.h>

#include <set>

#include "recording_window.h"

namespace win::test {
namespace {

using Lines = std::vector<std::string>;

class WindowLifetimeTest : public RecordingTest {};

TEST_F(WindowLifetimeTest, CreationSendsItsMessagesInOrder) {
    Record({WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW, WM_NCACTIVATE,
            WM_ACTIVATE, WM_SETFOCUS});
    const HWND form = Make("form", WS_POPUP | WS_VISIBLE, {10, 20, 110, 70});
    ASSERT_TRUE(form);
    EXPECT_EQ(Take(), (Lines{"form WM_NCCREATE", "form WM_NCCALCSIZE", "form WM_CREATE",
                             "form WM_SIZE", "form WM_MOVE", "form WM_SHOWWINDOW",
                             "form WM_NCACTIVATE", "form WM_ACTIVATE", "form WM_SETFOCUS"}));
    EXPECT_EQ(GetActiveWindow(), form);
    EXPECT_EQ(GetFocus(), form);
    EXPECT_EQ(GetWindowText(form), "form");

    // A hidden child: no showing, no activation.
    const HWND child = Make("child", WS_CHILD, {1, 2, 11, 12}, form);
    EXPECT_EQ(Take(), (Lines{"child WM_NCCREATE", "child WM_NCCALCSIZE", "child WM_CREATE",
                             "child WM_SIZE", "child WM_MOVE"}));
    EXPECT_EQ(GetParent(child), form);
    EXPECT_FALSE(IsWindowVisible(child));
}

TEST_F(WindowLifetimeTest, RefusedCreationLeavesNoWindowBehind) {
    Record({WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY});
    onMessage = [](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_CREATE) {
            return -1;
        }
        return std::nullopt;
    };
    EXPECT_FALSE(Make("refused", WS_POPUP, {0, 0, 10, 10}));
    EXPECT_EQ(Take(), (Lines{"refused WM_NCCREATE", "refused WM_CREATE", "refused WM_DESTROY",
                             "refused WM_NCDESTROY"}));

    onMessage = [](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_NCCREATE) {
            return 0;
        }
        return std::nullopt;
    };
    EXPECT_FALSE(Make("refused", WS_POPUP, {0, 0, 10, 10}));
    EXPECT_EQ(Take(), (Lines{"refused WM_NCCREATE", "refused WM_NCDESTROY"}));
    EXPECT_EQ(desktop.Host().LiveWindowCount(), 0u);

    EXPECT_FALSE(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
    EXPECT_FALSE(CreateWindowEx(0, "Recorder", "", WS_CHILD, 0, 0, 1, 1, nullptr));
}

TEST_F(WindowLifetimeTest, DestructionGoesParentsFirstThenChildrenFirst) {
    const HWND form = Make("form", WS_POPUP, {0, 0, 100, 100});
    const HWND a = Make("a", WS_CHILD, {0, 0, 10, 10}, form);
    Make("a1", WS_CHILD, {0, 0, 5, 5}, a);
    Make("b", WS_CHILD, {0, 0, 10, 10}, form);
    const HWND owned = Make("owned", WS_POPUP, {0, 0, 10, 10}, form);
    Record({WM_DESTROY, WM_NCDESTROY});
    EXPECT_TRUE(DestroyWindow(form));
    EXPECT_EQ(Take(), (Lines{"owned WM_DESTROY", "owned WM_NCDESTROY", "form WM_DESTROY",
                             "a WM_DESTROY", "a1 WM_DESTROY", "b WM_DESTROY", "a1 WM_NCDESTROY",
                             "a WM_NCDESTROY", "b WM_NCDESTROY", "form WM_NCDESTROY"}));
    EXPECT_FALSE(IsWindow(form));
    EXPECT_FALSE(IsWindow(a));
    EXPECT_FALSE(IsWindow(owned));
    EXPECT_FALSE(DestroyWindow(form));
    EXPECT_EQ(desktop.Host().LiveWindowCount(), 0u);
}

TEST_F(WindowLifetimeTest, WindowsStayUsableUntilTheirDestroyMessagesAreHandled) {
    const HWND form = Make("form", WS_POPUP, {0, 0, 100, 100});
    const HWND child = Make("child", WS_CHILD, {0, 0, 10, 10}, form);
    SetProp(child, "PROCADDR", 42);
    std::vector<std::string> seen;
    onMessage = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (window == child && message == WM_DESTROY) {
            seen.push_back("destroy " + std::to_string(GetProp(child, "PROCADDR")) +
                           (IsWindow(form) ? " parent alive" : " parent gone"));
            RemoveProp(child, "PROCADDR");
        }
        if (window == child && message == WM_NCDESTROY) {
            seen.push_back(IsWindow(child) ? "ncdestroy alive" : "ncdestroy gone");
        }
        return std::nullopt;
    };
    DestroyWindow(form);
    EXPECT_EQ(seen, (Lines{"destroy 42 parent alive", "ncdestroy alive"}));
}

TEST_F(WindowLifetimeTest, DestroyingFromInsideOwnProcedureIsSafe) {
    const HWND form = Make("form", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
    const HWND button = Make("button", WS_CHILD | WS_VISIBLE, {10, 10, 30, 30}, form);
    const HWND other = Make("other", WS_CHILD | WS_VISIBLE, {50, 10, 70, 30}, form);
    onMessage = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (window == button && message == WM_LBUTTONDOWN) {
            // The button's click unloads the whole form, its own window included.
            DestroyWindow(form);
            SetWindowText(button, "too late");
            SendMessage(button, WM_PAINT, 0, 0);
            return 0;
        }
        if (window == other && message == WM_LBUTTONDOWN) {
            DestroyWindow(other);
            return 0;
        }
        return std::nullopt;
    };
    desktop.Host().Click({60, 20});
    EXPECT_FALSE(IsWindow(other));
    EXPECT_TRUE(IsWindow(form));
    desktop.Host().Click({20, 20});
    EXPECT_FALSE(IsWindow(form));
    EXPECT_FALSE(IsWindow(button));
    EXPECT_EQ(desktop.Host().LiveWindowCount(), 0u);
}

TEST_F(WindowLifetimeTest, MessagesForDestroyedWindowsAreDropped) {
    const HWND form = Make("form", WS_POPUP, {0, 0, 10, 10});
    Record({WM_USER, WM_TIMER});
    PostMessage(form, WM_USER, 0, 0);
    SetTimer(form, 1, 10, nullptr);
    DestroyWindow(form);
    desktop.Pump();
    desktop.Advance(100);
    EXPECT_FALSE(PostMessage(form, WM_USER, 0, 0));
    EXPECT_EQ(SendMessage(form, WM_USER, 0, 0), 0);
    EXPECT_FALSE(SetTimer(form, 1, 10, nullptr));
    EXPECT_TRUE(Take().empty());
}

TEST_F(WindowLifetimeTest, HandlesAreNeverReused) {
    std::set<LONG_PTR> seen;
    for (int i = 0; i < 50; ++i) {
        const HWND window = Make("w", WS_POPUP, {0, 0, 1, 1});
        EXPECT_TRUE(seen.insert(window.Value()).second);
        DestroyWindow(window);
    }
}

}  // namespace
}  // namespace win::test
