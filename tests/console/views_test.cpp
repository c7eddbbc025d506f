#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/ansi_frame.h"
#include "console/full_screen_view.h"
#include "console/line_view.h"
#include "console/screen_layout.h"
#include "console/terminal_text.h"
#include "console/tick_line.h"

namespace quellan::console {
namespace {

ConsoleFigures SampleFigures() {
    ConsoleFigures figures;
    figures.interfaceEntries = {"lo ", "eth0 (virtio_net) ", "wlan0 "};
    figures.chosenEntry = 1;
    figures.description = "eth0 (virtio_net) ";
    figures.receivedTotal = "120563 KB";
    figures.sentTotal = "5 KB";
    figures.downloadSpeed = "10.00 KBS ";
    figures.uploadSpeed = "1023 BS ";
    figures.peakDownload = "下载速率: 120,563.27 Kb/S";
    figures.peakUpload = "上载速率: 2.44 Kb/S";
    figures.averageDownload = "平均下载速率: 60,286.64 Kb/S";
    figures.averageUpload = "平均上载速率: 1.72 Kb/S";
    figures.graphSamples.assign(100, 5.0);
    return figures;
}

std::vector<std::string> Collect(const std::vector<std::string>& lines, const std::string& part) {
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (line.find(part) != std::string::npos) {
            found.push_back(line);
        }
    }
    return found;
}

TEST(ScreenLines, ShowTheListMarkedAndEveryLabelText) {
    std::vector<std::string> lines = ScreenLines(SampleFigures(), {120, 40});
    EXPECT_EQ(Collect(lines, ">"), (std::vector<std::string>{"> eth0 (virtio_net) "}));
    EXPECT_EQ(Collect(lines, "lo "), (std::vector<std::string>{"  lo "}));
    EXPECT_EQ(Collect(lines, "连接类型"),
              (std::vector<std::string>{"连接类型 : eth0 (virtio_net) "}));
    EXPECT_EQ(Collect(lines, "接收字节"), (std::vector<std::string>{"接收字节: 120563 KB"}));
    EXPECT_EQ(Collect(lines, "下载速率: 10.00 KBS "),
              (std::vector<std::string>{"下载速率: 10.00 KBS "}));
    EXPECT_EQ(Collect(lines, "120,563.27 Kb/S"),
              (std::vector<std::string>{"峰值 下载速率: 120,563.27 Kb/S"}));
    EXPECT_EQ(Collect(lines, "平均上载速率"),
              (std::vector<std::string>{"平均上载速率: 1.72 Kb/S"}));
    std::string idleGraph;
    for (int i = 0; i < 100; ++i) {
        idleGraph += "▁";
    }
    EXPECT_EQ(lines.back(), idleGraph);
}

TEST(ScreenLines, FitANarrowShortTerminal) {
    ConsoleFigures figures = SampleFigures();
    for (int i = 0; i < 30; ++i) {
        figures.interfaceEntries.push_back("veth" + std::to_string(i) + " ");
    }
    figures.chosenEntry = 25;
    ScreenSize size{24, 16};
    std::vector<std::string> lines = ScreenLines(figures, size);
    EXPECT_LE(lines.size(), 16u);
    for (const std::string& line : lines) {
        // One column stays free: a line reaching the last column would lose its last character.
        EXPECT_LT(DisplayWidth(line), size.columns) << line;
    }
    EXPECT_EQ(Collect(lines, ">"), (std::vector<std::string>{"> veth22 "}));

    EXPECT_LE(ScreenLines(figures, {80, 5}).size(), 5u);
    EXPECT_TRUE(ScreenLines(figures, {1, 0}).empty());
}

TEST(ScreenLines, HostileDescriptionsAreDefused) {
    ConsoleFigures figures = SampleFigures();
    figures.interfaceEntries[0] = "evil\x1b[2J\x1b]0;x\x07 ";
    figures.description =
        "\x9b"
        "31m";
    for (const std::string& line : ScreenLines(figures, {120, 40})) {
        EXPECT_EQ(line, PrintableText(line));
        EXPECT_EQ(line.find('\x1b'), std::string::npos);
    }
}

TEST(FrameText, OverwritesInPlaceWithoutScrolling) {
    EXPECT_EQ(FrameText({"ab", "c"}), "\x1b[Hab\x1b[K\r\nc\x1b[K\x1b[J");
    EXPECT_EQ(FrameText({}), "\x1b[H\x1b[J");
}

TEST(FullScreenView, EntersOnceAndGivesTheScreenBack) {
    std::string written;
    {
        FullScreenView view(
            [&written](std::string_view text) {
                written += text;
                return true;
            },
            [] {
                return ScreenSize{80, 24};
            });
        EXPECT_TRUE(view.Show(SampleFigures()));
        EXPECT_TRUE(view.Show(SampleFigures()));
    }
    EXPECT_TRUE(written.starts_with(kEnterFullScreen));
    EXPECT_TRUE(written.ends_with(kLeaveFullScreen));
    EXPECT_EQ(written.find("\x1b[2J"), std::string::npos);  // no full clear, no flicker
}

TEST(TickLine, TabSeparatedFieldsWithTheLabelTexts) {
    EXPECT_EQ(
        TickLine(SampleFigures(), 7),
        "7\t接收字节: 120563 KB\t发送字节: 5 KB\t下载速率: 10.00 KBS\t上载速率: 1023 BS\t"
        "峰值 下载速率: 120,563.27 Kb/S\t峰值 上载速率: 2.44 Kb/S\t"
        "平均下载速率: 60,286.64 Kb/S\t平均上载速率: 1.72 Kb/S\t连接类型 : eth0 (virtio_net)");
    ConsoleFigures tabbed = SampleFigures();
    tabbed.description = "a\tb\n";
    EXPECT_TRUE(TickLine(tabbed, 1).ends_with("连接类型 : a?b?"));
}

TEST(InterfaceListLine, ChosenEntryInBrackets) {
    EXPECT_EQ(InterfaceListLine(SampleFigures()), "选择网卡:\tlo\t[eth0 (virtio_net)]\twlan0");
    ConsoleFigures none = SampleFigures();
    none.chosenEntry = -1;
    EXPECT_EQ(InterfaceListLine(none), "选择网卡:\tlo\teth0 (virtio_net)\twlan0");
}

TEST(LineView, ListBeforeTheFirstTickAndAgainOnlyWhenItChanges) {
    std::vector<std::string> written;
    bool outputOpen = true;
    LineView view([&](std::string_view text) {
        written.emplace_back(text);
        return outputOpen;
    });
    ConsoleFigures figures = SampleFigures();
    EXPECT_TRUE(view.ShowTick(figures));
    EXPECT_TRUE(view.ShowTick(figures));
    EXPECT_TRUE(view.ShowChoice(figures));
    figures.chosenEntry = 2;
    EXPECT_TRUE(view.ShowChoice(figures));
    ASSERT_EQ(written.size(), 4u);
    EXPECT_TRUE(written[0].starts_with("选择网卡:\tlo\t[eth0"));
    EXPECT_TRUE(written[1].starts_with("1\t接收字节: "));
    EXPECT_TRUE(written[2].starts_with("2\t"));
    EXPECT_TRUE(written[3].ends_with("[wlan0]\n"));

    outputOpen = false;
    EXPECT_FALSE(view.ShowTick(figures));
}

}  // namespace
}  // namespace quellan::console
