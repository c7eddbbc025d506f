#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/gdi/text/text_engine.h"
#include "tests/platform/host/qt/support/host_fixture.h"
#include "tests/support/desktop_probe.h"

namespace win::host {
namespace {

using desktop_testing::RunTool;
using testing::HostFixture;

constexpr std::uint32_t kRed = 0x00FF0000;
constexpr std::uint32_t kGreen = 0x0000FF00;
constexpr std::uint32_t kBlue = 0x000000FF;

class QtHostGuiTest : public ::testing::Test {
protected:
    struct Window {
        WindowId id;
        std::vector<std::uint32_t> pixels;
    };

    Window Open(WindowSpec request, std::uint32_t colour, bool activate = true) {
        Window window{host().CreateNativeWindow(request), {}};
        const Size size{request.content.Width(), request.content.Height()};
        window.pixels = HostFixture::Solid(size, colour);
        host().Present(window.id, View(window, size), {0, 0, size.width, size.height});
        host().Show(window.id, activate);
        return window;
    }

    static PixelView View(const Window& window, Size size) {
        return {window.pixels.data(), size.width, size.height, size.width};
    }

    std::string StateOf(WindowId id) {
        return RunTool("xprop -id " + desktop_testing::HexWindow(host().NativeWindowHandle(id)) +
                       " _NET_WM_STATE _NET_FRAME_EXTENTS");
    }

    bool WaitMapped(WindowId id) {
        return fixture_.PumpUntil([&] {
            return RunTool("xwininfo -id " +
                           desktop_testing::HexWindow(host().NativeWindowHandle(id)))
                           .find("IsViewable") != std::string::npos &&
                   StateOf(id).find("_NET_FRAME_EXTENTS(CARDINAL)") != std::string::npos;
        });
    }

    QtHost& host() { return fixture_.Host(); }
    testing::RecordingSink& sink() { return fixture_.Sink(); }

