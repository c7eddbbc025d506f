// The real program on a private X desktop: its mini window's place and desktop states, and what
// its "X" and "_" do.

#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <optional>
#include <regex>
#include <thread>

#include "meter/leading_number.h"
#include "platform/files/temporary_folder.h"
#include "platform/gdi/png/png_codec.h"
#include "tests/app/gui/child_process.h"
#include "tests/support/desktop_probe.h"
#include "tests/support/veth_web_server.h"
#include "windows/frm_right_artwork.h"

namespace quellan::gui_testing {

using namespace desktop_testing;
namespace {

constexpr int kWidth = 148;
constexpr int kHeight = 140;
// The window's bottom edge sits 370 twips (24.67 pixels) above the work area's.
constexpr int kBottomGap = 25;
constexpr int kTwipsPerPixel = 15;
constexpr std::uint64_t kBurstKilobytes = 200;  // downloaded over the veth pair each time

struct TwipsBox {
    int left, top, width, height;
};
// Where the window's code lays out its buttons and the received figure.
constexpr TwipsBox kHideButton{1680, 120, 255, 255};
constexpr TwipsBox kCloseButton{1920, 120, 255, 255};
constexpr TwipsBox kReceivedBox{120, 720, 1935, 270};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class MiniWindowOnDesktop : public testing_support::TemporaryFolderTest {
protected:
    std::filesystem::path TotalsFile() const { return Folder() / "allbandwidth.dat"; }

    // The traffic the program counts: downloads over a veth pair into a network namespace of the
    // test's own. Skips the test where it may not create one.
    void StartTrafficSource() {
        traffic_.emplace();
        if (traffic_->LacksRights()) {
            GTEST_SKIP() << traffic_->Problem();
        }
        ASSERT_TRUE(traffic_->Ready()) << traffic_->Problem();
    }
    void SendBurst() const { traffic_->Fetch(kBurstKilobytes * 1024); }

    // Starts the program in the test's folder and waits for its mini window.
    void StartProgram() {
        program_.emplace(QUELLAN_PROGRAM, std::vector<std::string>{}, Folder(), "quellan");
        ASSERT_TRUE(program_->Started());
        window_ = WaitForManagedWindow("Quellan");
        ASSERT_TRUE(window_) << program_->Errors();
        const auto info = InfoOf(*window_);
        ASSERT_TRUE(info);
        origin_ = {info->rect.left, info->rect.top, info->rect.right, info->rect.bottom};
    }

    void ClickCentreOf(const TwipsBox& box) const {
        ClickAt(origin_.left + (box.left + box.width / 2) / kTwipsPerPixel,
                origin_.top + (box.top + box.height / 2) / kTwipsPerPixel);
    }

    // The screen inside a control's box, within its 2-pixel edge.
    ScreenRect InsideOf(const TwipsBox& box) const {
        const int left = origin_.left + box.left / kTwipsPerPixel;
        const int top = origin_.top + box.top / kTwipsPerPixel;
        return {left + 2, top + 2, left + box.width / kTwipsPerPixel - 2,
                top + box.height / kTwipsPerPixel - 2};
    }
    ScreenRect ReceivedFigure() const { return InsideOf(kReceivedBox); }

    // The mini window copies the statistics window's received total once that window is loaded
    // and sampling: until then the box is blank.
    bool WaitUntilFigureShows() const {
        return PollUntil([&] {
            const auto pixels = Screenshot("mini-window-figures").Area(ReceivedFigure());
            return std::any_of(pixels.begin(), pixels.end(),
                               [](std::uint32_t pixel) { return (pixel & 0xFF) < 0x60; });
        });
    }

    // Bursts until the received figure has changed twice: the second change comes
    // from a tick that compared against a real previous total, so the run has counted traffic.
    bool CountSomeTraffic() const {
        std::vector<std::uint32_t> seen = Screenshot("mini-window-counting").Area(ReceivedFigure());
        int changes = 0;
        return PollUntil([&] {
            SendBurst();
            std::vector<std::uint32_t> now =
                Screenshot("mini-window-counting").Area(ReceivedFigure());
            if (now != seen) {
                ++changes;
                seen = std::move(now);
            }
            return changes >= 2;
        });
    }

    // The totals file as the program must write it: one number and CR LF.
    std::optional<double> SavedTotal() const {
        const std::string saved = ReadFile(TotalsFile());
        if (!std::regex_match(saved, std::regex("[0-9]+\r\n"))) {
            ADD_FAILURE() << "not one clean line: \"" << saved << "\"";
            return std::nullopt;
        }
        return LeadingNumber(saved);
    }

    std::optional<testing_support::VethWebServer> traffic_;
    std::optional<ChildProcess> program_;
    std::optional<std::uint64_t> window_;
    ScreenRect origin_;
};

TEST_F(MiniWindowOnDesktop, FramelessInTheCornerAboveALaterWindowAndOffTheTaskbar) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    const ScreenRect work = WorkArea();
    const auto info = InfoOf(*window_);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->rect.right - info->rect.left, kWidth);
    EXPECT_EQ(info->rect.bottom - info->rect.top, kHeight);
    EXPECT_EQ(info->rect.right, work.right);
    EXPECT_EQ(info->rect.bottom, work.bottom - kBottomGap);
    EXPECT_FALSE(info->overrideRedirect) << "the window manager must manage it, or it cannot "
                                            "keep it above and off the taskbar";

