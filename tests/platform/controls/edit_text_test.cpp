#include "platform/controls/edit_text.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/controls/edit_input_filter.h"

namespace win::controls {
namespace {

std::u32string Typed(std::string_view utf8) {
    return FilterEditInput(utf8, LineBreaks::EndInput);
}

TEST(EditInputFilter, DropsControlsAndRepairsBadBytes) {
    EXPECT_EQ(FilterEditInput("a\tb\x01\x7f"
                              "c",
                              LineBreaks::Drop),
              U"abc");
    EXPECT_EQ(FilterEditInput("one\r\ntwo", LineBreaks::Drop), U"onetwo");
    EXPECT_EQ(FilterEditInput("one\r\ntwo", LineBreaks::EndInput), U"one");
    // A cut sequence, a stray continuation byte and an encoded surrogate each become U+FFFD.
    EXPECT_EQ(FilterEditInput("x\xe4\xb8"
                              "y\x80"
                              "z\xed\xa0\x80",
                              LineBreaks::Drop),
              U"x\uFFFDy\uFFFDz\uFFFD");
    EXPECT_EQ(FilterEditInput("\xc2\x85"
                              "a",
                              LineBreaks::Drop),
              U"a");  // C1 control
}

TEST(EditText, TypingChineseMovesByCharacter) {
    EditText edit;
    edit.ReplaceSelection(Typed("流量"));
    EXPECT_EQ(edit.Utf8(), "流量");
    EXPECT_EQ(edit.Caret(), 2u);
    edit.MoveLeft(false);
    edit.ReplaceSelection(Typed("a"));
    EXPECT_EQ(edit.Utf8(), "流a量");
    edit.DeleteBackward();
    edit.DeleteForward();
    EXPECT_EQ(edit.Utf8(), "流");
    EXPECT_FALSE(edit.DeleteForward());
}

TEST(EditText, ShiftArrowsGrowAndShrinkTheSelection) {
    EditText edit;
    edit.SetText("abcdef");
    edit.MoveCaretTo(2, false);
    edit.MoveRight(true);
    edit.MoveRight(true);
    EXPECT_EQ(edit.SelectedUtf8(), "cd");
    edit.MoveLeft(true);
    EXPECT_EQ(edit.SelectedUtf8(), "c");
    edit.MoveHome(true);
    EXPECT_EQ(edit.SelectedUtf8(), "ab");
    EXPECT_EQ(edit.Anchor(), 2u);
    // An arrow without shift collapses the selection to its side.
    edit.MoveRight(false);
    EXPECT_FALSE(edit.HasSelection());
    EXPECT_EQ(edit.Caret(), 2u);
    edit.MoveEnd(true);
    EXPECT_EQ(edit.SelectedUtf8(), "cdef");
}

TEST(EditText, SelectFollowsTheSelectionMessage) {
    EditText edit;
    edit.SetText("流量统计");
    edit.Select(0, -1);
    EXPECT_EQ(edit.SelectedUtf8(), "流量统计");
    edit.Select(3, 1);
    EXPECT_EQ(edit.SelectionStart(), 1u);
    EXPECT_EQ(edit.SelectionEnd(), 3u);
    EXPECT_EQ(edit.Caret(), 1u);
    edit.Select(-1, 0);
    EXPECT_FALSE(edit.HasSelection());
    EXPECT_EQ(edit.Caret(), 1u);
    edit.Select(2, 999);
    EXPECT_EQ(edit.SelectedUtf8(), "统计");
}

TEST(EditText, ReplacingTheSelectionKeepsTheLimit) {
    EditText edit;
    edit.SetLimit(5);
    edit.SetText("abc");
    edit.MoveEnd(false);
    EXPECT_TRUE(edit.ReplaceSelection(U"12345"));
    EXPECT_EQ(edit.Utf8(), "abc12");
    EXPECT_FALSE(edit.ReplaceSelection(U"x"));
    edit.Select(0, 2);
    EXPECT_TRUE(edit.ReplaceSelection(U"XYZ"));
    EXPECT_EQ(edit.Utf8(), "XYc12");
    EXPECT_EQ(edit.Caret(), 2u);
}

TEST(EditText, HugeHostilePasteStaysValidAndLimited) {
    std::string paste;
    for (int i = 0; i < 20000; ++i) {
        paste += "\xff量\x01";
    }
    EditText edit;
    edit.ReplaceSelection(Typed(paste));
    EXPECT_EQ(edit.Length(), EditText::kDefaultLimit);
    const std::string utf8 = edit.Utf8();
    EXPECT_EQ(FilterEditInput(utf8, LineBreaks::Drop), edit.Characters());
    EXPECT_EQ(edit.Characters().substr(0, 2), U"\uFFFD量");
}

}  // namespace
}  // namespace win::controls
