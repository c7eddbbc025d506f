#include <gtest/gtest.h>

#include "platform/controls/button_press_tracker.h"
#include "platform/controls/list_entries.h"
#include "platform/controls/list_scroll.h"

namespace win::controls {
namespace {

TEST(ButtonPressTracker, MouseClicksOnlyWhenReleasedOverTheButton) {
    ButtonPressTracker button;
    EXPECT_TRUE(button.MouseDown());
    EXPECT_TRUE(button.LooksPressed());
    EXPECT_TRUE(button.MouseMove(false));
    EXPECT_FALSE(button.LooksPressed());
    EXPECT_FALSE(button.MouseUp(false));

    button.MouseDown();
    button.MouseMove(false);
    EXPECT_TRUE(button.MouseMove(true));
    EXPECT_TRUE(button.MouseUp(true));
    EXPECT_FALSE(button.LooksPressed());
    // A move with no button held changes nothing.
    EXPECT_FALSE(button.MouseMove(true));
}

TEST(ButtonPressTracker, SpaceClicksAndLosingFocusCancels) {
    ButtonPressTracker button;
    EXPECT_TRUE(button.SpaceDown());
    EXPECT_FALSE(button.SpaceDown());  // auto-repeat
    EXPECT_TRUE(button.SpaceUp());
    EXPECT_FALSE(button.SpaceUp());

    button.SpaceDown();
    EXPECT_TRUE(button.Cancel());
    EXPECT_FALSE(button.SpaceUp());
    button.MouseDown();
    button.Cancel();
    EXPECT_FALSE(button.MouseUp(true));
}

TEST(ListEntries, SelectionBeyondTheEntriesSelectsNothing) {
    ListEntries list;
    EXPECT_FALSE(list.Select(0));
    EXPECT_EQ(list.Add("eth0 "), 0);
    EXPECT_EQ(list.Add("无线网卡 "), 1);
    EXPECT_TRUE(list.Select(1));
    EXPECT_EQ(*list.At(list.Selection()), "无线网卡 ");
    EXPECT_FALSE(list.Select(2));
    EXPECT_EQ(list.Selection(), ListEntries::kNone);
    list.Select(0);
    list.Clear();
    EXPECT_EQ(list.Selection(), ListEntries::kNone);
    EXPECT_EQ(list.At(0), nullptr);
}

TEST(ListScroll, HighlightStaysAmongTheVisibleRows) {
    ListScroll list(20, 8, 15);
    EXPECT_EQ(list.Highlight(), 15);
    EXPECT_EQ(list.Top(), 8);
    list.MoveHighlight(+10);
    EXPECT_EQ(list.Highlight(), 19);
    EXPECT_EQ(list.Top(), 12);
    list.MoveHighlight(-8);
    EXPECT_EQ(list.Highlight(), 11);
    EXPECT_EQ(list.Top(), 11);
    list.HighlightFirst();
    EXPECT_EQ(list.Top(), 0);
    list.ScrollBy(100);
    EXPECT_EQ(list.Top(), 12);
    EXPECT_EQ(list.Highlight(), 0);
    list.HighlightRow(3);
    EXPECT_EQ(list.Highlight(), 15);
}

TEST(ListScroll, EmptyAndShortLists) {
    ListScroll empty(0, 8, -1);
    empty.MoveHighlight(1);
    empty.HighlightRow(0);
    empty.ScrollBy(3);
    EXPECT_EQ(empty.Highlight(), -1);
    EXPECT_EQ(empty.Top(), 0);

    ListScroll shortList(3, 8, -1);
    shortList.MoveHighlight(1);
    EXPECT_EQ(shortList.Highlight(), 0);
    shortList.HighlightRow(5);  // below the last entry
    EXPECT_EQ(shortList.Highlight(), 0);
    shortList.ScrollBy(2);
    EXPECT_EQ(shortList.Top(), 0);
}

}  // namespace
}  // namespace win::controls