    HostFixture fixture_;
};

TEST_F(QtHostGuiTest, TopmostWindowIsPlacedExactlyFramelessAboveALaterWindowAndOffTheTaskbar) {
    WindowSpec mini;
    mini.content = {300, 200, 460, 320};
    mini.topmost = true;
    mini.skipTaskbar = true;
    mini.title = "迷你窗口";
    const Window first = Open(mini, kRed);
    ASSERT_TRUE(WaitMapped(first.id));

    WindowSpec later;
    later.content = {350, 250, 550, 400};
    later.title = "later";
    const Window second = Open(later, kBlue);
    ASSERT_TRUE(WaitMapped(second.id));
    fixture_.PumpFor(300);

    const std::uint64_t handle = host().NativeWindowHandle(first.id);
    EXPECT_EQ(desktop_testing::WindowInfoField(handle, "Absolute upper-left X"), 300);
    EXPECT_EQ(desktop_testing::WindowInfoField(handle, "Absolute upper-left Y"), 200);
    EXPECT_EQ(desktop_testing::WindowInfoField(handle, "Width"), 160);
    EXPECT_EQ(desktop_testing::WindowInfoField(handle, "Height"), 120);

    const std::string state = StateOf(first.id);
    EXPECT_NE(state.find("_NET_WM_STATE_SKIP_TASKBAR"), std::string::npos) << state;
    EXPECT_NE(state.find("_NET_WM_STATE_ABOVE"), std::string::npos) << state;
    EXPECT_NE(state.find("_NET_FRAME_EXTENTS(CARDINAL) = 0, 0, 0, 0"), std::string::npos) << state;
    EXPECT_EQ(StateOf(second.id).find("_NET_WM_STATE_SKIP_TASKBAR"), std::string::npos);

    const auto stacking = desktop_testing::RootWindowList("_NET_CLIENT_LIST_STACKING");
    const auto firstAt = std::find(stacking.begin(), stacking.end(), handle);
    const auto secondAt =
        std::find(stacking.begin(), stacking.end(), host().NativeWindowHandle(second.id));
    ASSERT_NE(firstAt, stacking.end());
    ASSERT_NE(secondAt, stacking.end());
    EXPECT_GT(firstAt, secondAt) << "bottom to top, the topmost window comes last";

    const desktop_testing::Screenshot shot("topmost-window");
    EXPECT_EQ(shot.Pixel(310, 210), kRed);
    EXPECT_EQ(shot.Pixel(400, 300), kRed) << "the overlap shows the topmost";
    EXPECT_EQ(shot.Pixel(500, 350), kBlue);

    // Hidden and shown again, the window keeps its place and stays off the taskbar.
    host().Hide(first.id);
    fixture_.PumpFor(200);
    host().Show(first.id, false);
    ASSERT_TRUE(WaitMapped(first.id));
    fixture_.PumpFor(200);
    EXPECT_NE(StateOf(first.id).find("_NET_WM_STATE_SKIP_TASKBAR"), std::string::npos);
    EXPECT_EQ(desktop_testing::WindowInfoField(host().NativeWindowHandle(first.id),
                                               "Absolute upper-left X"),
              300);

    // Dropped from and put back on top while shown, it stays shown, placed and above.
    host().SetTopmost(first.id, false);
    EXPECT_TRUE(fixture_.PumpUntil(
        [&] { return StateOf(first.id).find("_NET_WM_STATE_ABOVE") == std::string::npos; }));
    host().SetTopmost(first.id, true);
    ASSERT_TRUE(WaitMapped(first.id))
        << RunTool("xwininfo -id " +
                   desktop_testing::HexWindow(host().NativeWindowHandle(first.id)))
        << StateOf(first.id);
    fixture_.PumpFor(200);
    const std::string again = StateOf(first.id);
    EXPECT_NE(again.find("_NET_WM_STATE_ABOVE"), std::string::npos) << again;
    EXPECT_NE(again.find("_NET_WM_STATE_SKIP_TASKBAR"), std::string::npos) << again;
    EXPECT_EQ(desktop_testing::WindowInfoField(host().NativeWindowHandle(first.id),
                                               "Absolute upper-left Y"),
              200);

    host().DestroyNativeWindow(first.id);
    host().DestroyNativeWindow(second.id);
}

TEST_F(QtHostGuiTest, RoundShapeShowsOnlyTheDiscAndPassesClicksOutsideIt) {
    WindowSpec request;
    request.content = {600, 100, 700, 200};
    request.topmost = true;
    const Window window = Open(request, kGreen);
    std::vector<Span> disc;
    for (int y = 0; y < 100; ++y) {
        const double dy = y + 0.5 - 50;
        const int half = static_cast<int>(std::sqrt(std::max(0.0, 50.0 * 50.0 - dy * dy)));
        disc.push_back({y, 50 - half, 50 + half});
    }
    host().SetShape(window.id, disc);
    ASSERT_TRUE(WaitMapped(window.id));
    fixture_.PumpFor(300);

    const desktop_testing::Screenshot shot("round-shape");
    EXPECT_EQ(shot.Pixel(650, 150), kGreen);
    EXPECT_EQ(shot.Pixel(652, 102), kGreen);
    EXPECT_NE(shot.Pixel(603, 103), kGreen);
    EXPECT_NE(shot.Pixel(697, 197), kGreen);

    RunTool("xdotool mousemove 603 103 click 1");
    RunTool("xdotool mousemove 650 150 click 1");
    ASSERT_TRUE(fixture_.PumpUntil([&] { return !sink().MouseOf(MouseAction::Release).empty(); }));
    const auto presses = sink().MouseOf(MouseAction::Press);
    ASSERT_EQ(presses.size(), 1u) << "the corner is not part of the window";
    EXPECT_EQ(presses[0].screen, (Point{650, 150}));
    host().DestroyNativeWindow(window.id);
}

TEST_F(QtHostGuiTest, ClickReachesTheSinkAtItsScreenPosition) {
    WindowSpec request;
    request.content = {200, 500, 300, 550};
    const Window window = Open(request, kBlue);
    ASSERT_TRUE(WaitMapped(window.id));
    RunTool("xdotool mousemove 230 520 click 1");
    ASSERT_TRUE(fixture_.PumpUntil([&] { return !sink().MouseOf(MouseAction::Release).empty(); }));
    const auto presses = sink().MouseOf(MouseAction::Press);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].screen, (Point{230, 520}));
    EXPECT_EQ(presses[0].button, MouseButton::Left);
    EXPECT_TRUE(presses[0].buttons.left);
    EXPECT_FALSE(sink().MouseOf(MouseAction::Release)[0].buttons.left);
    EXPECT_FALSE(sink().MouseOf(MouseAction::Enter).empty());
    EXPECT_EQ(host().CursorPosition(), (Point{230, 520}));
    for (const auto& m : sink().mouse) {
        EXPECT_EQ(m.window, window.id);
    }
    host().DestroyNativeWindow(window.id);
}

