#include <gtest/gtest.h>

#include <algorithm>

#include "recording_window.h"

namespace win::test {
namespace {

using Lines = std::vector<std::string>;

class PopupMenuTest : public RecordingTest {
protected:
    PopupMenuTest() {
        owner = Make("owner", WS_POPUP | WS_VISIBLE, {100, 100, 300, 300});
        menu = CreatePopupMenu();
        AppendMenu(menu, MF_STRING, 11, "显示目录");
        AppendMenu(menu, MF_SEPARATOR, 0, "");
        AppendMenu(menu, MF_STRING | MF_GRAYED, 12, "&Grayed");
        AppendMenu(menu, MF_STRING, 13, "E&xit");
    }
    ~PopupMenuTest() override { DestroyMenu(menu); }

    static HWND Popup() { return FindWindow("#32768", {}); }
    // The centre of item `index` of the open menu, on the screen.
    static POINT ItemCentre(int index) {
        RECT rect;
        GetWindowRect(Popup(), &rect);
        constexpr int kFrame = 3;
        int top = rect.top + kFrame;
        const int itemHeight = (rect.bottom - rect.top - 2 * kFrame - 9) / 3;
        for (int i = 0; i < index; ++i) {
            top += i == 1 ? 9 : itemHeight;
        }
        const int height = index == 1 ? 9 : itemHeight;
        return {rect.left + 20, top + height / 2};
    }
    void At(std::int64_t when, std::function<void()> action) {
        desktop.Host().At(desktop.Host().NowMilliseconds() + when, std::move(action));
    }
    void Click(POINT point) { desktop.Host().Click({point.x, point.y}); }
    void Key(int key) {
        desktop.Host().KeyDown(key);
        desktop.Host().KeyUp(key);
    }

    HWND owner;
    HMENU menu;
};

TEST_F(PopupMenuTest, MenuItemsAreKeptAsAppended) {
    EXPECT_EQ(GetMenuItemCount(menu), 4);
    EXPECT_EQ(GetMenuItemID(menu, 1), 0u);
    EXPECT_EQ(GetMenuItemID(menu, 3), 13u);
    EXPECT_EQ(GetMenuItemID(menu, 4), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuString(menu, 11, MF_BYCOMMAND), "显示目录");
    EXPECT_EQ(EnableMenuItem(menu, 12, MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(EnableMenuItem(menu, 99, MF_GRAYED), static_cast<UINT>(-1));
    EXPECT_FALSE(AppendMenu(menu, MF_POPUP, 0, "sub"));
    const HMENU other = CreatePopupMenu();
    EXPECT_NE(other, menu);
    EXPECT_TRUE(DestroyMenu(other));
    EXPECT_FALSE(IsMenu(other));
    EXPECT_FALSE(AppendMenu(other, MF_STRING, 1, "gone"));
}

TEST_F(PopupMenuTest, KeyboardChoosesAndSkipsSeparators) {
    At(10, [&] { Key(VK_DOWN); });
    At(20, [&] { Key(VK_DOWN); });
    At(30, [&] { Key(VK_DOWN); });
    At(40, [&] { Key(VK_RETURN); });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, 0, owner), 13);
    EXPECT_FALSE(Popup());
    EXPECT_EQ(GetCapture(), HWND{});
    EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(PopupMenuTest, AClickOnAnItemPostsItsCommand) {
    Record({WM_COMMAND, WM_INITMENUPOPUP, WM_ENTERMENULOOP, WM_EXITMENULOOP});
    Name(nullptr, "0");
    At(10, [&] { Click(ItemCentre(0)); });
    EXPECT_EQ(TrackPopupMenu(menu, 0, 150, 150, 0, owner), 1);
    desktop.Pump();
    EXPECT_EQ(
        Take(),
        (Lines{"owner " + MessageName(WM_ENTERMENULOOP), "owner " + MessageName(WM_INITMENUPOPUP),
               "owner " + MessageName(WM_EXITMENULOOP), "owner " + MessageName(WM_COMMAND)}));
}

TEST_F(PopupMenuTest, GrayedItemsAndSeparatorsAreNotChosen) {
    At(10, [&] { Click(ItemCentre(2)); });
    At(20, [&] { Click(ItemCentre(1)); });
    At(30, [&] {
        // Still open after both clicks.
        EXPECT_TRUE(Popup());
        Key(VK_ESCAPE);
    });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, 0, owner), 0);
}

TEST_F(PopupMenuTest, APressOutsideClosesWithoutAChoice) {
    Record({WM_LBUTTONDOWN});
    At(10, [&] { Click({5, 5}); });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, 0, owner), 0);
    EXPECT_TRUE(Take().empty());
}

