#include <gtest/gtest.h>

#include "platform/controls/button_press_tracker.h"
#include "platform/controls/list_entries.h"
#include "platform/controls/list_scroll.h"
#include "platform/controls/menu_table.h"
#include "platform/controls/popup_menu.h"

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

TEST(MenuNavigation, SkipsSeparatorsAndGrayedItemsRoundTheEnds) {
    const std::vector<MenuItem> items = {{MF_GRAYED, 1, "a"},
                                         {MF_STRING, 2, "b"},
                                         {MF_SEPARATOR, 0, ""},
                                         {MF_STRING, 3, "c"},
                                         {MF_DISABLED, 4, "d"}};
    EXPECT_EQ(NextSelectableItem(items, -1, +1), 1);
    EXPECT_EQ(NextSelectableItem(items, -1, -1), 3);
    EXPECT_EQ(NextSelectableItem(items, 1, +1), 3);
    EXPECT_EQ(NextSelectableItem(items, 3, +1), 1);
    EXPECT_EQ(NextSelectableItem(items, 1, -1), 3);
    EXPECT_EQ(NextSelectableItem({{MF_SEPARATOR, 0, ""}}, -1, 1), -1);
    EXPECT_EQ(NextSelectableItem({}, -1, 1), -1);
}

TEST(PopupMenuApi, ItemsAndHandles) {
    const HMENU menu = CreatePopupMenu();
    ASSERT_TRUE(IsMenu(menu));
    EXPECT_TRUE(AppendMenu(menu, MF_STRING, 10, "显示目录"));
    EXPECT_TRUE(AppendMenu(menu, MF_SEPARATOR, 0, ""));
    EXPECT_TRUE(AppendMenu(menu, MF_STRING | MF_GRAYED, 11, "退出"));
    EXPECT_FALSE(AppendMenu(menu, 0x0010, 12, "submenu"));
    EXPECT_EQ(GetMenuItemCount(menu), 3);
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(IsMenu(menu));
    EXPECT_FALSE(AppendMenu(menu, MF_STRING, 1, "x"));
    EXPECT_EQ(GetMenuItemCount(menu), -1);
    EXPECT_FALSE(DestroyMenu(menu));
    EXPECT_NE(CreatePopupMenu(), menu);
}

}  // namespace
}  // namespace win::controls