TEST_F(QtHostGuiTest, GrabbingPopupGetsThePressOutsideIt) {
    WindowSpec request;
    request.kind = WindowKind::Popup;
    request.content = {800, 400, 900, 500};
    const Window popup = Open(request, kGreen, false);
    host().GrabPointer(popup.id);
    fixture_.PumpFor(300);
    RunTool("xdotool mousemove 100 100 click 1");
    ASSERT_TRUE(fixture_.PumpUntil([&] { return !sink().MouseOf(MouseAction::Press).empty(); }));
    EXPECT_EQ(sink().mouse.back().window, popup.id);
    EXPECT_EQ(sink().MouseOf(MouseAction::Press)[0].screen, (Point{100, 100}));
    host().ReleasePointer(popup.id);
    host().DestroyNativeWindow(popup.id);
}

TEST_F(QtHostGuiTest, DecoratedWindowHasAFrameAndItsCloseBoxAsksUs) {
    WindowSpec request;
    request.content = {100, 300, 300, 400};
    request.decorated = true;
    request.title = "资费查询";
    const Window window = Open(request, kRed);
    ASSERT_TRUE(WaitMapped(window.id));
    fixture_.PumpFor(300);
    const std::string state = StateOf(window.id);
    EXPECT_EQ(state.find("_NET_FRAME_EXTENTS(CARDINAL) = 0, 0, 0, 0"), std::string::npos) << state;
    const Margins margins = host().DecorationMargins();
    EXPECT_GT(margins.top, 0);
    const std::uint64_t handle = host().NativeWindowHandle(window.id);
    EXPECT_EQ(desktop_testing::WindowInfoField(handle, "Width"), 200);
    EXPECT_EQ(desktop_testing::WindowInfoField(handle, "Height"), 100);
    // Move and close only: no minimise, maximise or resize.
    const std::string hints =
        RunTool("xprop -id " + desktop_testing::HexWindow(handle) + " _MOTIF_WM_HINTS");
    EXPECT_NE(hints.find("= 0x3, 0x24, 0x1a"), std::string::npos) << hints;
    desktop_testing::Screenshot("decorated-window");

    // The close box of openbox's default theme: the right end of the title bar.
    const int closeX = request.content.right - 1 - margins.right - 8;
    const int closeY = request.content.top - margins.top / 2;
    RunTool("xdotool mousemove " + std::to_string(closeX) + " " + std::to_string(closeY) +
            " click 1");
    ASSERT_TRUE(fixture_.PumpUntil([&] { return !sink().closeRequests.empty(); }));
    EXPECT_EQ(sink().closeRequests.front(), window.id);
    EXPECT_FALSE(sink().activations.empty());
    host().DestroyNativeWindow(window.id);
}

// Ours asked of the desktop, and the desktop's own (here asked with xdotool, as its minimise
// button or window list would) told to us; our own asking is not echoed back.
TEST_F(QtHostGuiTest, MinimisingGoesBothWays) {
    WindowSpec request;
    request.content = {200, 200, 360, 300};
    request.decorated = true;
    request.skipTaskbar = true;
    const Window window = Open(request, kBlue);
    ASSERT_TRUE(WaitMapped(window.id));
    const std::string hex = desktop_testing::HexWindow(host().NativeWindowHandle(window.id));
    auto iconic = [&] {
        return RunTool("xprop -id " + hex + " WM_STATE").find("Iconic") != std::string::npos;
    };
    host().SetMinimized(window.id, true);
    ASSERT_TRUE(fixture_.PumpUntil(iconic));
    host().SetMinimized(window.id, false);
    ASSERT_TRUE(fixture_.PumpUntil([&] { return !iconic(); }));
    fixture_.PumpFor(200);
    EXPECT_TRUE(sink().minimizations.empty());

    RunTool("xdotool windowminimize " + hex);
    ASSERT_TRUE(fixture_.PumpUntil([&] { return !sink().minimizations.empty(); }));
    EXPECT_EQ(sink().minimizations.back(), (std::pair{window.id, true}));
    RunTool("xdotool windowactivate " + hex);
    ASSERT_TRUE(fixture_.PumpUntil([&] { return sink().minimizations.size() >= 2; }));
    EXPECT_EQ(sink().minimizations.back(), (std::pair{window.id, false}));
    host().DestroyNativeWindow(window.id);
}

