#include "platform/host/qt/web_view_protocol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "platform/host/qt/line_splitter.h"

namespace win::host::desktop {
namespace {

std::string WithoutNewline(std::string line) {
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1) << line;
    EXPECT_EQ(line.back(), '\n');
    line.pop_back();
    return line;
}

TEST(WebViewProtocolTest, RequestsComeBackAsSentWhateverTheAddressHolds) {
    const WebViewRequest requests[] = {
        WebViewRequest::Navigate("http://127.0.0.1:8080/公告.html?a=1&b=2"),
        // A newline in an address must not smuggle in a request of its own.
        WebViewRequest::Navigate("http://x/\nquit\r\n"),
        WebViewRequest::Navigate("C:\\notice\\n.html\\"),
        WebViewRequest::Navigate(""),
        WebViewRequest::ReportText(),
        WebViewRequest::Quit(),
    };
    for (const WebViewRequest& request : requests) {
        const std::string line = WithoutNewline(FormatRequest(request));
        EXPECT_EQ(ParseRequest(line), request) << line;
    }
}

TEST(WebViewProtocolTest, ReportsComeBackAsSent) {
    const WebViewReport reports[] = {
        WebViewReport::Window(0x600010),
        WebViewReport::Window(std::numeric_limits<std::uint64_t>::max()),
        WebViewReport::LoadFinished(true, "Quellan 公告"),
        WebViewReport::LoadFinished(false, ""),
        WebViewReport::LoadFinished(true, "two words\r\nand a \\ line"),
        WebViewReport::PageText("第一行\n第二行\n"),
        WebViewReport::PageText(""),
    };
    for (const WebViewReport& report : reports) {
        const std::string line = WithoutNewline(FormatReport(report));
        EXPECT_EQ(ParseReport(line), report) << line;
    }
}

TEST(WebViewProtocolTest, MalformedRequestsAreRefused) {
    for (const char* line : {"", "navigate", "navigate a\\q", "navigate trailing\\", "resize 10 20",
                             "text please", "quit now", "Quit", "window 5", " navigate x"}) {
        EXPECT_FALSE(ParseRequest(line).has_value()) << '"' << line << '"';
    }
}

TEST(WebViewProtocolTest, MalformedReportsAreRefused) {
    for (const char* line :
         {"", "window", "window 0", "window -5", "window abc", "window 12 13",
          "window 99999999999999999999999", "loaded", "loaded maybe title", "loaded ok bad\\x",
          "text", "text bad\\", "navigate http://x", "[1208/075710.123:ERROR:gpu] engine noise"}) {
        EXPECT_FALSE(ParseReport(line).has_value()) << '"' << line << '"';
    }
    // A load without a title is still a load.
    EXPECT_EQ(ParseReport("loaded ok"), WebViewReport::LoadFinished(true, ""));
}

TEST(LineSplitterTest, LinesAreWholeAcrossReadsAndOverlongOnesAreDropped) {
    LineSplitter lines(8);
    EXPECT_TRUE(lines.Feed("win").empty());
    EXPECT_EQ(lines.Feed("dow 7\ntext\n\nqu"), (std::vector<std::string>{"window 7", "text", ""}));
    EXPECT_EQ(lines.Feed("it\n"), std::vector<std::string>{"quit"});

    // Longer than eight: dropped up to its newline, in one read or over several.
    EXPECT_EQ(lines.Feed("123456789\nok\n"), std::vector<std::string>{"ok"});
    EXPECT_TRUE(lines.Feed("12345").empty());
    EXPECT_TRUE(lines.Feed("67890").empty());
    EXPECT_TRUE(lines.Feed("abc").empty());
    EXPECT_EQ(lines.Feed("\nnext\n"), std::vector<std::string>{"next"});
    // Exactly the limit is kept.
    EXPECT_EQ(lines.Feed("12345678\n"), std::vector<std::string>{"12345678"});
}

}  // namespace
}  // namespace win::host::desktop
