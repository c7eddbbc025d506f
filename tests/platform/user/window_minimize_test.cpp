#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_window.h"

namespace win::test {
namespace {

class WindowMinimizeTest : public RecordingTest {
protected:
    WindowMinimizeTest() {
        onMessage = [this](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
            if (message == WM_SIZE) {
                sizes.push_back(wParam);
            }
            return std::nullopt;
        };
    }
    const host::headless::HeadlessWindow& Native(HWND window) {
        return *desktop.Host().FindWindow(desktop.NativeOf(window));
    }

    std::vector<WPARAM> sizes;
};

enum class Start { Hidden, Shown, ShownMinimized, HiddenMinimized };

// What each command makes of a top-level window in each starting state: whether it is visible,
// minimised and active afterwards.
TEST_F(WindowMinimizeTest, EachCommandFromEachState) {
    struct Case {
        Start start;
        int command;
        bool visible;
        bool minimized;
        bool active;
    };
    const Case cases[] = {
        {Start::Hidden, SW_MINIMIZE, true, true, false},
        {Start::Hidden, SW_SHOWMINIMIZED, true, true, false},
        {Start::Hidden, SW_SHOWMINNOACTIVE, true, true, false},
        {Start::Shown, SW_MINIMIZE, true, true, false},
        {Start::Shown, SW_FORCEMINIMIZE, true, true, false},
        {Start::ShownMinimized, SW_RESTORE, true, false, true},
        {Start::ShownMinimized, SW_SHOWNORMAL, true, false, true},
        {Start::ShownMinimized, SW_SHOWNOACTIVATE, true, false, false},
        {Start::ShownMinimized, SW_SHOWMAXIMIZED, true, false, true},
        // Showing keeps a minimised window minimised; hiding keeps it minimised while hidden.
        {Start::ShownMinimized, SW_SHOW, true, true, false},
        {Start::ShownMinimized, SW_SHOWNA, true, true, false},
        {Start::ShownMinimized, SW_HIDE, false, true, false},
        {Start::HiddenMinimized, SW_SHOW, true, true, false},
        {Start::HiddenMinimized, SW_RESTORE, true, false, true},
        {Start::Shown, SW_SHOW, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("start " + std::to_string(static_cast<int>(c.start)) + ", command " +
                     std::to_string(c.command));
        const HWND window = Make("w", WS_OVERLAPPEDWINDOW, {100, 100, 300, 250});
        if (c.start != Start::Hidden) {
            ShowWindow(window, SW_SHOW);
        }
        if (c.start == Start::ShownMinimized || c.start == Start::HiddenMinimized) {
            ShowWindow(window, SW_MINIMIZE);
        }
        if (c.start == Start::HiddenMinimized) {
            ShowWindow(window, SW_HIDE);
        }
        desktop.Pump();
        ShowWindow(window, c.command);
        desktop.Pump();
        EXPECT_EQ(IsWindowVisible(window), c.visible);
        EXPECT_EQ(IsIconic(window), c.minimized);
        EXPECT_EQ(GetActiveWindow() == window, c.active);
        EXPECT_EQ(Native(window).visible, c.visible);
        EXPECT_EQ(Native(window).minimized, c.minimized);
        DestroyWindow(window);
    }
}

TEST_F(WindowMinimizeTest, MinimisingSaysSoAndPassesTheActivationToTheOwner) {
    const HWND owner = Make("owner", WS_OVERLAPPEDWINDOW, {50, 50, 400, 300});
    ShowWindow(owner, SW_SHOW);
    const HWND owned = CreateWindowEx(0, "Recorder", "owned", WS_OVERLAPPEDWINDOW, 120, 120, 200,
                                      150, owner, nullptr);
    ShowWindow(owned, SW_SHOW);
    desktop.Pump();
    ASSERT_EQ(GetActiveWindow(), owned);
    sizes.clear();
    ShowWindow(owned, SW_MINIMIZE);
    desktop.Pump();
    EXPECT_EQ(sizes, (std::vector<WPARAM>{SIZE_MINIMIZED}));
    EXPECT_EQ(GetActiveWindow(), owner);
    // The pointer no longer finds it.
    EXPECT_NE(desktop.Host().WindowAt({150, 150}), desktop.NativeOf(owned));
    sizes.clear();
    ShowWindow(owned, SW_RESTORE);
    desktop.Pump();
    EXPECT_EQ(sizes, (std::vector<WPARAM>{SIZE_RESTORED}));
    EXPECT_EQ(GetActiveWindow(), owned);
}

// The desktop minimises a window (its own button, a key) or brings it back from its window list:
// the window hears of it, and a later SW_RESTORE still brings it back.
TEST_F(WindowMinimizeTest, TheDesktopsOwnMinimisingIsFollowed) {
    const HWND window = Make("w", WS_OVERLAPPEDWINDOW, {100, 100, 300, 250});
    ShowWindow(window, SW_SHOW);
    desktop.Pump();
    sizes.clear();
    desktop.Host().MinimizeFromDesktop(desktop.NativeOf(window), true);
    desktop.Pump();
    EXPECT_TRUE(IsIconic(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_NE(GetActiveWindow(), window);
    EXPECT_EQ(sizes, (std::vector<WPARAM>{SIZE_MINIMIZED}));

    ShowWindow(window, SW_RESTORE);
    desktop.Pump();
    EXPECT_FALSE(IsIconic(window));
    EXPECT_FALSE(Native(window).minimized);
    EXPECT_EQ(GetActiveWindow(), window);

    desktop.Host().MinimizeFromDesktop(desktop.NativeOf(window), true);
    desktop.Host().MinimizeFromDesktop(desktop.NativeOf(window), false);
    desktop.Pump();
    EXPECT_FALSE(IsIconic(window));
    EXPECT_EQ(sizes.back(), SIZE_RESTORED);
}

// A procedure may destroy its window on hearing that it is being shown.
TEST_F(WindowMinimizeTest, AWindowDestroyedWhileBeingShownIsLeftAlone) {
    for (const int command : {SW_SHOW, SW_MINIMIZE, SW_RESTORE}) {
        onMessage = [](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (message == WM_SHOWWINDOW || (message == WM_SIZE && IsIconic(window))) {
                DestroyWindow(window);
            }
            return std::nullopt;
        };
        const HWND window = Make("w", WS_OVERLAPPEDWINDOW, {100, 100, 300, 250});
        EXPECT_FALSE(ShowWindow(window, command)) << command;
        EXPECT_FALSE(IsWindow(window)) << command;
    }
}

TEST_F(WindowMinimizeTest, ChildWindowsAreNeverMinimised) {
    const HWND parent = Make("parent", WS_OVERLAPPEDWINDOW, {100, 100, 300, 250});
    const HWND child = Make("child", WS_CHILD, {10, 10, 50, 40}, parent);
    ShowWindow(parent, SW_SHOW);
    ShowWindow(child, SW_MINIMIZE);
    EXPECT_FALSE(IsIconic(child));
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_FALSE(IsIconic(parent));
}

}  // namespace
}  // namespace win::test
