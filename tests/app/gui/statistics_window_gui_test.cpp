// The statistics window shown with the Qt host on a private X desktop: its frame, caption,
// size and graph, and its close box, which discards the window but not the process.

#include <gtest/gtest.h>
#include <signal.h>

#include <optional>
#include <sstream>

#include "platform/files/temporary_folder.h"
#include "tests/app/gui/child_process.h"
#include "tests/support/desktop_probe.h"

namespace quellan::gui_testing {

using namespace desktop_testing;
namespace {

constexpr const char* kCaption = "Quellan详细信息";
// The client area, 5730 x 5745 twips, and the graph's picture box, 5685 x 1750 at its corner.
constexpr int kClientWidth = 382;
constexpr int kClientHeight = 383;
constexpr int kGraphWidth = 379;
constexpr int kGraphHeight = 116;
constexpr std::uint32_t kGraphBackground = 0x000000;
constexpr std::uint32_t kGridColour = 0x008080;  // 0x808000 as the window gives it, red low

struct FrameExtents {
    int left = -1, right = -1, top = -1, bottom = -1;
};

std::optional<FrameExtents> FrameOf(std::uint64_t window) {
    const std::string report = PropertiesOf(window, "_NET_FRAME_EXTENTS");
    const std::size_t equals = report.find('=');
    if (equals == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream in(report.substr(equals + 1));
    FrameExtents frame;
    char comma = 0;
    in >> frame.left >> comma >> frame.right >> comma >> frame.top >> comma >> frame.bottom;
    return in ? std::optional(frame) : std::nullopt;
}

struct GraphColours {
    int background = 0;
    int grid = 0;
    int other = 0;
};

GraphColours CountGraphColours(const Screenshot& shot, const ScreenRect& graph) {
    GraphColours counted;
    for (std::uint32_t pixel : shot.Area(graph)) {
        if (pixel == kGraphBackground) {
            ++counted.background;
        } else if (pixel == kGridColour) {
            ++counted.grid;
        } else {
            ++counted.other;
        }
    }
    return counted;
}

class StatisticsWindowOnDesktop : public testing_support::TemporaryFolderTest {};

TEST_F(StatisticsWindowOnDesktop, FramedWindowWithItsCaptionSizeAndGraphThatItsCloseBoxDiscards) {
    ChildProcess shower(QUELLAN_SHOW_STATISTICS_WINDOW, {}, Folder(), "statistics");
    const auto window = WaitForManagedWindow(kCaption);
    ASSERT_TRUE(window) << shower.Errors();
    const auto info = InfoOf(*window);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->rect.right - info->rect.left, kClientWidth);
    EXPECT_EQ(info->rect.bottom - info->rect.top, kClientHeight);
    EXPECT_FALSE(info->overrideRedirect);

    std::optional<FrameExtents> frame;
    ASSERT_TRUE(PollUntil([&] { return (frame = FrameOf(*window)).has_value(); }));
    EXPECT_GT(frame->top, 0) << "a title bar";
    const std::string states = PropertiesOf(*window, "_NET_WM_STATE _NET_WM_NAME _NET_WM_ICON");
    EXPECT_TRUE(states.find(std::string("\"") + kCaption + "\"") != std::string::npos) << states;
    EXPECT_EQ(states.find("_NET_WM_STATE_SKIP_TASKBAR"), std::string::npos) << "on the taskbar";
    EXPECT_EQ(states.find("_NET_WM_STATE_ABOVE"), std::string::npos) << states;
    EXPECT_NE(states.find("Icon (32 x 32)"), std::string::npos) << "its own icon";

    // The graph: black with its dark cyan grid once the first tick has drawn it.
    const ScreenRect graph{info->rect.left, info->rect.top, info->rect.left + kGraphWidth,
                           info->rect.top + kGraphHeight};
    GraphColours colours;
    EXPECT_TRUE(PollUntil([&] {
        colours = CountGraphColours(Screenshot("statistics-window"), graph);
        return colours.grid > 0;
    })) << "no grid in the graph";
    const int area = kGraphWidth * kGraphHeight;
    EXPECT_GT(colours.background, area / 2);
    EXPECT_GT(colours.grid, kGraphWidth) << "at least a line's worth of grid";

    // The frame's close box (openbox's default theme: the right end of the title bar).
    ClickAt(info->rect.right - 1 - 8, info->rect.top - frame->top / 2);
    EXPECT_TRUE(PollUntil([&] { return ManagedWindowsTitled(kCaption).empty(); }))
        << "the close box did not discard the window";
    EXPECT_TRUE(shower.Running()) << shower.Errors();

    shower.Signal(SIGTERM);
    EXPECT_EQ(shower.WaitForExit(kPatience), std::optional<int>(0)) << shower.Errors();
}

}  // namespace
}  // namespace quellan::gui_testing
