#include <gtest/gtest.h>

#include "recording_window.h"

namespace win::test {
namespace {

using Lines = std::vector<std::string>;

class TimersTest : public RecordingTest {
protected:
    TimersTest() {
        window = Make("w", WS_POPUP, {0, 0, 10, 10});
        onMessage = [this](HWND target, UINT message, WPARAM wParam,
                           LPARAM) -> std::optional<LRESULT> {
            if (message == WM_TIMER) {
                fired.push_back(std::to_string(desktop.Host().NowMilliseconds()) + " #" +
                                std::to_string(wParam));
                if (onTimer) {
                    onTimer(target);
                }
            }
            return std::nullopt;
        };
    }

    HWND window;
    Lines fired;
    std::function<void(HWND)> onTimer;
};

TEST_F(TimersTest, FiresEveryIntervalOnTheVirtualClock) {
    EXPECT_EQ(SetTimer(window, 1, 100, nullptr), 1u);
    EXPECT_EQ(SetTimer(window, 2, 250, nullptr), 2u);
    desktop.Advance(99);
    EXPECT_TRUE(fired.empty());
    desktop.Advance(431);
    EXPECT_EQ(fired, (Lines{"100 #1", "200 #1", "250 #2", "300 #1", "400 #1", "500 #1", "500 #2"}));
}

TEST_F(TimersTest, TimersDueWithinAFewMillisecondsFireInOneWakeUp) {
    SetTimer(window, 1, 100, nullptr);
    SetTimer(window, 2, 103, nullptr);
    SetTimer(window, 3, 110, nullptr);
    desktop.Advance(115);
    // The first waits for the second; the third is too far off to join them and is not delayed.
    EXPECT_EQ(fired, (Lines{"103 #1", "103 #2", "110 #3"}));
}

TEST_F(TimersTest, KillStopsAndSettingAgainRearms) {
    SetTimer(window, 7, 100, nullptr);
    desktop.Advance(150);
    // Re-arming counts the interval from now.
    SetTimer(window, 7, 100, nullptr);
    desktop.Advance(100);
    EXPECT_EQ(fired, (Lines{"100 #7", "250 #7"}));
    EXPECT_TRUE(KillTimer(window, 7));
    EXPECT_FALSE(KillTimer(window, 7));
    EXPECT_FALSE(KillTimer(window, 8));
    desktop.Advance(1000);
    EXPECT_EQ(fired.size(), 2u);
}

TEST_F(TimersTest, IdentifiersArePerWindowAndATimerMayKillItself) {
    const HWND other = Make("other", WS_POPUP, {0, 0, 10, 10});
    SetTimer(window, 1, 15, nullptr);
    SetTimer(other, 1, 40, nullptr);
    // The fade step's pattern: stop from inside the timer after a few steps.
    int steps = 0;
    onTimer = [&](HWND target) {
        if (target == window && ++steps == 3) {
            KillTimer(window, 1);
        }
    };
    desktop.Advance(100);
    EXPECT_EQ(fired, (Lines{"15 #1", "30 #1", "40 #1", "45 #1", "80 #1"}));
}

TEST_F(TimersTest, LateLoopGetsOneTimerNotABacklog) {
    SetTimer(window, 1, 100, nullptr);
    // Nothing pumps while the clock runs on: as on Windows, one WM_TIMER is waiting, not five.
    desktop.Host().SetLoopStep([] {});
    desktop.Advance(500);
    desktop.Pump();
    desktop.Pump();
    EXPECT_EQ(fired, (Lines{"500 #1"}));
}

TEST_F(TimersTest, TimersGoWithTheirWindowAndCallbacksRun) {
    static int callbacks = 0;
    callbacks = 0;
    const UINT_PTR id = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { ++callbacks; });
    EXPECT_NE(id, 0u);
    SetTimer(window, 3, 50, nullptr);
    DestroyWindow(window);
    desktop.Advance(120);
    EXPECT_TRUE(fired.empty());
    EXPECT_EQ(callbacks, 2);
    EXPECT_TRUE(KillTimer(nullptr, id));
    EXPECT_EQ(SetTimer(window, 1, 10, nullptr), 0u);
}

TEST_F(TimersTest, AForgedTimerCallbackIsNeverCalled) {
    SetTimer(window, 5, 10, nullptr);
    MSG forged{window, WM_TIMER, 5, 0x1234, 0, {}};
    EXPECT_EQ(DispatchMessage(&forged), 0);
    EXPECT_TRUE(fired.empty());
}

TEST_F(TimersTest, TimersKeepRunningInANestedLoop) {
    SetTimer(window, 1, 100, nullptr);
    // A modal loop of our own, ended by input that arrives at 450 ms.
    desktop.Host().At(450, [&] { PostMessage(window, WM_USER, 0, 0); });
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0) > 0 && msg.message != WM_USER) {
        DispatchMessage(&msg);
    }
    EXPECT_EQ(fired, (Lines{"100 #1", "200 #1", "300 #1", "400 #1"}));
    EXPECT_EQ(desktop.Host().NowMilliseconds(), 450);
}

}  // namespace
}  // namespace win::test
