#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "forms_fixture.h"
#include "platform/forms/command_button.h"
#include "platform/forms/form.h"
#include "platform/forms/menu.h"
#include "platform/forms/timer.h"
#include "platform/forms/twips.h"
#include "platform/user/user.h"

namespace win::forms::testing {
namespace {

class frmTray : public Form {
public:
    frmTray() : Form("frmTray") {
        for (Menu* item : {&cmdMenushow, &cmdGrey, &cmdAbout, &cmdHidden}) {
            item->Click = [this, item] {
                events.push_back(item->Name());
                menuOpenAtClick = FindWindow("#32768", "") != nullptr;
            };
        }
        cmdAbout.Click = [this] {
            events.push_back("cmdAbout");
            Unload();
        };
        tmrTick.Tick = [this] { ++ticks; };
    }

    Menu Mnu_Traymenu{*this, "Mnu_Traymenu"};
    Menu cmdMenushow{Mnu_Traymenu, "cmdMenushow"};
    Menu mnuLine{Mnu_Traymenu, "mnuLine"};
    Menu cmdGrey{Mnu_Traymenu, "cmdGrey"};
    Menu cmdAbout{Mnu_Traymenu, "cmdAbout"};
    Menu cmdHidden{Mnu_Traymenu, "cmdHidden"};
    CommandButton cmdDrop{*this, "cmdDrop"};
    Timer tmrTick{*this, "tmrTick"};

    std::vector<std::string> events;
    bool menuOpenAtClick = true;
    int ticks = 0;

protected:
    void Design() override {
        SetStartUpPosition(StartUpPosition::Manual);
        Move(1500, 1500);
        SetClientSize(4500, 3000);
        Mnu_Traymenu.SetCaption("托盘菜单");
        Mnu_Traymenu.SetVisible(false);
        cmdMenushow.SetCaption("显示目录");
        cmdMenushow.SetChecked(true);
        mnuLine.SetCaption("-");
        cmdGrey.SetCaption("退出");
        cmdGrey.SetEnabled(false);
        cmdAbout.SetCaption("&About");
        cmdHidden.SetCaption("&Hidden");
        cmdHidden.SetVisible(false);
        cmdDrop.Move(1500, 1500, 1200, 375);
        tmrTick.SetInterval(100);
    }
};

class FormMenus : public FormsTest {
protected:
    frmTray form;
};

TEST_F(FormMenus, AClickOnAnItemRaisesItsClickOnceTheMenuHasClosed) {
    form.Show();
    desktop.Host().MoveMouse({400, 300});
    RECT placed{};
    desktop.After(10, [&] {
        placed = desktop.OpenMenuRect();
        desktop.Host().Click({placed.left + 30, placed.top + 10});
    });
    form.PopupMenu(form.Mnu_Traymenu);
    EXPECT_EQ(placed.left, 400);
    EXPECT_EQ(placed.top, 300);
    EXPECT_EQ(form.events, (std::vector<std::string>{"cmdMenushow"}));
    EXPECT_FALSE(form.menuOpenAtClick);
    EXPECT_FALSE(desktop.OpenMenu());
    EXPECT_FALSE(GetCapture());
}

TEST_F(FormMenus, KeysChooseAmongTheVisibleItemsWhileTimersRun) {
    form.Show();
    desktop.After(1000, [&] {
        desktop.TapKey(VK_UP);  // from nothing round to the last item that shows
        desktop.TapKey(VK_RETURN);
    });
    form.PopupMenu(form.Mnu_Traymenu);
    EXPECT_EQ(form.events, (std::vector<std::string>{"cmdAbout"}));
    EXPECT_GE(form.ticks, 9);
}

TEST_F(FormMenus, TheAccessKeyChoosesAndHiddenItemsAreNotThere) {
    form.Show();
    desktop.After(10, [&] { desktop.Host().TypeText("h"); });
    desktop.After(20, [&] { desktop.Host().TypeText("a"); });
    form.PopupMenu(form.Mnu_Traymenu);
    EXPECT_EQ(form.events, (std::vector<std::string>{"cmdAbout"}));
}

TEST_F(FormMenus, GreyedItemsRefuseAndAClickOutsideDismisses) {
    form.Show();
    desktop.Host().MoveMouse({400, 300});
    bool openAfterGreyClick = false;
    desktop.After(10, [&] {
        desktop.TapKey(VK_DOWN);
        desktop.TapKey(VK_DOWN);  // over the separator to the greyed item
        desktop.TapKey(VK_RETURN);
    });
    desktop.After(20, [&] {
        openAfterGreyClick = desktop.OpenMenu() != nullptr;
        desktop.Host().Click({5, 5});
    });
    form.PopupMenu(form.Mnu_Traymenu);
    EXPECT_TRUE(openAfterGreyClick);
    EXPECT_TRUE(form.events.empty());
    EXPECT_FALSE(desktop.OpenMenu());
    desktop.Pump();
    EXPECT_TRUE(form.events.empty());
}

TEST_F(FormMenus, AHandlerThatUnloadsTheFormIsSafeAndTheMenuWorksAfterALoadAfresh) {
    form.Show();
    const HWND first = form.hWnd();
    desktop.After(10, [&] { desktop.Host().TypeText("a"); });
    form.PopupMenu(form.Mnu_Traymenu);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(form.IsLoaded());
    desktop.Pump();

    // On an unloaded form the menu loads it first, hidden.
    desktop.After(10, [&] {
        const RECT rect = desktop.OpenMenuRect();
        desktop.Host().Click({rect.left + 30, rect.top + 10});
    });
    form.PopupMenu(form.Mnu_Traymenu);
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.events, (std::vector<std::string>{"cmdAbout", "cmdMenushow"}));
}

TEST_F(FormMenus, AnUnloadWhileTheMenuIsOpenClosesItWithoutAChoice) {
    form.Show();
    form.tmrTick.Tick = [this] { form.Unload(); };
    desktop.After(150, [&] { desktop.TapKey(VK_DOWN); });
    form.PopupMenu(form.Mnu_Traymenu);
    EXPECT_FALSE(desktop.OpenMenu());
    EXPECT_TRUE(form.events.empty());
}

TEST_F(FormMenus, AlignmentPutsTheCornerAtAPointOfTheFormOrOfAControl) {
    form.Show();
    RECT placed{};
    desktop.After(10, [&] {
        placed = desktop.OpenMenuRect();
        desktop.TapKey(VK_ESCAPE);
    });
    form.PopupMenu(form.Mnu_Traymenu, TPM_RIGHTALIGN | TPM_BOTTOMALIGN, 3000, 1500);
    POINT corner{TwipsToPixels(3000), TwipsToPixels(1500)};
    ClientToScreen(form.hWnd(), &corner);
    EXPECT_EQ(placed.right, corner.x);
    EXPECT_EQ(placed.bottom, corner.y);

    // As a drop-down button shows one: below the control, left edges aligned.
    RECT button{};
    GetWindowRect(form.cmdDrop.hWnd(), &button);
    desktop.After(10, [&] {
        placed = desktop.OpenMenuRect();
        desktop.TapKey(VK_ESCAPE);
    });
    EXPECT_EQ(ShowPopupMenu(form.Mnu_Traymenu, form.cmdDrop.hWnd(),
                            POINT{0, button.bottom - button.top}, 0),
              nullptr);
    EXPECT_EQ(placed.left, button.left);
    EXPECT_EQ(placed.top, button.bottom);
    EXPECT_TRUE(form.events.empty());
}

}  // namespace
}  // namespace win::forms::testing