TEST_F(QtHostGuiTest, ChineseTextIsDrawnWithACjkFace) {
    const Size size{240, 40};
    std::vector<std::uint32_t> pixels = HostFixture::Solid(size, 0x00FFFFFF);
    std::vector<std::uint8_t> alpha(static_cast<std::size_t>(size.width) * size.height, 0);
    win::text::CoverageMask mask(0, 0, size.width, size.height, alpha);
    win::text::FontDescription font;
    font.faceName = "SimSun";
    font.height = -16;
    const auto matched = host().GetTextEngine()->MatchFont(font);
    matched->DrawRun("流量统计 Tahoma", 4, 4 + matched->Metrics().ascent, mask);
    int inked = 0;
    for (std::size_t i = 0; i < alpha.size(); ++i) {
        const std::uint32_t level = 255u - alpha[i];
        pixels[i] = level << 16 | level << 8 | level;
        inked += alpha[i] > 128;
    }
    EXPECT_GT(inked, 100);
    WindowSpec request;
    request.content = {500, 600, 500 + size.width, 600 + size.height};
    Window window{host().CreateNativeWindow(request), std::move(pixels)};
    host().Present(window.id, View(window, size), {0, 0, size.width, size.height});
    host().Show(window.id, false);
    ASSERT_TRUE(WaitMapped(window.id));
    fixture_.PumpFor(300);
    const desktop_testing::Screenshot shot("chinese-text");
    int dark = 0;
    for (int x = 500; x < 600; ++x) {
        for (int y = 600; y < 640; ++y) {
            dark += (shot.Pixel(x, y) & 0xFF) < 128;
        }
    }
    EXPECT_GT(dark, 50);
    host().DestroyNativeWindow(window.id);
}

TEST_F(QtHostGuiTest, WithoutATrayNothingFails) {
    EXPECT_FALSE(host().TrayAvailable());
    const std::vector<std::uint32_t> icon = HostFixture::Solid({16, 16}, kRed);
    host().SetTrayIcon({icon.data(), 16, 16, 16}, "/opt/quellan");
    host().ShowTrayIcon();
    fixture_.PumpFor(200);
    EXPECT_EQ(host().TrayIconRect(), std::nullopt);
    host().RemoveTrayIcon();
    EXPECT_TRUE(sink().tray.empty());
}

TEST_F(QtHostGuiTest, WithTrayRightClickIsPressThenRelease) {
    ASSERT_TRUE(fixture_.PumpUntil([&] { return host().TrayAvailable(); }));
    const std::vector<std::uint32_t> icon = HostFixture::Solid({16, 16}, kRed);
    host().SetTrayIcon({icon.data(), 16, 16, 16}, "/opt/quellan");
    host().ShowTrayIcon();
    ASSERT_TRUE(fixture_.PumpUntil([&] { return host().TrayIconRect().has_value(); }));
    fixture_.PumpFor(300);
    const Rect where = *host().TrayIconRect();
    desktop_testing::Screenshot("tray-icon");
    const int x = (where.left + where.right) / 2;
    const int y = (where.top + where.bottom) / 2;
    RunTool("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 3");
    ASSERT_TRUE(fixture_.PumpUntil([&] { return sink().tray.size() >= 2; }));
    EXPECT_EQ(sink().tray[0].action, TrayAction::Press);
    EXPECT_EQ(sink().tray[0].button, MouseButton::Right);
    EXPECT_EQ(sink().tray[1].action, TrayAction::Release);
    EXPECT_EQ(sink().tray[1].button, MouseButton::Right);
    EXPECT_EQ(sink().tray[0].screen, (Point{x, y}));
    host().RemoveTrayIcon();
}

}  // namespace
}  // namespace win::host
