#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "recording_window.h"

namespace win::test {
namespace {

using Lines = std::vector<std::string>;

std::string Point(LPARAM lParam) {
    return std::to_string(GET_X_LPARAM(lParam)) + "," + std::to_string(GET_Y_LPARAM(lParam));
}

// Mouse messages with what they carry: hit codes, points, the messages they stand for.
class NonClientInputTest : public RecordingTest {
protected:
    NonClientInputTest() {
        onMessage = [this](HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam) -> std::optional<LRESULT> {
            Trace(window, message, wParam, lParam);
            if (auto found = answers.find({window, message}); found != answers.end()) {
                return found->second;
            }
            return std::nullopt;
        };
        Name(nullptr, "0");
    }

    void Trace(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const std::string name = NameOf(window) + " " + MessageName(message);
        switch (message) {
            case WM_NCHITTEST:
            case WM_LBUTTONUP:
                trace.push_back(name);
                break;
            case WM_MOUSEMOVE:
            case WM_LBUTTONDOWN:
                trace.push_back(name + " " + Point(lParam));
                break;
            case WM_NCMOUSEMOVE:
            case WM_NCLBUTTONDOWN:
            case WM_NCLBUTTONUP:
            case WM_NCLBUTTONDBLCLK:
                trace.push_back(name + " " + std::to_string(wParam) + " " + Point(lParam));
                break;
            case WM_SETCURSOR:
                trace.push_back(name + " " + std::to_string(LOWORD(lParam)) + " " +
                                MessageName(HIWORD(lParam)));
                break;
            case WM_MOUSEACTIVATE:
                trace.push_back(name + " " +
                                NameOf(HWND::FromValue(static_cast<LONG_PTR>(wParam))) + " " +
                                std::to_string(LOWORD(lParam)) + " " + MessageName(HIWORD(lParam)));
                break;
            case WM_ACTIVATE:
                trace.push_back(name + " " + std::to_string(LOWORD(wParam)));
                break;
            case WM_PARENTNOTIFY: {
                const UINT event = LOWORD(wParam);
                const bool lifetime = event == WM_CREATE || event == WM_DESTROY;
                // Handles, since a window being made has no name yet.
                trace.push_back(name + " " + MessageName(event) + " " +
                                (lifetime ? "#" + std::to_string(lParam) : Point(lParam)));
                break;
            }
            default:
                break;
        }
    }
    Lines TakeTrace() {
        Lines taken = std::move(trace);
        trace.clear();
        return taken;
    }
    static LRESULT HitTest(HWND window, int x, int y) {
        return SendMessage(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
    }

    std::map<std::pair<HWND, UINT>, LRESULT> answers;
    Lines trace;
};

TEST_F(NonClientInputTest, DefaultHitTestNamesThePartsOfAWindow) {
    const HWND sizable = Make("sizable", WS_POPUP | WS_THICKFRAME, {100, 100, 300, 200});
    const HWND bordered =
        Make("bordered", WS_POPUP | WS_BORDER, {400, 100, 500, 200}, nullptr, WS_EX_CLIENTEDGE);
    const HWND decorated = Make("decorated", WS_OVERLAPPED, {600, 100, 800, 300});
    const HWND child = Make("child", WS_CHILD | WS_BORDER, {10, 10, 60, 60}, sizable);
    const host::Margins margins = desktop.Host().DecorationMargins();
    struct Case {
        HWND window;
        int x, y;
        LRESULT hit;
    };
    const Case cases[] = {
        {sizable, 150, 150, HTCLIENT},
        {sizable, 100, 150, HTLEFT},
        {sizable, 299, 150, HTRIGHT},
        {sizable, 150, 100, HTTOP},
        {sizable, 150, 199, HTBOTTOM},
        {sizable, 101, 101, HTTOPLEFT},
        {sizable, 100, 110, HTTOPLEFT},
        {sizable, 290, 199, HTBOTTOMRIGHT},
        {sizable, 299, 105, HTTOPRIGHT},
        {sizable, 99, 150, HTNOWHERE},
        {sizable, 300, 150, HTNOWHERE},
        {bordered, 400, 150, HTBORDER},
        {bordered, 402, 150, HTNOWHERE},
        {bordered, 410, 150, HTCLIENT},
        {decorated, 650, 100 + margins.top - 1, HTCAPTION},
        {decorated, 600, 150, HTBORDER},
        {decorated, 650, 150, HTCLIENT},
        // The child's frame, on the sizable window's client at (104, 104).
        {child, 114, 130, HTBORDER},
        {child, 120, 130, HTCLIENT},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HitTest(c.window, c.x, c.y), c.hit)
            << NameOf(c.window) << " at " << c.x << "," << c.y;
    }
}

TEST_F(NonClientInputTest, TheFrameOfAWindowGetsNonClientMessagesWithTheScreenPoint) {
    const HWND form = Make("form", WS_POPUP | WS_VISIBLE, {100, 100, 300, 200});
    const HWND box = Make("box", WS_CHILD | WS_VISIBLE | WS_BORDER, {10, 10, 60, 60}, form);
    TakeTrace();

    desktop.Host().MoveMouse({110, 130});
    // The parent has the first word on the cursor.
    EXPECT_EQ(TakeTrace(),
              (Lines{"box WM_NCHITTEST", "box WM_SETCURSOR 18 WM_MOUSEMOVE",
                     "form WM_SETCURSOR 18 WM_MOUSEMOVE", "box WM_NCMOUSEMOVE 18 110,130"}));
    desktop.Host().PressMouse(host::MouseButton::Left);
    desktop.Host().ReleaseMouse(host::MouseButton::Left);
    EXPECT_EQ(TakeTrace(),
              (Lines{"box WM_NCHITTEST", "box WM_SETCURSOR 18 WM_LBUTTONDOWN",
                     "form WM_SETCURSOR 18 WM_LBUTTONDOWN", "box WM_NCLBUTTONDOWN 18 110,130",
                     "box WM_NCHITTEST", "box WM_NCLBUTTONUP 18 110,130"}));
    // The frame sees double clicks even where the class does not ask for them.
    desktop.Host().DoubleClickMouse(host::MouseButton::Left);
    desktop.Host().ReleaseMouse(host::MouseButton::Left);
    EXPECT_EQ(TakeTrace(),
              (Lines{"box WM_NCHITTEST", "box WM_SETCURSOR 18 WM_LBUTTONDOWN",
                     "form WM_SETCURSOR 18 WM_LBUTTONDOWN", "box WM_NCLBUTTONDBLCLK 18 110,130",
                     "box WM_NCHITTEST", "box WM_NCLBUTTONUP 18 110,130"}));

    desktop.Host().MoveMouse({120, 130});
    EXPECT_EQ(TakeTrace(), (Lines{"box WM_NCHITTEST", "box WM_SETCURSOR 1 WM_MOUSEMOVE",
                                  "form WM_SETCURSOR 1 WM_MOUSEMOVE", "box WM_MOUSEMOVE 9,19"}));

    // With the capture everything is client input, the frame included.
    SetCapture(box);
    desktop.Host().MoveMouse({110, 130});
    Lines lines = TakeTrace();
    EXPECT_EQ(lines.back(), "box WM_MOUSEMOVE -1,19");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) {
                                return line.find("WM_NCMOUSEMOVE") != std::string::npos;
                            }),
              0);
    ReleaseCapture();
}