    std::string states;
    ASSERT_TRUE(PollUntil([&] {
        states = PropertiesOf(*window_, "_NET_WM_STATE _NET_FRAME_EXTENTS");
        return Contains(states, "_NET_FRAME_EXTENTS(CARDINAL) =");
    })) << states;
    EXPECT_TRUE(Contains(states, "_NET_FRAME_EXTENTS(CARDINAL) = 0, 0, 0, 0")) << states;
    EXPECT_TRUE(Contains(states, "_NET_WM_STATE_SKIP_TASKBAR")) << states;
    EXPECT_TRUE(Contains(states, "_NET_WM_STATE_ABOVE")) << states;

    // The background picture reaches the screen where the window is.
    const auto background = win::png::DecodePng(FrmRightBackgroundPng());
    ASSERT_TRUE(background);
    const std::vector<std::pair<int, int>> backgroundPoints{{100, 2}, {145, 70}, {5, 130}};
    ASSERT_TRUE(PollUntil([&] {
        const Screenshot shot("mini-window");
        return std::all_of(backgroundPoints.begin(), backgroundPoints.end(), [&](auto point) {
            const auto [x, y] = point;
            return shot.Pixel(origin_.left + x, origin_.top + y) ==
                   (background.image->pixels[static_cast<std::size_t>(y * kWidth + x)] &
                    0x00FFFFFF);
        });
    })) << "the mini window's artwork is not on the screen";
    const Screenshot alone("mini-window");
    // Both title buttons show their captions; the "_" sits low in its small button.
    for (const TwipsBox& button : {kHideButton, kCloseButton}) {
        const auto pixels = alone.Area(InsideOf(button));
        EXPECT_TRUE(std::any_of(pixels.begin(), pixels.end(),
                                [](std::uint32_t pixel) { return (pixel & 0xFF) < 0x40; }))
            << "no caption on the button at " << button.left << " twips";
    }

    // A window opened later, over the same corner, stays below it.
    ChildProcess later("xmessage",
                       {"-title", "later-window", "-geometry", "400x300+980+560", "later"},
                       Folder(), "xmessage");
    const auto laterWindow = WaitForManagedWindow("later-window");
    ASSERT_TRUE(laterWindow) << later.Errors();
    std::vector<std::uint64_t> stacking;
    EXPECT_TRUE(PollUntil([&] {
        stacking = RootWindowList("_NET_CLIENT_LIST_STACKING");
        const auto mini = std::find(stacking.begin(), stacking.end(), *window_);
        const auto other = std::find(stacking.begin(), stacking.end(), *laterWindow);
        return mini != stacking.end() && other != stacking.end() && mini > other;
    })) << "bottom to top, the mini window must come last";
    const Screenshot covered("mini-window-above-a-later-one");
    for (const auto& [x, y] : backgroundPoints) {
        EXPECT_EQ(covered.Pixel(origin_.left + x, origin_.top + y),
                  alone.Pixel(origin_.left + x, origin_.top + y))
            << x << "," << y;
    }
    EXPECT_TRUE(program_->Running());
}

TEST_F(MiniWindowOnDesktop, XAddsTheRunToTheStoredTotalInOneLineAndEnds) {
    WriteFile(TotalsFile(), "1000\r\n");
    ASSERT_NO_FATAL_FAILURE(StartTrafficSource());
    if (IsSkipped()) {
        return;
    }
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_TRUE(WaitUntilFigureShows());
    ASSERT_TRUE(CountSomeTraffic());

    ClickCentreOf(kCloseButton);
    EXPECT_EQ(program_->WaitForExit(kPatience), std::optional<int>(0)) << program_->Errors();
    const auto saved = SavedTotal();
    ASSERT_TRUE(saved);
    // The stored total with this run's traffic added.
    EXPECT_GT(*saved, 1000.0);
    // Written through a temporary file that is gone again: the file and the program's output.
    EXPECT_EQ(EntriesInFolder(), 3u);
    EXPECT_TRUE(ManagedWindowsTitled("Quellan").empty());
}

TEST_F(MiniWindowOnDesktop, UnderscoreHidesItWhileTheCountingGoesOnUntilTheSessionEndSaves) {
    ASSERT_NO_FATAL_FAILURE(StartTrafficSource());
    if (IsSkipped()) {
        return;
    }
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_TRUE(WaitUntilFigureShows());

    ClickCentreOf(kHideButton);
    EXPECT_TRUE(PollUntil([&] {
        const auto info = InfoOf(*window_);
        const auto stacking = RootWindowList("_NET_CLIENT_LIST_STACKING");
        return (!info || !info->viewable) &&
               std::find(stacking.begin(), stacking.end(), *window_) == stacking.end();
    })) << "the window is still shown";

    // Bursts spread over a few seconds, so that the sampling (every 100 ms) sees them while the
    // window is hidden, then time for its next ticks.
    for (int burst = 0; burst < 10; ++burst) {
        SendBurst();
        std::this_thread::sleep_for(300ms);
    }
    std::this_thread::sleep_for(2s);
    ASSERT_TRUE(program_->Running()) << program_->Errors();
    EXPECT_FALSE(std::filesystem::exists(TotalsFile())) << "only the end saves";

    program_->Signal(SIGTERM);
    EXPECT_EQ(program_->WaitForExit(kPatience), std::optional<int>(0)) << program_->Errors();
    const auto saved = SavedTotal();
    ASSERT_TRUE(saved);
    EXPECT_GE(*saved, static_cast<double>(kBurstKilobytes))
        << "the hidden window's run counted nothing";
}

}  // namespace
}  // namespace quellan::gui_testing
