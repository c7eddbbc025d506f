
#include "control_test.h"

namespace win::controls::test {
namespace {

constexpr UINT_PTR kShow = 10;
constexpr UINT_PTR kExit = 11;
constexpr UINT_PTR kAbout = 12;

class PopupMenuTest : public ControlTest {
protected:
    PopupMenuTest() {
        menu = CreatePopupMenu();
        AppendMenu(menu, MF_STRING, kShow, "显示目录");
        AppendMenu(menu, MF_SEPARATOR, 0, "");
        AppendMenu(menu, MF_STRING | MF_GRAYED, kExit, "退出");
        AppendMenu(menu, MF_STRING, kAbout, "&About");
        onFormMessage = [this](HWND, UINT message, WPARAM wParam,
                               LPARAM) -> std::optional<LRESULT> {
            if (message == WM_TIMER) {
                ++timerTicks;
            }
            if (message == WM_COMMAND) {
                commands.push_back(LOWORD(wParam));
            }
            return std::nullopt;
        };
    }
    ~PopupMenuTest() override { DestroyMenu(menu); }

    HMENU menu;
    int timerTicks = 0;
    std::vector<WORD> commands;
};

TEST_F(PopupMenuTest, KeysChooseWhileTimersRun) {
    SetTimer(form, 5, 100, nullptr);
    bool sawMenu = false;
    desktop.After(1000, [&] {
        sawMenu = IsWindowVisible(desktop.OpenMenu());
        desktop.TapKey(VK_UP);  // from nothing highlighted round to the last item
        desktop.TapKey(VK_RETURN);
    });
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD, 300, 200, 0, form, nullptr);
    EXPECT_TRUE(sawMenu);
    EXPECT_EQ(chosen, static_cast<int>(kAbout));
    EXPECT_GE(timerTicks, 9);
    EXPECT_FALSE(desktop.OpenMenu());
    desktop.Pump();
    EXPECT_TRUE(commands.empty());  // the command was returned, not sent
    KillTimer(form, 5);
}

TEST_F(PopupMenuTest, AlignmentFlagsPutTheCornerAtThePoint) {
    RECT placed{};
    desktop.After(10, [&] {
        placed = desktop.OpenMenuRect();
        desktop.TapKey(VK_ESCAPE);
    });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_BOTTOMALIGN | TPM_RETURNCMD, 600, 500, 0,
                             form, nullptr),
              0);
    EXPECT_EQ(placed.right, 600);
    EXPECT_EQ(placed.bottom, 500);

    desktop.After(10, [&] {
        placed = desktop.OpenMenuRect();
        desktop.TapKey(VK_ESCAPE);
    });
    TrackPopupMenu(menu, TPM_RETURNCMD, 600, 500, 0, form, nullptr);
    EXPECT_EQ(placed.left, 600);
    EXPECT_EQ(placed.top, 500);
}

TEST_F(PopupMenuTest, ClickChoosesAndPostsTheCommandToTheOwner) {
    desktop.After(10, [&] {
        const RECT rect = desktop.OpenMenuRect();
        desktop.Host().Click({rect.left + 30, rect.top + 10});  // the first item
    });
    EXPECT_NE(TrackPopupMenu(menu, 0, 300, 200, 0, form, nullptr), 0);
    desktop.Pump();
    EXPECT_EQ(commands, (std::vector<WORD>{static_cast<WORD>(kShow)}));
}

TEST_F(PopupMenuTest, ClickOutsideClosesWithoutAChoice) {
    desktop.After(10, [&] { desktop.Host().Click({5, 5}); });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 300, 200, 0, form, nullptr), 0);
    EXPECT_FALSE(desktop.OpenMenu());
    EXPECT_FALSE(GetCapture());
    desktop.Pump();
    EXPECT_TRUE(commands.empty());
}

TEST_F(PopupMenuTest, AccessKeyChoosesItsItem) {
    desktop.After(10, [&] { desktop.Host().TypeText("a"); });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 300, 200, 0, form, nullptr),
              static_cast<int>(kAbout));
}

}  // namespace
}  // namespace win::controls::test