TEST_F(NonClientInputTest, TransparentWindowsHandTheMouseToWhatLiesBeneath) {
    const HWND form = Make("form", WS_POPUP | WS_VISIBLE, {100, 100, 300, 200});
    const HWND below = Make("below", WS_CHILD | WS_VISIBLE, {10, 10, 100, 90}, form);
    const HWND glass = Make("glass", WS_CHILD | WS_VISIBLE, {0, 0, 200, 100}, form);
    SetWindowPos(glass, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    answers[{glass, WM_NCHITTEST}] = HTTRANSPARENT;
    TakeTrace();

    desktop.Host().Click({120, 120});
    Lines lines = TakeTrace();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 2),
              (Lines{"glass WM_NCHITTEST", "below WM_NCHITTEST"}));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "below WM_LBUTTONDOWN 10,10"), lines.end());
    EXPECT_EQ(WindowFromPoint({120, 120}), below);
    EXPECT_EQ(WindowFromPoint({250, 120}), form);

    // A transparent top-level window over another one, and over nothing at all.
    const HWND veil =
        Make("veil", WS_POPUP | WS_VISIBLE, {150, 150, 450, 250}, nullptr, WS_EX_NOACTIVATE);
    answers[{veil, WM_NCHITTEST}] = HTTRANSPARENT;
    TakeTrace();
    desktop.Host().Click({250, 160});
    lines = TakeTrace();
    EXPECT_EQ(lines.front(), "veil WM_NCHITTEST");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "form WM_LBUTTONDOWN 150,60"), lines.end());
    desktop.Host().Click({400, 200});
    EXPECT_EQ(TakeTrace(), (Lines{"veil WM_NCHITTEST", "veil WM_NCHITTEST", "veil WM_NCHITTEST"}));
    EXPECT_FALSE(WindowFromPoint({400, 200}));
}

class MouseActivationTest : public NonClientInputTest {
protected:
    MouseActivationTest() {
        a = Make("A", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
        b = Make("B", WS_POPUP | WS_VISIBLE, {200, 0, 300, 100});
        b1 = Make("b1", WS_CHILD | WS_VISIBLE, {10, 10, 50, 50}, b);
        SetActiveWindow(a);
        desktop.Pump();
        TakeTrace();
    }
    bool Delivered(const Lines& lines) {
        return std::find(lines.begin(), lines.end(), "b1 WM_LBUTTONDOWN 10,10") != lines.end();
    }

    HWND a, b, b1;
};

TEST_F(MouseActivationTest, AClickInAnInactiveWindowAsksTheChildThenItsParent) {
    desktop.Host().MoveMouse({220, 20});
    TakeTrace();
    desktop.Host().PressMouse(host::MouseButton::Left);
    EXPECT_EQ(TakeTrace(), (Lines{"b1 WM_NCHITTEST", "B WM_PARENTNOTIFY WM_LBUTTONDOWN 20,20",
                                  "b1 WM_MOUSEACTIVATE B 1 WM_LBUTTONDOWN",
                                  "B WM_MOUSEACTIVATE B 1 WM_LBUTTONDOWN", "A WM_ACTIVATE 0",
                                  "B WM_ACTIVATE 2", "b1 WM_SETCURSOR 1 WM_LBUTTONDOWN",
                                  "B WM_SETCURSOR 1 WM_LBUTTONDOWN", "b1 WM_LBUTTONDOWN 10,10"}));
    EXPECT_EQ(GetActiveWindow(), b);
    desktop.Host().ReleaseMouse(host::MouseButton::Left);
    TakeTrace();

    // Once active, clicks ask nothing.
    desktop.Host().Click({220, 20});
    const Lines lines = TakeTrace();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) {
                                return line.find("WM_MOUSEACTIVATE") != std::string::npos;
                            }),
              0);
    EXPECT_TRUE(Delivered(lines));
}

