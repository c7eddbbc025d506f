#include <gtest/gtest.h>

#include <algorithm>

#include "recording_window.h"

namespace win::test {
namespace {

using Lines = std::vector<std::string>;

class InputRoutingTest : public RecordingTest {
protected:
    InputRoutingTest() {
        onMessage = [this](HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam) -> std::optional<LRESULT> {
            const std::string name = NameOf(window) + " " + MessageName(message);
            switch (message) {
                case WM_MOUSEMOVE:
                case WM_LBUTTONDOWN:
                case WM_LBUTTONUP:
                case WM_LBUTTONDBLCLK:
                case WM_RBUTTONDOWN:
                    trace.push_back(name + " " + std::to_string(GET_X_LPARAM(lParam)) + "," +
                                    std::to_string(GET_Y_LPARAM(lParam)) + " keys " +
                                    std::to_string(wParam));
                    break;
                case WM_KEYDOWN:
                case WM_KEYUP:
                case WM_SYSKEYDOWN:
                case WM_SYSKEYUP:
                    trace.push_back(name + " " + std::to_string(wParam) + " flags " +
                                    std::to_string((static_cast<std::uint32_t>(lParam) >> 29) & 7));
                    break;
                case WM_CHAR:
                case WM_SYSCHAR:
                    trace.push_back(name + " " + std::to_string(wParam));
                    break;
                case WM_MOUSELEAVE:
                case WM_CAPTURECHANGED:
                case WM_CLOSE:
                case WM_SYSCOLORCHANGE:
                case WM_THEMECHANGED:
                case WM_QUERYENDSESSION:
                case WM_ENDSESSION:
                    trace.push_back(name);
                    break;
                default:
                    break;
            }
            return std::nullopt;
        };
        form = Make("form", WS_POPUP | WS_VISIBLE, {100, 100, 300, 200});
        left = Make("left", WS_CHILD | WS_VISIBLE, {0, 0, 100, 100}, form);
        right = Make("right", WS_CHILD | WS_VISIBLE, {100, 0, 200, 100}, form, 0, "RecorderDblClk");
        inner = Make("inner", WS_CHILD | WS_VISIBLE, {40, 40, 60, 60}, left);
    }

    void Track(HWND window) {
        TRACKMOUSEEVENT request;
        request.dwFlags = TME_LEAVE;
        request.hwndTrack = window;
        ASSERT_TRUE(TrackMouseEvent(&request));
    }
    Lines Moves() {
        Lines moves = std::move(trace);
        trace.clear();
        return moves;
    }

