#include <gtest/gtest.h>

#include "recording_window.h"

namespace win::test {
namespace {

using Lines = std::vector<std::string>;

// Activation and focus messages with the other window they name.
class FocusAndActivationTest : public RecordingTest {
protected:
    FocusAndActivationTest() {
        onMessage = [this](HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam) -> std::optional<LRESULT> {
            switch (message) {
                case WM_NCACTIVATE:
                case WM_ACTIVATE:
                    trace.push_back(NameOf(window) + " " + MessageName(message) + " " +
                                    std::to_string(LOWORD(wParam)) + " " +
                                    NameOf(HWND::FromValue(lParam)));
                    break;
                case WM_SETFOCUS:
                case WM_KILLFOCUS:
                    trace.push_back(NameOf(window) + " " + MessageName(message) + " " +
                                    NameOf(HWND::FromValue(static_cast<LONG_PTR>(wParam))));
                    break;
                case WM_ENABLE:
                case WM_LBUTTONDOWN:
                    trace.push_back(NameOf(window) + " " + MessageName(message));
                    break;
                default:
                    break;
            }
            return std::nullopt;
        };
        Name(nullptr, "0");
        a = Make("A", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
        a1 = Make("a1", WS_CHILD | WS_VISIBLE, {10, 10, 50, 50}, a);
        b = Make("B", WS_POPUP | WS_VISIBLE, {200, 0, 300, 100});
        b1 = Make("b1", WS_CHILD | WS_VISIBLE, {10, 10, 50, 50}, b);
        SetActiveWindow(a);
        SetFocus(a1);
        trace.clear();
    }

    HWND a, a1, b, b1;
    Lines trace;
};

TEST_F(FocusAndActivationTest, SwitchingWindowsNamesTheOtherOneAndMovesTheFocus) {
    EXPECT_EQ(SetActiveWindow(b), a);
    EXPECT_EQ(trace, (Lines{"A WM_NCACTIVATE 0 B", "A WM_ACTIVATE 0 B", "B WM_NCACTIVATE 1 A",
                            "B WM_ACTIVATE 1 A", "a1 WM_KILLFOCUS B", "B WM_SETFOCUS a1"}));
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(GetFocus(), b);
    trace.clear();
    EXPECT_FALSE(SetActiveWindow(b));
    EXPECT_TRUE(trace.empty());
}

TEST_F(FocusAndActivationTest, AClickOnAnotherWindowActivatesItBeforeThePress) {
    desktop.Host().Click({220, 20});
    EXPECT_EQ(trace, (Lines{"A WM_NCACTIVATE 0 B", "A WM_ACTIVATE 0 B", "B WM_NCACTIVATE 1 A",
                            "B WM_ACTIVATE 2 A", "a1 WM_KILLFOCUS B", "B WM_SETFOCUS a1",
                            "b1 WM_LBUTTONDOWN"}));
}

TEST_F(FocusAndActivationTest, FocusInAnInactiveWindowActivatesItFirst) {
    EXPECT_EQ(SetFocus(b1), a1);
    EXPECT_EQ(trace, (Lines{"A WM_NCACTIVATE 0 B", "A WM_ACTIVATE 0 B", "B WM_NCACTIVATE 1 A",
                            "B WM_ACTIVATE 1 A", "a1 WM_KILLFOCUS B", "B WM_SETFOCUS a1",
                            "B WM_KILLFOCUS b1", "b1 WM_SETFOCUS B"}));
    trace.clear();
    EXPECT_EQ(SetFocus(nullptr), b1);
    EXPECT_EQ(trace, (Lines{"b1 WM_KILLFOCUS 0"}));
    EXPECT_FALSE(SetFocus(HWND::FromValue(0x7777)));
}

TEST_F(FocusAndActivationTest, DesktopDeactivationLeavesNoWindowActive) {
    desktop.Host().Activate(desktop.NativeOf(b));
    desktop.Pump();
    trace.clear();
    desktop.Host().Hide(desktop.NativeOf(b));
    desktop.Pump();
    EXPECT_EQ(trace, (Lines{"B WM_NCACTIVATE 0 0", "B WM_ACTIVATE 0 0", "B WM_KILLFOCUS 0"}));
    EXPECT_FALSE(GetActiveWindow());
    EXPECT_FALSE(GetFocus());
}

TEST_F(FocusAndActivationTest, DisablingTakesFocusAndInputAway) {
    EXPECT_FALSE(EnableWindow(a1, false));
    EXPECT_EQ(trace, (Lines{"a1 WM_KILLFOCUS 0", "a1 WM_ENABLE"}));
    EXPECT_FALSE(IsWindowEnabled(a1));
    trace.clear();
    EXPECT_TRUE(EnableWindow(a1, false));
    EXPECT_TRUE(trace.empty());
    // A press over the disabled child reaches its parent.
    desktop.Host().Click({20, 20});
    EXPECT_EQ(trace, (Lines{"A WM_LBUTTONDOWN"}));
    trace.clear();
    EXPECT_TRUE(EnableWindow(a1, true));
    EXPECT_EQ(trace, (Lines{"a1 WM_ENABLE"}));
}

TEST_F(FocusAndActivationTest, DestroyingTheActiveWindowDeactivatesItFirst) {
    DestroyWindow(a);
    EXPECT_EQ(trace, (Lines{"A WM_NCACTIVATE 0 0", "A WM_ACTIVATE 0 0", "a1 WM_KILLFOCUS 0"}));
    EXPECT_FALSE(GetActiveWindow());
    EXPECT_FALSE(GetFocus());
}

}  // namespace
}  // namespace win::test
