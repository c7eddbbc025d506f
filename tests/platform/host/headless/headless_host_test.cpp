#include "platform/host/headless/headless_host.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace win::host {
namespace {

// Writes every event it gets as one line, so sequences compare as tables.
class RecordingSink final : public EventSink {
public:
    explicit RecordingSink(HeadlessHost& host) : host_(host) {}

    std::vector<std::string> log;
    std::function<void()> onWakeUp;

    void OnMouse(WindowId window, const MouseEvent& event) override {
        static const char* const kNames[] = {"move",  "press", "release", "dblclk",
                                             "wheel", "enter", "leave"};
        log.push_back(std::string(kNames[static_cast<int>(event.action)]) + " " + Id(window) + " " +
                      std::to_string(event.screen.x) + "," + std::to_string(event.screen.y));
    }
    void OnKey(WindowId window, const KeyEvent& event) override {
        log.push_back(std::string(event.action == KeyAction::Down ? "keydown " : "keyup ") +
                      Id(window) + " " + std::to_string(event.virtualKey) +
                      (event.modifiers.alt ? " alt" : ""));
    }
    void OnText(WindowId window, std::string_view utf8) override {
        log.push_back("text " + Id(window) + " " + std::string(utf8));
    }
    void OnCloseRequested(WindowId window) override { log.push_back("close " + Id(window)); }
    void OnActivationChanged(WindowId window, bool active) override {
        log.push_back((active ? "activate " : "deactivate ") + Id(window));
    }
    void OnExposed(WindowId, Rect) override {}
    void OnGeometryChanged(WindowId window, Rect) override { log.push_back("moved " + Id(window)); }
    void OnMinimizedChanged(WindowId window, bool minimized) override {
        log.push_back((minimized ? "minimized " : "restored ") + Id(window));
    }
    void OnPopupDismissed(WindowId) override {}
    void OnDisplayChanged() override { log.push_back("display"); }
    void OnSystemColorsChanged() override {}
    void OnThemeChanged() override {}
    void OnTrayIcon(const TrayEvent& event) override {
        log.push_back("tray " + std::to_string(static_cast<int>(event.action)));
    }
    void OnSessionEnding() override { log.push_back("session end"); }
    void OnWakeUp() override {
        log.push_back("wake " + std::to_string(host_.NowMilliseconds()));
        if (onWakeUp) {
            onWakeUp();
        }
    }

private:
    static std::string Id(WindowId window) {
        return std::to_string(static_cast<std::uint64_t>(window));
    }
    HeadlessHost& host_;
};

class HeadlessHostTest : public ::testing::Test {
protected:
    HeadlessHostTest() { host.SetEventSink(&sink); }

    WindowId Open(Rect content, bool topmost = false, WindowKind kind = WindowKind::TopLevel) {
        WindowSpec request;
        request.kind = kind;
        request.content = content;
        request.topmost = topmost;
        const WindowId id = host.CreateNativeWindow(request);
        host.Show(id, false);
        return id;
    }

    HeadlessHost host;
    RecordingSink sink{host};
};

TEST_F(HeadlessHostTest, AdvanceStopsAtEveryWakeUpSetOnTheWay) {
    // A 100 ms interval timer as the window manager would run it: re-armed at each wake-up.
    sink.onWakeUp = [&] { host.SetWakeUp(host.NowMilliseconds() + 100); };
    host.SetWakeUp(100);
    host.Advance(350);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"wake 100", "wake 200", "wake 300"}));
    EXPECT_EQ(host.NowMilliseconds(), 350);

    sink.log.clear();
    host.SetWakeUp(std::nullopt);
    host.Advance(1000);
    EXPECT_TRUE(sink.log.empty());
}

TEST_F(HeadlessHostTest, WakeUpAlreadyDueFiresOnTheNextProcessing) {
    host.Advance(50);
    host.SetWakeUp(10);
    host.ProcessPendingEvents();
    EXPECT_EQ(sink.log, (std::vector<std::string>{"wake 50"}));
    host.ProcessPendingEvents();
    EXPECT_EQ(sink.log.size(), 1u);
}

TEST_F(HeadlessHostTest, WaitingJumpsToScheduledInputAndRefusesToWaitForNothing) {
    const WindowId window = Open({0, 0, 100, 100});
    host.At(500, [&] { host.Click({10, 10}); });
    host.SetWakeUp(200);
    host.WaitForEvents();
    EXPECT_EQ(sink.log.back(), "wake 200");
    host.WaitForEvents();
    EXPECT_EQ(host.NowMilliseconds(), 500);
    const std::string id = std::to_string(static_cast<std::uint64_t>(window));
    EXPECT_EQ(sink.log,
              (std::vector<std::string>{"wake 200", "enter " + id + " 10,10",
                                        "move " + id + " 10,10", "activate " + id,
                                        "press " + id + " 10,10", "release " + id + " 10,10"}));
    EXPECT_THROW(host.WaitForEvents(), std::logic_error);
}