TEST_F(PopupMenuTest, AccessKeysChoose) {
    At(10, [&] { desktop.Host().TypeText("x"); });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, 0, owner), 13);
}

TEST_F(PopupMenuTest, AlignmentFlagsAndTheScreenEdge) {
    RECT rect{};
    At(10, [&] {
        GetWindowRect(Popup(), &rect);
        Key(VK_ESCAPE);
    });
    TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTALIGN | TPM_BOTTOMALIGN, 500, 400, 0, owner);
    EXPECT_EQ(rect.right, 500);
    EXPECT_EQ(rect.bottom, 400);

    At(10, [&] {
        GetWindowRect(Popup(), &rect);
        Key(VK_ESCAPE);
    });
    TrackPopupMenu(menu, TPM_RETURNCMD, 1270, 790, 0, owner);
    EXPECT_EQ(rect.right, 1280);
    EXPECT_EQ(rect.bottom, 800);
    EXPECT_LT(rect.left, 1270);
}

TEST_F(PopupMenuTest, TimersKeepRunningWhileTheMenuIsOpen) {
    int ticks = 0;
    onMessage = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_TIMER) {
            ++ticks;
        }
        return std::nullopt;
    };
    SetTimer(owner, 1, 100, nullptr);
    At(450, [&] { Key(VK_ESCAPE); });
    TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, 0, owner);
    EXPECT_EQ(ticks, 4);
}