    HWND form, left, right, inner;
    Lines trace;
};

TEST_F(InputRoutingTest, MouseGoesToTheWindowUnderItInClientCoordinates) {
    desktop.Host().MoveMouse({110, 120});
    desktop.Host().KeyDown(VK_SHIFT);
    desktop.Host().PressMouse(host::MouseButton::Left);
    desktop.Host().ReleaseMouse(host::MouseButton::Left);
    desktop.Host().KeyUp(VK_SHIFT);
    desktop.Host().Click({250, 150}, host::MouseButton::Right);
    Lines moves = Moves();
    std::erase_if(moves,
                  [](const std::string& line) { return line.find("WM_KEY") != std::string::npos; });
    EXPECT_EQ(moves, (Lines{"left WM_MOUSEMOVE 10,20 keys 0", "left WM_LBUTTONDOWN 10,20 keys 5",
                            "left WM_LBUTTONUP 10,20 keys 4", "right WM_MOUSEMOVE 50,50 keys 0",
                            "right WM_RBUTTONDOWN 50,50 keys 2"}));
}

TEST_F(InputRoutingTest, DoubleClicksOnlyForClassesThatAskForThem) {
    desktop.Host().MoveMouse({110, 110});
    desktop.Host().DoubleClickMouse(host::MouseButton::Left);
    desktop.Host().ReleaseMouse(host::MouseButton::Left);
    desktop.Host().MoveMouse({210, 110});
    desktop.Host().DoubleClickMouse(host::MouseButton::Left);
    const Lines moves = Moves();
    EXPECT_EQ(moves[1], "left WM_LBUTTONDOWN 10,10 keys 1");
    EXPECT_EQ(moves[4], "right WM_LBUTTONDBLCLK 10,10 keys 1");
}

TEST_F(InputRoutingTest, CaptureTakesTheMouseWhereverItIs) {
    SetCapture(left);
    desktop.Host().MoveMouse({250, 150});
    EXPECT_EQ(Moves(), (Lines{"left WM_MOUSEMOVE 150,50 keys 0"}));
    SetCapture(right);
    EXPECT_EQ(Moves(), (Lines{"left WM_CAPTURECHANGED"}));
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(Moves(), (Lines{"right WM_CAPTURECHANGED"}));
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_TRUE(Moves().empty());
    EXPECT_FALSE(GetCapture());
}

TEST_F(InputRoutingTest, OneLeaveNoticePerRequest) {
    desktop.Host().MoveMouse({110, 110});
    Track(left);
    Track(left);
    desktop.Host().MoveMouse({120, 110});
    // Over a child of the tracked window is off the window.
    desktop.Host().MoveMouse({145, 145});
    desktop.Host().MoveMouse({110, 110});
    desktop.Host().MoveMouse({210, 110});
    EXPECT_EQ(Moves(),
              (Lines{"left WM_MOUSEMOVE 10,10 keys 0", "left WM_MOUSEMOVE 20,10 keys 0",
                     "left WM_MOUSELEAVE", "inner WM_MOUSEMOVE 5,5 keys 0",
                     "left WM_MOUSEMOVE 10,10 keys 0", "right WM_MOUSEMOVE 10,10 keys 0"}));
    // Asked for while the cursor is elsewhere: the notice comes at once.
    Track(left);
    desktop.Pump();
    EXPECT_EQ(Moves(), (Lines{"left WM_MOUSELEAVE"}));
    // Leaving all our windows counts too; a cancelled request gives nothing.
    Track(right);
    desktop.Host().MoveMouse({600, 600});
    desktop.Host().MoveMouse({210, 110});
    Track(right);
    TRACKMOUSEEVENT cancel;
    cancel.dwFlags = TME_LEAVE | TME_CANCEL;
    cancel.hwndTrack = right;
    TrackMouseEvent(&cancel);
    desktop.Host().MoveMouse({600, 600});
    EXPECT_EQ(Moves(), (Lines{"right WM_MOUSELEAVE", "right WM_MOUSEMOVE 10,10 keys 0"}));
}

TEST_F(InputRoutingTest, HoverNoticeAfterTheCursorRests) {
    Lines hovers;
    const auto previous = onMessage;
    onMessage = [&](HWND window, UINT message, WPARAM wParam,
                    LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_MOUSEHOVER) {
            hovers.push_back(
                NameOf(window) + " " + std::to_string(desktop.Host().NowMilliseconds()) + " " +
                std::to_string(GET_X_LPARAM(lParam)) + "," + std::to_string(GET_Y_LPARAM(lParam)));
        }
        return previous(window, message, wParam, lParam);
    };
    desktop.Host().MoveMouse({210, 110});
    TRACKMOUSEEVENT request;
    request.dwFlags = TME_HOVER;
    request.hwndTrack = right;
    request.dwHoverTime = 300;
    ASSERT_TRUE(TrackMouseEvent(&request));
    desktop.Advance(200);
    // Moving restarts the wait.
    desktop.Host().MoveMouse({212, 111});
    desktop.Advance(299);
    EXPECT_TRUE(hovers.empty());
    desktop.Advance(1);
    EXPECT_EQ(hovers, (Lines{"right 500 12,11"}));
    desktop.Advance(1000);
    EXPECT_EQ(hovers.size(), 1u);
    // Leaving the window ends the request.
    ASSERT_TRUE(TrackMouseEvent(&request));
    desktop.Host().MoveMouse({110, 110});
    desktop.Advance(1000);
    EXPECT_EQ(hovers.size(), 1u);
}

TEST_F(InputRoutingTest, LeavingWithAButtonHeldStillGivesTheNotice) {
    desktop.Host().MoveMouse({205, 110});
    Track(right);
    desktop.Host().PressMouse(host::MouseButton::Left);
    // Off every window, the button still held: no capture, so no move, but the leave comes.
    desktop.Host().MoveMouse({600, 600});
    desktop.Host().ReleaseMouse(host::MouseButton::Left);
    const Lines moves = Moves();
    EXPECT_EQ(std::count(moves.begin(), moves.end(), "right WM_MOUSELEAVE"), 1);
    EXPECT_EQ(moves.back(), "right WM_MOUSELEAVE");
}

TEST_F(InputRoutingTest, OpeningAnAddressGoesToTheDesktop) {
    EXPECT_GT(ShellExecute(form, "open", "http://127.0.0.1/notice.html", "", "", SW_SHOWNORMAL),
              32);
    EXPECT_EQ(desktop.Host().OpenedUrls().back(), "http://127.0.0.1/notice.html");
    EXPECT_EQ(ShellExecute(form, "print", "file.txt", "", "", SW_SHOWNORMAL), SE_ERR_NOASSOC);
    desktop.Host().SetServicesSucceed(false);
    EXPECT_LE(ShellExecute(form, "", "http://127.0.0.1/", "", "", SW_SHOWNORMAL), 32);
}

TEST_F(InputRoutingTest, StartingAProgramGoesToTheDesktopWithItsShowCommand) {
    using host::ProcessWindowHint;
    const struct {
        int show;
        ProcessWindowHint hint;
    } cases[] = {
        {SW_HIDE, ProcessWindowHint::Hidden},
        {SW_SHOWNORMAL, ProcessWindowHint::Normal},
        {SW_SHOWMINIMIZED, ProcessWindowHint::Minimized},
        {SW_MINIMIZE, ProcessWindowHint::Minimized},
        {SW_SHOWMINNOACTIVE, ProcessWindowHint::Minimized},
        {SW_SHOWMAXIMIZED, ProcessWindowHint::Maximized},
        {SW_SHOWNOACTIVATE, ProcessWindowHint::Normal},
    };
    for (const auto& c : cases) {
        EXPECT_GT(ShellExecuteProcess(form, {"/bin/true", "a b"}, c.show), 32) << c.show;
        ASSERT_FALSE(desktop.Host().StartedProcesses().empty());
        EXPECT_EQ(desktop.Host().StartedProcesses().back().hint, c.hint) << c.show;
    }
    EXPECT_EQ(desktop.Host().StartedProcesses().back().argv,
              (std::vector<std::string>{"/bin/true", "a b"}));
    const std::size_t started = desktop.Host().StartedProcesses().size();
    EXPECT_EQ(ShellExecuteProcess(form, {}, SW_SHOWNORMAL), SE_ERR_FILE_NOT_FOUND);
    EXPECT_EQ(ShellExecuteProcess(form, {""}, SW_SHOWNORMAL), SE_ERR_FILE_NOT_FOUND);
    EXPECT_EQ(desktop.Host().StartedProcesses().size(), started);
    desktop.Host().SetServicesSucceed(false);
    EXPECT_LE(ShellExecuteProcess(form, {"/bin/true"}, SW_SHOWNORMAL), 32);
}

TEST_F(InputRoutingTest, TheClipboardIsTheDesktops) {
    EXPECT_FALSE(GetClipboardText());
    EXPECT_TRUE(SetClipboardText("流量 1"));
    EXPECT_EQ(desktop.Host().ClipboardText(), "流量 1");
    desktop.Host().SetClipboardText("other");
    EXPECT_EQ(GetClipboardText(), "other");
}

TEST(DesktopServicesWithoutDesktop, FailAndStartNothing) {
    DetachHost();
    EXPECT_FALSE(SetClipboardText("x"));
    EXPECT_FALSE(GetClipboardText());
    EXPECT_EQ(ShellExecuteProcess(nullptr, {"/bin/true"}, SW_SHOWNORMAL), SE_ERR_NOASSOC);
}

TEST_F(InputRoutingTest, KeysGoToTheFocusAndAltMakesThemSystemKeys) {
    SetFocus(right);
    desktop.Host().KeyDown(VK_SPACE);
    desktop.Host().KeyDown(VK_SPACE, true);
    desktop.Host().KeyUp(VK_SPACE);
    desktop.Host().KeyDown(VK_MENU);
    desktop.Host().KeyDown('F');
    desktop.Host().KeyUp('F');
    desktop.Host().KeyUp(VK_MENU);
    desktop.Host().KeyDown(VK_RETURN);
    desktop.Host().TypeText("a流\n");
    EXPECT_EQ(Moves(), (Lines{"right WM_KEYDOWN 32 flags 0", "right WM_KEYDOWN 32 flags 2",
                              "right WM_KEYUP 32 flags 6", "right WM_SYSKEYDOWN 18 flags 1",
                              "right WM_SYSKEYDOWN 70 flags 1", "right WM_SYSCHAR 102",
                              "right WM_SYSKEYUP 70 flags 7", "right WM_SYSKEYUP 18 flags 6",
                              "right WM_KEYDOWN 13 flags 0", "right WM_CHAR 13", "right WM_CHAR 97",
                              "right WM_CHAR 27969"}));
    EXPECT_EQ(GetKeyState(VK_MENU) & 0x8000, 0);
    desktop.Host().KeyDown(VK_SHIFT);
    EXPECT_NE(GetKeyState(VK_SHIFT) & 0x8000, 0);
}

TEST_F(InputRoutingTest, CursorFollowsTheClassOrTheProgram) {
    desktop.Host().MoveMouse({110, 110});
    const auto* native = desktop.Host().FindWindow(desktop.NativeOf(form));
    EXPECT_EQ(native->cursor, host::CursorShape::Arrow);
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    EXPECT_EQ(native->cursor, host::CursorShape::Hand);
    EXPECT_EQ(GetCursor().Value(), 32649);
    POINT position;
    GetCursorPos(&position);
    EXPECT_EQ(position, (POINT{110, 110}));
    EXPECT_EQ(WindowFromPoint(position), left);
}

TEST_F(InputRoutingTest, DesktopEventsBecomeMessagesForEveryWindow) {
    desktop.Host().ChangeSystemColors();
    EXPECT_EQ(Moves(), (Lines{"form WM_SYSCOLORCHANGE", "left WM_SYSCOLORCHANGE",
                              "inner WM_SYSCOLORCHANGE", "right WM_SYSCOLORCHANGE"}));
    desktop.Host().ChangeTheme();
    EXPECT_EQ(Moves().size(), 4u);
    desktop.Host().RequestClose(desktop.NativeOf(form));
    EXPECT_EQ(Moves(), (Lines{"form WM_CLOSE"}));
    EXPECT_FALSE(IsWindow(form));
}

TEST_F(InputRoutingTest, SessionEndAsksEveryTopLevelWindowAndEndsTheLoop) {
    desktop.Host().EndSession();
    EXPECT_EQ(Moves(), (Lines{"form WM_QUERYENDSESSION", "form WM_ENDSESSION"}));
    MSG msg;
    EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), 0);
}

TEST_F(InputRoutingTest, TrayClicksArriveAsTheCallbackMessage) {
    Lines tray;
    onMessage = [&](HWND, UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == 1147) {
            tray.push_back(std::to_string(wParam) + " " + MessageName(static_cast<UINT>(lParam)));
        }
        return std::nullopt;
    };
    NOTIFYICONDATA data;
    data.hWnd = form;
    data.uFlags = NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = 1147;
    data.szTip = "/opt/quellan";
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &data));
    EXPECT_EQ(desktop.Host().Tray().tip, "/opt/quellan");
    desktop.Host().TrayInput(host::TrayAction::Press, host::MouseButton::Right);
    desktop.Host().TrayInput(host::TrayAction::Release, host::MouseButton::Right);
    EXPECT_EQ(tray, (Lines{"0 WM_RBUTTONDOWN", "0 " + MessageName(WM_RBUTTONUP)}));
    // The window is gone: the icon stays, and a click reaches nobody.
    DestroyWindow(form);
    EXPECT_TRUE(desktop.Host().TrayInput(host::TrayAction::Press, host::MouseButton::Right));
    EXPECT_EQ(tray.size(), 2u);
}

}  // namespace
}  // namespace win::test