TEST_F(MouseActivationTest, TheAnswerDecidesActivationAndWhetherTheClickCounts) {
    struct Case {
        HWND answering;
        LRESULT answer;
        bool activates;
        bool delivered;
    };
    const Case cases[] = {
        {b, MA_ACTIVATE, true, true},
        {b, MA_NOACTIVATE, false, true},
        {b, MA_ACTIVATEANDEAT, true, false},
        {b, MA_NOACTIVATEANDEAT, false, false},
        // The child's own answer stands without asking the parent.
        {b1, MA_NOACTIVATEANDEAT, false, false},
    };
    for (const Case& c : cases) {
        SetActiveWindow(a);
        desktop.Pump();
        answers.clear();
        answers[{c.answering, WM_MOUSEACTIVATE}] = c.answer;
        TakeTrace();
        desktop.Host().Click({220, 20});
        const Lines lines = TakeTrace();
        const std::string name = NameOf(c.answering) + " answers " + std::to_string(c.answer);
        EXPECT_EQ(GetActiveWindow(), c.activates ? b : a) << name;
        EXPECT_EQ(Delivered(lines), c.delivered) << name;
        // The desktop ends up agreeing about the active window.
        EXPECT_EQ(desktop.Host().ActiveWindow(), desktop.NativeOf(GetActiveWindow())) << name;
        if (c.answering == b1) {
            EXPECT_EQ(
                std::find(lines.begin(), lines.end(), "B WM_MOUSEACTIVATE B 1 WM_LBUTTONDOWN"),
                lines.end());
        }
    }
}

TEST_F(NonClientInputTest, ParentsHearOfTheirChildrensBirthDeathAndPresses) {
    const auto id = [](HWND window) { return "#" + std::to_string(window.Value()); };
    const HWND form = Make("form", WS_POPUP | WS_VISIBLE, {100, 100, 300, 200});
    TakeTrace();
    const HWND mid = Make("mid", WS_CHILD | WS_VISIBLE, {10, 10, 110, 90}, form);
    EXPECT_EQ(TakeTrace(), (Lines{"form WM_PARENTNOTIFY WM_CREATE " + id(mid)}));
    const HWND leaf = Make("leaf", WS_CHILD | WS_VISIBLE, {5, 5, 50, 50}, mid);
    EXPECT_EQ(TakeTrace(), (Lines{"mid WM_PARENTNOTIFY WM_CREATE " + id(leaf),
                                  "form WM_PARENTNOTIFY WM_CREATE " + id(mid)}));

    desktop.Host().Click({120, 120});
    Lines lines = TakeTrace();
    std::erase_if(lines, [](const std::string& line) {
        return line.find("WM_PARENTNOTIFY") == std::string::npos;
    });
    EXPECT_EQ(lines, (Lines{"mid WM_PARENTNOTIFY WM_LBUTTONDOWN 10,10",
                            "form WM_PARENTNOTIFY WM_LBUTTONDOWN 20,20"}));

    // A quiet child tells no one, though its own children tell it.
    const HWND quiet =
        Make("quiet", WS_CHILD | WS_VISIBLE, {120, 10, 190, 90}, form, WS_EX_NOPARENTNOTIFY);
    EXPECT_EQ(TakeTrace(), Lines{});
    const HWND inside = Make("inside", WS_CHILD, {0, 0, 10, 10}, quiet);
    EXPECT_EQ(TakeTrace(), (Lines{"quiet WM_PARENTNOTIFY WM_CREATE " + id(inside)}));

    // Only the window destroyed tells; the windows it takes along do not.
    DestroyWindow(leaf);
    EXPECT_EQ(TakeTrace(), (Lines{"mid WM_PARENTNOTIFY WM_DESTROY " + id(leaf),
                                  "form WM_PARENTNOTIFY WM_DESTROY " + id(mid)}));
    DestroyWindow(quiet);
    EXPECT_EQ(TakeTrace(), Lines{});
    DestroyWindow(mid);
    EXPECT_EQ(TakeTrace(), (Lines{"form WM_PARENTNOTIFY WM_DESTROY " + id(mid)}));
}

}  // namespace
}  // namespace win::test