TEST_F(HeadlessHostTest, PointerGoesToTheTopmostWindowInsideItsShape) {
    const WindowId below = Open({0, 0, 200, 200});
    const WindowId above = Open({50, 50, 150, 150}, true);
    // A later ordinary window still stays under the topmost one.
    const WindowId later = Open({0, 0, 100, 100});
    EXPECT_EQ(host.WindowAt({60, 60}), above);
    EXPECT_EQ(host.WindowAt({10, 10}), later);

    const std::vector<Span> corner{{0, 10, 100}};  // only row 0, from x = 10
    host.SetShape(above, corner);
    EXPECT_EQ(host.WindowAt({60, 60}), later);
    EXPECT_EQ(host.WindowAt({60, 50}), above);
    EXPECT_EQ(host.WindowAt({55, 50}), later);
    host.ClearShape(above);
    host.Hide(later);
    EXPECT_EQ(host.WindowAt({10, 10}), below);
    EXPECT_EQ(host.WindowAt({300, 300}), WindowId::None);
}

TEST_F(HeadlessHostTest, PressedWindowKeepsThePointerUntilRelease) {
    const WindowId left = Open({0, 0, 100, 100});
    const WindowId right = Open({100, 0, 200, 100});
    host.MoveMouse({50, 50});
    host.PressMouse(MouseButton::Left);
    sink.log.clear();
    host.MoveMouse({150, 50});
    host.ReleaseMouse(MouseButton::Left);
    const std::string l = std::to_string(static_cast<std::uint64_t>(left));
    const std::string r = std::to_string(static_cast<std::uint64_t>(right));
    EXPECT_EQ(sink.log,
              (std::vector<std::string>{"move " + l + " 150,50", "release " + l + " 150,50",
                                        "leave " + l + " 150,50", "enter " + r + " 150,50"}));
}

TEST_F(HeadlessHostTest, GrabbingPopupGetsEverythingAndIsNeverActivated) {
    const WindowId form = Open({0, 0, 300, 300});
    host.Activate(form);
    const WindowId popup = Open({10, 10, 60, 60}, false, WindowKind::Popup);
    host.GrabPointer(popup);
    host.ProcessPendingEvents();
    sink.log.clear();
    host.Click({200, 200});
    host.KeyDown(0x28);
    const std::string p = std::to_string(static_cast<std::uint64_t>(popup));
    EXPECT_EQ(sink.log,
              (std::vector<std::string>{"move " + p + " 200,200", "press " + p + " 200,200",
                                        "release " + p + " 200,200", "keydown " + p + " 40"}));
    EXPECT_EQ(host.ActiveWindow(), form);
    host.Activate(popup);
    EXPECT_EQ(host.ActiveWindow(), form);
}

TEST_F(HeadlessHostTest, ActivationMovesWithPressesAndKeysCarryAlt) {
    const WindowId first = Open({0, 0, 100, 100});
    const WindowId second = Open({200, 0, 300, 100});
    host.Click({10, 10});
    sink.log.clear();
    host.Click({210, 10});
    host.KeyDown(0x12);
    host.KeyDown(0x46);
    host.KeyUp(0x12);
    const std::string a = std::to_string(static_cast<std::uint64_t>(first));
    const std::string b = std::to_string(static_cast<std::uint64_t>(second));
    EXPECT_EQ(sink.log,
              (std::vector<std::string>{"leave " + a + " 210,10", "enter " + b + " 210,10",
                                        "move " + b + " 210,10", "deactivate " + a, "activate " + b,
                                        "press " + b + " 210,10", "release " + b + " 210,10",
                                        "keydown " + b + " 18 alt", "keydown " + b + " 70 alt",
                                        "keyup " + b + " 18"}));
}

TEST_F(HeadlessHostTest, PresentCopiesOnlyTheDirtyPartAndScreenshotHonoursShapes) {
    host.SetScreen({4, 2}, {0, 0, 4, 2});
    const WindowId window = Open({1, 0, 4, 2});
    std::vector<std::uint32_t> pixels(6, 0x112233);
    host.Present(window, {pixels.data(), 3, 2, 3}, {0, 0, 3, 2});
    std::fill(pixels.begin(), pixels.end(), 0xFFFFFF);
    host.Present(window, {pixels.data(), 3, 2, 3}, {1, 1, 2, 2});
    const headless::HeadlessWindow* state = host.FindWindow(window);
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->PixelAt(0, 1), 0x112233u);
    EXPECT_EQ(state->PixelAt(1, 1), 0xFFFFFFu);
    EXPECT_EQ(state->PixelAt(2, 1), 0x112233u);

    const std::vector<Span> shape{{1, 0, 3}};
    host.SetShape(window, shape);
    EXPECT_EQ(host.Screenshot(),
              (std::vector<std::uint32_t>{0, 0, 0, 0, 0, 0x112233, 0xFFFFFF, 0x112233}));
}