TEST_F(PopupMenuTest, TheMenuIsDrawnWithItsHighlight) {
    std::uint32_t highlight = 0;
    std::uint32_t plain = 0;
    At(10, [&] { desktop.Host().MoveMouse({ItemCentre(0).x, ItemCentre(0).y}); });
    At(20, [&] {
        RECT rect;
        GetWindowRect(Popup(), &rect);
        const POINT hot = ItemCentre(0);
        const POINT cold = ItemCentre(3);
        // Left of the text, inside the item.
        highlight = desktop.PresentedPixel(Popup(), 6, hot.y - rect.top);
        plain = desktop.PresentedPixel(Popup(), 6, cold.y - rect.top);
        Key(VK_ESCAPE);
    });
    TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, 0, owner);
    const auto rgb = [](COLORREF c) {
        return (std::uint32_t{GetRValue(c)} << 16) | (std::uint32_t{GetGValue(c)} << 8) |
               GetBValue(c);
    };
    EXPECT_EQ(highlight, rgb(GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_EQ(plain, rgb(GetSysColor(COLOR_MENU)));
}

// A menu with a sub-menu in the middle: "First", "More" (opening "Alpha", "Beta"), "Last".
class SubMenuTest : public PopupMenuTest {
protected:
    SubMenuTest() {
        sub = CreatePopupMenu();
        AppendMenu(sub, MF_STRING, 41, "Alpha");
        AppendMenu(sub, MF_STRING, 42, "&Beta");
        root = CreatePopupMenu();
        AppendMenu(root, MF_STRING, 31, "First");
        AppendMenu(root, MF_POPUP, static_cast<UINT_PTR>(sub.Value()), "&More");
        AppendMenu(root, MF_STRING, 33, "Last");
    }
    ~SubMenuTest() override { DestroyMenu(root); }

    // The open menu windows, the first level first.
    static std::vector<HWND> Levels() {
        std::vector<HWND> levels;
        EnumWindows(
            [&](HWND window, LPARAM) {
                char name[16] = {};
                GetClassName(window, name, sizeof(name));
                if (std::string(name) == "#32768") {
                    levels.push_back(window);
                }
                return true;
            },
            0);
        std::sort(levels.begin(), levels.end(), [](HWND a, HWND b) {
            RECT ra;
            RECT rb;
            GetWindowRect(a, &ra);
            GetWindowRect(b, &rb);
            return ra.left < rb.left;
        });
        return levels;
    }
    // The centre of item `index` of a menu window whose items are all alike.
    static POINT Centre(HWND level, int index, int count) {
        RECT rect;
        GetWindowRect(level, &rect);
        constexpr int kFrame = 3;
        const int height = (rect.bottom - rect.top - 2 * kFrame) / count;
        return {rect.left + 20, rect.top + kFrame + index * height + height / 2};
    }
    void MoveTo(POINT point) { desktop.Host().MoveMouse({point.x, point.y}); }

    HMENU root;
    HMENU sub;
};

TEST_F(SubMenuTest, SubMenusAreKeptWithTheirMenu) {
    EXPECT_EQ(GetSubMenu(root, 1), sub);
    EXPECT_EQ(GetSubMenu(root, 0), HMENU{});
    EXPECT_EQ(GetMenuItemID(root, 1), static_cast<UINT>(-1));
    // By command, the sub-menu's items are found too.
    EXPECT_EQ(EnableMenuItem(root, 42, MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(GetMenuString(root, 42, MF_BYCOMMAND), "&Beta");
    EXPECT_EQ(EnableMenuItem(root, 42, MF_ENABLED), MF_GRAYED);
    // No menu inside itself, however deep.
    EXPECT_FALSE(AppendMenu(root, MF_POPUP, static_cast<UINT_PTR>(root.Value()), "self"));
    EXPECT_FALSE(AppendMenu(sub, MF_POPUP, static_cast<UINT_PTR>(root.Value()), "loop"));
    EXPECT_EQ(GetMenuItemCount(sub), 2);

    const HMENU doomed = CreatePopupMenu();
    const HMENU inner = CreatePopupMenu();
    AppendMenu(doomed, MF_POPUP, static_cast<UINT_PTR>(inner.Value()), "inner");
    EXPECT_TRUE(DestroyMenu(doomed));
    EXPECT_FALSE(IsMenu(inner));
}

TEST_F(SubMenuTest, PointingOpensTheSubMenuAndItsItemIsTheChoice) {
    desktop.Pump();
    const auto objects = GdiLiveObjects();
    Record({WM_INITMENUPOPUP});
    std::vector<std::size_t> levels;
    const auto note = [&] { levels.push_back(Levels().size()); };
    At(10, [&] { MoveTo(Centre(Levels().at(0), 1, 3)); });
    // Onto another item of the first level, and back.
    At(20, [&] {
        note();
        MoveTo(Centre(Levels().at(0), 2, 3));
    });
    At(30, [&] {
        note();
        MoveTo(Centre(Levels().at(0), 1, 3));
    });
    At(40, [&] {
        note();
        MoveTo(Centre(Levels().at(1), 1, 2));
    });
    At(50, [&] {
        note();
        Click(Centre(Levels().at(1), 1, 2));
    });
    EXPECT_EQ(TrackPopupMenu(root, TPM_RETURNCMD, 150, 150, 0, owner), 42);
    EXPECT_EQ(levels, (std::vector<std::size_t>{2, 1, 2, 2}));
    EXPECT_TRUE(Levels().empty());
    EXPECT_EQ(GetCapture(), HWND{});
    // Drawing the levels, arrow included, kept nothing.
    EXPECT_EQ(GdiLiveObjects(), objects);
    // The first level, then the sub-menu each time it opened.
    EXPECT_EQ(Take().size(), 3u);

    // Beside the first level, lined up with the item that opened it.
    RECT first{};
    RECT second{};
    POINT opener{};
    At(10, [&] { MoveTo(Centre(Levels().at(0), 1, 3)); });
    At(20, [&] {
        GetWindowRect(Levels().at(0), &first);
        GetWindowRect(Levels().at(1), &second);
        opener = Centre(Levels().at(0), 1, 3);
        Key(VK_ESCAPE);
    });
    At(30, [&] { Key(VK_ESCAPE); });
    EXPECT_EQ(TrackPopupMenu(root, TPM_RETURNCMD, 150, 150, 0, owner), 0);
    EXPECT_GT(second.left, first.left);
    EXPECT_LE(second.left, first.right);
    EXPECT_GT(second.top, first.top);
    EXPECT_LT(second.top, opener.y);
}

TEST_F(SubMenuTest, RightOpensLeftAndEscapeCloseOneLevel) {
    std::vector<std::size_t> levels;
    const auto note = [&] { levels.push_back(Levels().size()); };
    const auto step = [&](std::int64_t when, int key) {
        At(when, [&, key] {
            note();
            Key(key);
        });
    };
    step(10, VK_DOWN);
    step(20, VK_DOWN);
    step(30, VK_RIGHT);
    step(40, VK_LEFT);
    step(50, VK_RIGHT);
    step(60, VK_ESCAPE);
    step(70, VK_RIGHT);
    step(80, VK_DOWN);
    step(90, VK_RETURN);
    // Right highlighted "Alpha"; one Down more is "Beta".
    EXPECT_EQ(TrackPopupMenu(root, TPM_RETURNCMD, 150, 150, 0, owner), 42);
    EXPECT_EQ(levels, (std::vector<std::size_t>{1, 1, 1, 2, 1, 2, 1, 2, 2}));

    // An access key opens the sub-menu, another chooses in it; Escape at the first level ends.
    At(10, [&] { desktop.Host().TypeText("m"); });
    At(20, [&] { desktop.Host().TypeText("b"); });
    EXPECT_EQ(TrackPopupMenu(root, TPM_RETURNCMD, 150, 150, 0, owner), 42);
    At(10, [&] { Key(VK_ESCAPE); });
    EXPECT_EQ(TrackPopupMenu(root, TPM_RETURNCMD, 150, 150, 0, owner), 0);
}

}  // namespace
}  // namespace win::test
