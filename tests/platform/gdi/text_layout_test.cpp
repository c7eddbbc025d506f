#include "platform/gdi/text/text_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/gdi/text/builtin_text_engine.h"
#include "platform/gdi/text/draw_text_flags.h"
#include "platform/gdi/text/utf8.h"

namespace win::text {
namespace {

// Built-in engine at cell height 16: Latin advance 8, wide characters 16.
class TextLayoutTest : public ::testing::Test {
protected:
    TextLayout Layout(std::string_view utf8, LayoutBox box, unsigned int format) {
        return LayoutText(DecodeUtf8(utf8), box, format, *font_);
    }

    static std::vector<std::string> LineTexts(const TextLayout& layout) {
        std::vector<std::string> texts;
        for (const LayoutLine& line : layout.lines) {
            texts.push_back(EncodeUtf8(line.Text()));
        }
        return texts;
    }

    static FontDescription Height16() {
        FontDescription font;
        font.height = 16;
        return font;
    }

    std::shared_ptr<const MatchedFont> font_ = BuiltinTextEngine{}.MatchFont(Height16());
};

using Lines = std::vector<std::string>;

TEST_F(TextLayoutTest, WordBreakWrapsAfterTheLastBlankThatFits) {
    EXPECT_EQ(LineTexts(Layout("aaa bbb ccc", {0, 0, 60, 100}, DT_WORDBREAK)),
              (Lines{"aaa bbb", "ccc"}));
    // "aaa bbb" is exactly 56 wide: a line may fill the box to the last pixel.
    EXPECT_EQ(LineTexts(Layout("aaa bbb ccc", {0, 0, 56, 100}, DT_WORDBREAK)),
              (Lines{"aaa bbb", "ccc"}));
    EXPECT_EQ(LineTexts(Layout("aaa bbb ccc", {0, 0, 55, 100}, DT_WORDBREAK)),
              (Lines{"aaa", "bbb", "ccc"}));
}

TEST_F(TextLayoutTest, BlanksAtAWrapHangAndDoNotStartTheNextLine) {
    const TextLayout layout = Layout("ab     cd", {0, 0, 24, 100}, DT_WORDBREAK);
    EXPECT_EQ(LineTexts(layout), (Lines{"ab", "cd"}));
    EXPECT_EQ(layout.lines[0].width, 16);
    // Blanks at the start of a paragraph are text, not a wrap.
    EXPECT_EQ(LineTexts(Layout("  ab", {0, 0, 100, 100}, DT_WORDBREAK)), (Lines{"  ab"}));
}

TEST_F(TextLayoutTest, WideCharactersBreakBetweenEachOtherButNotBeforeClosingPunctuation) {
    EXPECT_EQ(LineTexts(Layout("网络流量监控", {0, 0, 40, 100}, DT_WORDBREAK)),
              (Lines{"网络", "流量", "监控"}));
    EXPECT_EQ(LineTexts(Layout("网络，流量", {0, 0, 40, 100}, DT_WORDBREAK)),
              (Lines{"网", "络，", "流量"}));
    // Latin next to a wide character may break there too.
    EXPECT_EQ(LineTexts(Layout("ab网络", {0, 0, 40, 100}, DT_WORDBREAK)), (Lines{"ab网", "络"}));
    EXPECT_EQ(
        LineTexts(Layout("网络流量", {0, 0, 40, 100}, DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK)),
        (Lines{"网络", "流量"}));
}

TEST_F(TextLayoutTest, AWordLongerThanTheLineIsCutWhereItMust) {
    EXPECT_EQ(LineTexts(Layout("abcdefghij", {0, 0, 30, 100}, DT_WORDBREAK)),
              (Lines{"abc", "def", "ghi", "j"}));
    EXPECT_EQ(LineTexts(Layout("ab abcdefgh", {0, 0, 40, 100}, DT_WORDBREAK)),
              (Lines{"ab", "abcde", "fgh"}));
    // No room at all still shows one character per line rather than looping or losing text.
    EXPECT_EQ(LineTexts(Layout("ab网", {0, 0, 0, 100}, DT_WORDBREAK)), (Lines{"a", "b", "网"}));
}

TEST_F(TextLayoutTest, LineFeedsStartLinesUnlessSingleLine) {
    EXPECT_EQ(LineTexts(Layout("a\r\nb\nc\rd", {0, 0, 100, 100}, 0)), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(LineTexts(Layout("a\n\nb\n", {0, 0, 100, 100}, 0)), (Lines{"a", "", "b"}));
    EXPECT_EQ(Layout("a\nb", {0, 0, 100, 100}, DT_SINGLELINE).lines.size(), 1u);
    // Single-line text is never wrapped, however narrow the box.
    EXPECT_EQ(LineTexts(Layout("aaa bbb", {0, 0, 10, 100}, DT_SINGLELINE | DT_WORDBREAK)),
              (Lines{"aaa bbb"}));
}

TEST_F(TextLayoutTest, EndEllipsisKeepsTheLongestStartThatLeavesRoomForThreeDots) {
    const TextLayout cut = Layout("Hello world", {0, 0, 60, 20}, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(LineTexts(cut), (Lines{"Hell..."}));
    EXPECT_EQ(cut.lines[0].width, 56);

    EXPECT_EQ(LineTexts(Layout("Hello", {0, 0, 40, 20}, DT_SINGLELINE | DT_END_ELLIPSIS)),
              (Lines{"Hello"}));
    EXPECT_EQ(LineTexts(Layout("Hello", {0, 0, 39, 20}, DT_SINGLELINE | DT_END_ELLIPSIS)),
              (Lines{"H..."}));
    EXPECT_EQ(LineTexts(Layout("Hello", {0, 0, 10, 20}, DT_SINGLELINE | DT_END_ELLIPSIS)),
              (Lines{"..."}));
    EXPECT_EQ(LineTexts(Layout("网络流量", {0, 0, 50, 20}, DT_SINGLELINE | DT_END_ELLIPSIS)),
              (Lines{"网..."}));
}

TEST_F(TextLayoutTest, PrefixesUnderlineTheNextCharacterAndDoubledAmpersandShowsOne) {
    const TextLayout layout = Layout("&File && E&xit&", {0, 0, 400, 20}, DT_SINGLELINE);
    ASSERT_EQ(layout.lines.size(), 1u);
    EXPECT_EQ(EncodeUtf8(layout.lines[0].Text()), "File & Exit");
    std::string underlined;
    for (const LayoutCharacter& c : layout.lines[0].characters) {
        if (c.underlined) {
            underlined += static_cast<char>(c.ch);
        }
    }
    EXPECT_EQ(underlined, "Fx");
    EXPECT_EQ(layout.width, 11 * 8);

    const TextLayout literal = Layout("a&&b", {0, 0, 400, 20}, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(EncodeUtf8(literal.lines[0].Text()), "a&&b");
    const TextLayout hidden = Layout("&a", {0, 0, 400, 20}, DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_EQ(EncodeUtf8(hidden.lines[0].Text()), "a");
    EXPECT_FALSE(hidden.lines[0].characters[0].underlined);
}

TEST_F(TextLayoutTest, HorizontalAlignmentAndRightToLeftReading) {
    const LayoutBox box{10, 0, 110, 40};  // 100 wide; "abc" is 24
    EXPECT_EQ(Layout("abc", box, DT_SINGLELINE).lines[0].x, 10);
    EXPECT_EQ(Layout("abc", box, DT_SINGLELINE | DT_CENTER).lines[0].x, 48);
    EXPECT_EQ(Layout("abc", box, DT_SINGLELINE | DT_RIGHT).lines[0].x, 86);
    EXPECT_EQ(Layout("abc", box, DT_SINGLELINE | DT_RTLREADING).lines[0].x, 86);
    EXPECT_EQ(Layout("abc", box, DT_SINGLELINE | DT_RTLREADING | DT_RIGHT).lines[0].x, 10);
    EXPECT_EQ(Layout("abc", box, DT_SINGLELINE | DT_RTLREADING | DT_CENTER).lines[0].x, 48);
    // Each wrapped line is centred on its own; a line wider than the box overhangs both sides.
    const TextLayout wrapped = Layout("abcd ef", {0, 0, 40, 100}, DT_WORDBREAK | DT_CENTER);
    EXPECT_EQ(wrapped.lines[0].x, 4);
    EXPECT_EQ(wrapped.lines[1].x, 12);
    EXPECT_EQ(Layout("abcdefg", {0, 0, 40, 20}, DT_SINGLELINE | DT_CENTER).lines[0].x, -8);
}

TEST_F(TextLayoutTest, VerticalPlacementAndReturnedHeight) {
    const LayoutBox box{0, 10, 100, 50};  // 40 high; a line is 16
    const TextLayout top = Layout("a", box, DT_SINGLELINE);
    EXPECT_EQ(top.lines[0].y, 10);
    EXPECT_EQ(top.drawnHeight, 16);
    const TextLayout centred = Layout("a", box, DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(centred.lines[0].y, 22);
    EXPECT_EQ(centred.drawnHeight, 28);  // from the box's top to the text's bottom
    const TextLayout bottom = Layout("a", box, DT_SINGLELINE | DT_BOTTOM);
    EXPECT_EQ(bottom.lines[0].y, 34);
    EXPECT_EQ(bottom.drawnHeight, 40);
    // Vertical centring applies to single lines only.
    const TextLayout multi = Layout("a\nb\nc", box, DT_VCENTER);
    EXPECT_EQ(multi.lines[0].y, 10);
    EXPECT_EQ(multi.lines[2].y, 42);
    EXPECT_EQ(multi.drawnHeight, 48);
    EXPECT_EQ(multi.height, 48);
}

TEST_F(TextLayoutTest, ExpandedTabsAdvanceToTheNextStopOfEightAverageCharacters) {
    const TextLayout layout = Layout("a\tb", {0, 0, 400, 20}, DT_SINGLELINE | DT_EXPANDTABS);
    ASSERT_EQ(layout.lines[0].characters.size(), 3u);
    EXPECT_EQ(layout.lines[0].characters[1].advance, 56);
    EXPECT_EQ(layout.width, 72);
}

TEST_F(TextLayoutTest, EmptyTextHasNoLines) {
    const TextLayout layout = Layout("", {0, 0, 100, 100}, DT_WORDBREAK);
    EXPECT_TRUE(layout.lines.empty());
    EXPECT_EQ(layout.drawnHeight, 0);
    EXPECT_EQ(layout.width, 0);
}

TEST_F(TextLayoutTest, HostileBoxesDoNotOverflow) {
    const TextLayout wide =
        Layout("abc", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    ASSERT_EQ(wide.lines.size(), 1u);
    EXPECT_EQ(wide.lines[0].x, -13);  // the box is 2^32 - 1 wide
    const TextLayout inverted =
        Layout("abc def", {100, 0, 0, 20}, DT_WORDBREAK | DT_RIGHT | DT_END_ELLIPSIS);
    EXPECT_FALSE(inverted.lines.empty());
}

// An engine that reports fewer advances than characters must not derail the layout.
class MiscountingFont final : public MatchedFont {
public:
    FontMetrics Metrics() const override {
        FontMetrics metrics;
        metrics.height = 10;
        metrics.ascent = 8;
        metrics.descent = 2;
        return metrics;
    }
    void Advances(std::string_view, std::vector<int>& advances) const override {
        advances.assign(1, 5);
    }
    void DrawRun(std::string_view, int, int, CoverageMask&) const override {}
};

TEST(TextLayoutEngineTrust, MissingAdvancesCountAsZero) {
    const TextLayout layout =
        LayoutText(U"abc", {0, 0, 100, 100}, DT_SINGLELINE, MiscountingFont{});
    ASSERT_EQ(layout.lines.size(), 1u);
    EXPECT_EQ(layout.lines[0].characters.size(), 3u);
    EXPECT_EQ(layout.width, 5);
}

}  // namespace
}  // namespace win::text
