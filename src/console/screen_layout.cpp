#include "console/screen_layout.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "console/terminal_text.h"
#include "console/text_graph.h"

namespace quellan::console {
namespace {

constexpr std::string_view kTitle = "Quellan详细信息   ↑/↓ 选择网卡   q 退出";

// Every line but the list's entries.
constexpr int kFixedLines = 12;

struct ListWindow {
    std::size_t first = 0;
    std::size_t count = 0;
};

// The entries that fit, keeping the chosen one in view.
ListWindow VisibleEntries(std::size_t entries, int chosen, int rowsForList) {
    std::size_t room = static_cast<std::size_t>(std::max(rowsForList, 1));
    if (entries <= room) {
        return {0, entries};
    }
    std::size_t target = chosen < 0 ? 0 : static_cast<std::size_t>(chosen);
    std::size_t first = target < room ? 0 : target - room + 1;
    return {first, room};
}

void AddListLines(std::vector<std::string>& lines, const ConsoleFigures& figures, int rows) {
    ListWindow window =
        VisibleEntries(figures.interfaceEntries.size(), figures.chosenEntry, rows - kFixedLines);
    for (std::size_t i = window.first; i < window.first + window.count; ++i) {
        bool chosen =
            figures.chosenEntry >= 0 && static_cast<std::size_t>(figures.chosenEntry) == i;
        lines.push_back(std::string(chosen ? kChosenMark : kUnchosenMark) +
                        figures.interfaceEntries[i]);
    }
}

}  // namespace

std::vector<std::string> ScreenLines(const ConsoleFigures& figures, ScreenSize size) {
    // Text reaching the last column leaves the cursor there, and clearing the rest of the line
    // would then erase that last character.
    int columns = std::max(size.columns - 1, 1);
    std::vector<std::string> lines;
    lines.emplace_back(kTitle);
    lines.emplace_back("选择网卡:");
    AddListLines(lines, figures, size.rows);
    lines.push_back("连接类型 : " + figures.description);
    lines.push_back("接收字节: " + figures.receivedTotal);
    lines.push_back("发送字节: " + figures.sentTotal);
    lines.push_back("下载速率: " + figures.downloadSpeed);
    lines.push_back("上载速率: " + figures.uploadSpeed);
    lines.push_back("峰值 " + figures.peakDownload);
    lines.push_back("峰值 " + figures.peakUpload);
    lines.push_back(figures.averageDownload);
    lines.push_back(figures.averageUpload);
    lines.push_back(TextGraph(figures.graphSamples, columns));

    // More lines than rows would scroll the screen and break drawing in place.
    lines.resize(std::min(lines.size(), static_cast<std::size_t>(std::max(size.rows, 0))));
    for (std::string& line : lines) {
        line = FitToColumns(PrintableText(line), columns);
    }
    return lines;
}

}  // namespace quellan::console
