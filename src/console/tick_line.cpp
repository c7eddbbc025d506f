#include "console/tick_line.h"

#include <cstddef>
#include <string_view>

#include "console/terminal_text.h"

namespace quellan::console {
namespace {

// Blanks that end a caption ("0 BS ", a list entry) would only blur the field boundaries.
std::string_view WithoutTrailingBlanks(std::string_view text) {
    std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string Field(std::string_view caption) {
    return PrintableText(WithoutTrailingBlanks(caption));
}

}  // namespace

std::string InterfaceListLine(const ConsoleFigures& figures) {
    std::string line = "选择网卡:";
    for (std::size_t i = 0; i < figures.interfaceEntries.size(); ++i) {
        bool chosen =
            figures.chosenEntry >= 0 && static_cast<std::size_t>(figures.chosenEntry) == i;
        std::string entry = Field(figures.interfaceEntries[i]);
        line += '\t';
        line += chosen ? "[" + entry + "]" : entry;
    }
    return line;
}

std::string TickLine(const ConsoleFigures& figures, long long tickNumber) {
    std::string line = std::to_string(tickNumber);
    auto add = [&line](std::string_view name, std::string_view caption) {
        line += '\t';
        line += name;
        line += Field(caption);
    };
    add("接收字节: ", figures.receivedTotal);
    add("发送字节: ", figures.sentTotal);
    add("下载速率: ", figures.downloadSpeed);
    add("上载速率: ", figures.uploadSpeed);
    add("峰值 ", figures.peakDownload);
    add("峰值 ", figures.peakUpload);
    add("", figures.averageDownload);
    add("", figures.averageUpload);
    add("连接类型 : ", figures.description);
    return line;
}

}  // namespace quellan::console