TEST_F(HeadlessHostTest, TrayInputArrivesOnlyWhileTheIconIsShown) {
    EXPECT_FALSE(host.TrayInput(TrayAction::Press, MouseButton::Right));
    host.SetTrayIcon({}, "/opt/quellan");
    host.ShowTrayIcon();
    EXPECT_TRUE(host.TrayInput(TrayAction::Press, MouseButton::Right));
    host.RemoveTrayIcon();
    EXPECT_FALSE(host.TrayInput(TrayAction::Release, MouseButton::Right));
    EXPECT_EQ(sink.log, (std::vector<std::string>{"tray 0"}));

    host.SetTrayAvailable(false);
    host.ShowTrayIcon();
    EXPECT_FALSE(host.Tray().shown);
}

// A minimised window stays shown but leaves the screen: the pointer passes through to what is
// under it and it is not active. Only the desktop's own minimising is reported.
TEST_F(HeadlessHostTest, AMinimisedWindowIsOffTheScreenUntilBroughtBack) {
    const WindowId below = Open({0, 0, 100, 100});
    const WindowId above = Open({0, 0, 100, 100});
    host.Activate(above);
    host.SetMinimized(above, true);
    EXPECT_TRUE(host.FindWindow(above)->visible);
    EXPECT_EQ(host.WindowAt({10, 10}), below);
    host.Activate(above);
    host.ProcessPendingEvents();
    const std::string id = std::to_string(static_cast<std::uint64_t>(above));
    EXPECT_EQ(sink.log.back(), "deactivate " + id) << "not activated while minimised";
    host.SetMinimized(above, false);
    EXPECT_EQ(host.WindowAt({10, 10}), above);

    sink.log.clear();
    host.MinimizeFromDesktop(above, true);
    host.MinimizeFromDesktop(above, false);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"minimized " + id, "restored " + id}));
}

TEST_F(HeadlessHostTest, DestroyedWindowGetsNoMoreInput) {
    const WindowId window = Open({0, 0, 100, 100});
    host.Click({10, 10});
    host.DestroyNativeWindow(window);
    sink.log.clear();
    host.Click({20, 20});
    host.KeyDown(0x41);
    host.RequestClose(window);
    EXPECT_TRUE(sink.log.empty());
    EXPECT_EQ(host.ActiveWindow(), WindowId::None);
    EXPECT_EQ(host.LiveWindowCount(), 0u);
    // What it was made as is still on record, untouched by later changes.
    ASSERT_EQ(host.CreatedWindows().size(), 1u);
    EXPECT_EQ(host.CreatedWindows()[0].id, window);
    EXPECT_EQ(host.CreatedWindows()[0].request.content, (Rect{0, 0, 100, 100}));
}

TEST_F(HeadlessHostTest, TheCreationRecordKeepsTheRequestAsItWasMade) {
    const WindowId window = Open({0, 0, 100, 100});
    host.SetTopmost(window, true);
    host.SetContentRect(window, {5, 5, 50, 50});
    EXPECT_TRUE(host.FindWindow(window)->request.topmost);
    EXPECT_FALSE(host.CreatedWindows().back().request.topmost);
    EXPECT_EQ(host.CreatedWindows().back().request.content, (Rect{0, 0, 100, 100}));
}

TEST_F(HeadlessHostTest, ServicesAreRecordedAndNeverTakeAnEmptyCommand) {
    EXPECT_FALSE(host.StartDetachedProcess({}, ProcessWindowHint::Hidden));
    EXPECT_TRUE(host.StartDetachedProcess({"/bin/true", "a b;c"}, ProcessWindowHint::Hidden));
    ASSERT_EQ(host.StartedProcesses().size(), 1u);
    EXPECT_EQ(host.StartedProcesses()[0].argv[1], "a b;c");
    EXPECT_FALSE(host.CreateWebView(WindowId{1}, {}).has_value());
    host.SetWebViewsAvailable(true);
    const WindowId window = Open({0, 0, 10, 10});
    const auto view = host.CreateWebView(window, {0, 0, 5, 5});
    ASSERT_TRUE(view.has_value());
    host.Navigate(*view, "http://127.0.0.1/notice.html");
    EXPECT_EQ(host.FindWebView(*view)->navigations.size(), 1u);
    host.DestroyNativeWindow(window);
    EXPECT_EQ(host.FindWebView(*view), nullptr);
}

}  // namespace
}  // namespace win::host
