#include <gtest/gtest.h>

#include "console/terminal_text.h"

namespace quellan::console {
namespace {

TEST(PrintableText, ControlCharactersAndBrokenBytesNeverReachTheTerminal) {
    EXPECT_EQ(PrintableText("eth0\x1b]0;owned\x07"), "eth0?]0;owned?");
    EXPECT_EQ(PrintableText("a\tb\r\nc\x7f"), "a?b??c?");
    EXPECT_EQ(PrintableText("\xc2\x9b"
                            "2J"),
              "?2J");  // C1 control sequence introducer
    EXPECT_EQ(PrintableText("\xff\xc3"), "??");
    EXPECT_EQ(PrintableText("\xe6\x8e"), "??");       // cut Chinese character
    EXPECT_EQ(PrintableText("\xc0\xaf"), "??");       // overlong "/"
    EXPECT_EQ(PrintableText("\xed\xa0\x80"), "???");  // surrogate
    EXPECT_EQ(PrintableText("接收字节: 12 KB ▁█"), "接收字节: 12 KB ▁█");
}

TEST(DisplayWidth, ChineseTakesTwoColumnsAndBlocksOne) {
    EXPECT_EQ(DisplayWidth("KB"), 2);
    EXPECT_EQ(DisplayWidth("接收字节:"), 9);
    EXPECT_EQ(DisplayWidth("▁▂█"), 3);
    EXPECT_EQ(DisplayWidth("ＡＢ"), 4);  // full-width forms
    EXPECT_EQ(DisplayWidth(""), 0);
}

TEST(FitToColumns, CutsOnlyBetweenCharacters) {
    EXPECT_EQ(FitToColumns("接收字节", 5), "接收");
    EXPECT_EQ(FitToColumns("接收字节", 8), "接收字节");
    EXPECT_EQ(FitToColumns("a接", 2), "a");
    EXPECT_EQ(FitToColumns("▁▂▃▄", 3), "▁▂▃");
    EXPECT_EQ(FitToColumns("abc", 0), "");
    EXPECT_EQ(FitToColumns("abc", 10), "abc");
}

}  // namespace
}  // namespace quellan::console
