#include "windows/frm_menu.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "meter/leading_number.h"
#include "platform/files/temporary_folder.h"
#include "platform/forms/application.h"
#include "platform/net/scripted_interface_table.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"
#include "platform/user/window_property_list.h"
#include "shell/module1.h"
#include "skin/m_skin_button.h"
#include "windows/page_address.h"

namespace quellan {
namespace {

using win::host::MouseButton;
using win::host::TrayAction;

// The mini window, telling what the desktop looked like when its load ran.
class RecordingMini : public frmRight {
public:
    using frmRight::frmRight;
    std::function<void()> onLoad;

protected:
    void Form_Load() override {
        if (onLoad) {
            onLoad();
        }
        frmRight::Form_Load();
    }
};

// The tray menu window, telling what the desktop looked like when it began to unload.
class RecordingMenu : public frmMenu {
public:
    using frmMenu::frmMenu;
    std::function<void()> onUnload;

protected:
    void Form_Unload() override {
        if (onUnload) {
            onUnload();
        }
        frmMenu::Form_Unload();
    }
};

// The items of the tray menu, in menu order.
enum Item { kMenushow, kRightshow, kMoreinfo, kAutoRun, kAbout, kEnd };

class TrayMenuTest : public testing_support::TemporaryFolderTest {
protected:
    void SetUp() override {
        TemporaryFolderTest::SetUp();
        win::forms::App().ResetForTesting();
        win::forms::App().SetExecutablePath("/opt/quellan/bin/quellan");
        desktop_.Host().SetScreen({1280, 800}, {0, 0, 1280, 770});
        table_->SetRows({win::ScriptedRow("eth0", 2, 0, 0, "ABC")});
        statistics_ = std::make_unique<frmBandwidth>(table_, NumericSeparators{".", ","});
        mini_ = std::make_unique<RecordingMini>(*statistics_, TotalsFile());
        mini_->ShowSaveFailure = [this](const std::string& message) {
            failures_.push_back(message);
        };
        tariff_ = std::make_unique<frmSpend>(TotalsFile());
        notice_ = std::make_unique<frmNotice>();
        about_ = std::make_unique<frmAbout>();
        menu_ = std::make_unique<RecordingMenu>(
            frmMenu::Targets{*mini_, *statistics_, *tariff_, *notice_, *about_});
        Module1::Instance().ReportNoTray = [this](std::string_view message) {
            noTrayReports_.emplace_back(message);
        };
    }
    void TearDown() override {
        Module1::Instance().RemoveTrayIcon();
        menu_.reset();
        about_.reset();
        notice_.reset();
        tariff_.reset();
        mini_.reset();
        statistics_.reset();
        win::forms::App().ResetForTesting();
        TemporaryFolderTest::TearDown();
    }

    std::filesystem::path TotalsFile() const { return Folder() / "allbandwidth.dat"; }

    // A right click on the tray icon that chooses `item` from the menu it opens, by keys.
    void ChooseFromTray(Item item) {
        desktop_.After(10, [this, item] {
            for (int down = 0; down <= item; ++down) {
                desktop_.TapKey(win::VK_DOWN);
            }
            desktop_.TapKey(win::VK_RETURN);
        });
        desktop_.Host().TrayInput(TrayAction::Press, MouseButton::Right);
        desktop_.Host().TrayInput(TrayAction::Release, MouseButton::Right);
        desktop_.Pump();
    }

    void ClickCentreOf(win::HWND window) {
        win::RECT rect{};
        win::GetWindowRect(window, &rect);
        desktop_.Host().Click({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
        desktop_.Pump();
    }

    static win::HWND Active() { return win::GetActiveWindow(); }

    win::testing::HeadlessDesktop desktop_;
    std::shared_ptr<win::ScriptedInterfaceTable> table_ =
        std::make_shared<win::ScriptedInterfaceTable>();
    std::unique_ptr<frmBandwidth> statistics_;
    std::unique_ptr<RecordingMini> mini_;
    std::unique_ptr<frmSpend> tariff_;
    std::unique_ptr<frmNotice> notice_;
    std::unique_ptr<frmAbout> about_;
    std::unique_ptr<RecordingMenu> menu_;
    std::vector<std::string> failures_;
    std::vector<std::string> noTrayReports_;
};

TEST_F(TrayMenuTest, TheLoadShowsTheMiniWindowThenRegistersTheIconAndHookThenSkins) {
    bool iconAtMiniLoad = true;
    mini_->onLoad = [&] { iconAtMiniLoad = desktop_.Host().Tray().shown; };
    menu_->Show();
    desktop_.Pump();

    EXPECT_FALSE(iconAtMiniLoad) << "the mini window comes first";
    EXPECT_TRUE(mini_->Visible());
    EXPECT_TRUE(menu_->Visible());
    EXPECT_TRUE(desktop_.Host().Tray().shown);
    EXPECT_EQ(desktop_.Host().Tray().tip, "/opt/quellan/bin");
    EXPECT_EQ(desktop_.Host().Tray().iconSize.width, 32);
    EXPECT_EQ(menu_->TrayIconData.hWnd, menu_->hWnd());
    EXPECT_EQ(menu_->TrayIconData.uCallbackMessage, 1147u);

    // The skin's hook sits in front of the tray hook, which sits in front of the form's own.
    const win::HWND window = menu_->hWnd();
    EXPECT_EQ(win::GetWindowLongPtr(window, win::GWL_WNDPROC),
              win::WNDPROC(&MSkinButton::SkinContainerProc).ToLongPtr());
    EXPECT_EQ(win::GetProp(window, "PROCADDR"), win::WNDPROC(&Module1::TrayWndProc).ToLongPtr());
    // Behind the tray hook, whatever the window had before (the buttons' hook on the form).
    const win::WNDPROC previous = Module1::Instance().PrevTrayWndProc();
    EXPECT_TRUE(previous);
    EXPECT_NE(previous, win::WNDPROC(&Module1::TrayWndProc));
    EXPECT_NE(previous, win::WNDPROC(&MSkinButton::SkinContainerProc));
    EXPECT_TRUE(noTrayReports_.empty());
}

TEST_F(TrayMenuTest, TheWindowAndItsControlsAsDesigned) {
    menu_->Show();
    desktop_.Pump();
    const win::HWND window = menu_->hWnd();
    win::RECT client{};
    win::GetClientRect(window, &client);
    EXPECT_EQ(client, (win::RECT{0, 0, 346, 330}));
    win::RECT outer{};
    win::GetWindowRect(window, &outer);
    EXPECT_LE(std::abs(outer.left + outer.right - 1280), 1);
    EXPECT_LE(std::abs(outer.top + outer.bottom - 800), 1);
    const auto style = static_cast<win::DWORD>(win::GetWindowLong(window, win::GWL_STYLE));
    const auto exStyle = static_cast<win::DWORD>(win::GetWindowLong(window, win::GWL_EXSTYLE));
    EXPECT_EQ(style & win::WS_CAPTION, win::WS_CAPTION);
    EXPECT_EQ(style & (win::WS_MINIMIZEBOX | win::WS_MAXIMIZEBOX | win::WS_THICKFRAME), 0u);
    EXPECT_NE(exStyle & win::WS_EX_TOOLWINDOW, 0u) << "off the taskbar";
    EXPECT_EQ(win::GetWindowText(window), "Quellan");

    struct Case {
        const lumbutton* button;
        const char* caption;
        win::RECT placed;  // pixels in the client area
    };
    const Case cases[] = {
        {&menu_->lumbutton1, "查看详细信息", {16, 96, 121, 121}},
        {&menu_->lumbutton2, "打开右侧窗口信息", {224, 96, 329, 121}},
        {&menu_->lumbutton3, "资费计算器", {112, 200, 233, 225}},
        {&menu_->lumbutton4, "查看公告信息", {240, 5, 337, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(c.button->Caption(), c.caption);
        EXPECT_EQ(c.button->ButtonStyle(), StyleOrangeGloss);
        EXPECT_EQ(c.button->BackColor(), 0x00FFD1ADu);
        ASSERT_TRUE(c.button->Font());
        EXPECT_EQ(c.button->Font()->Name(), "Tahoma");
        EXPECT_DOUBLE_EQ(c.button->Font()->Size(), 8.25);
        win::RECT rect{};
        win::GetWindowRect(c.button->hWnd(), &rect);
        win::MapWindowPoints(nullptr, window, reinterpret_cast<win::POINT*>(&rect), 2);
        EXPECT_LE(std::abs(rect.left - c.placed.left) + std::abs(rect.top - c.placed.top), 1);
    }

    std::vector<std::string> items;
    for (const win::forms::Menu* item : menu_->Mnu_Traymenu.Items()) {
        items.push_back(item->Caption());
    }
    EXPECT_EQ(items, (std::vector<std::string>{"显示目录", "小窗口显示", "查看详细信息",
                                               "跟随Windows自启动", "关于", "退出"}));
    EXPECT_EQ(menu_->Mnu_Traymenu.Caption(), "托盘菜单");
    EXPECT_FALSE(menu_->Mnu_Traymenu.Visible());
}

TEST_F(TrayMenuTest, EachButtonShowsItsWindowFirstAndUnloadsTheMenuWindowSecond) {
    struct Case {
        const char* name;
        std::function<lumbutton&()> button;
        std::function<win::forms::Form&()> target;
    };
    const Case cases[] = {
        {"statistics", [this]() -> lumbutton& { return menu_->lumbutton1; },
         [this]() -> win::forms::Form& { return *statistics_; }},
        {"mini", [this]() -> lumbutton& { return menu_->lumbutton2; },
         [this]() -> win::forms::Form& { return *mini_; }},
        {"tariff", [this]() -> lumbutton& { return menu_->lumbutton3; },
         [this]() -> win::forms::Form& { return *tariff_; }},
        {"notice", [this]() -> lumbutton& { return menu_->lumbutton4; },
         [this]() -> win::forms::Form& { return *notice_; }},
    };
    for (const Case& c : cases) {
        // Whether the target was open already or not, it comes up and the menu window goes.
        for (bool targetOpen : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (targetOpen ? " open" : " closed"));
            if (targetOpen) {
                c.target().Show();
            } else if (&c.target() != mini_.get()) {
                c.target().Unload();
            }
            menu_->Show();
            desktop_.Pump();
            bool targetShownAtUnload = false;
            menu_->onUnload = [&] { targetShownAtUnload = c.target().Visible(); };
            ClickCentreOf(c.button().hWnd());
            EXPECT_TRUE(targetShownAtUnload);
            EXPECT_FALSE(menu_->IsLoaded());
            EXPECT_TRUE(c.target().Visible());
            EXPECT_EQ(Active(), c.target().hWnd());
            menu_->onUnload = nullptr;
        }
    }
}

TEST_F(TrayMenuTest, TheMenuItemsShowTheirWindows) {
    struct Case {
        Item item;
        std::function<win::forms::Form&()> target;
        bool menuStays;
    };
    const Case cases[] = {
        {kRightshow, [this]() -> win::forms::Form& { return *mini_; }, true},
        {kMoreinfo, [this]() -> win::forms::Form& { return *statistics_; }, true},
        {kAbout, [this]() -> win::forms::Form& { return *about_; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        menu_->Show();
        mini_->Hide();
        desktop_.Pump();
        bool targetShownAtUnload = false;
        menu_->onUnload = [&] { targetShownAtUnload = c.target().Visible(); };
        ChooseFromTray(c.item);
        EXPECT_TRUE(c.target().Visible());
        EXPECT_EQ(menu_->IsLoaded(), c.menuStays);
        EXPECT_EQ(targetShownAtUnload, !c.menuStays) << "shown first, unloaded second";
        menu_->onUnload = nullptr;
        c.target().Hide();
    }
}

TEST_F(TrayMenuTest, ShowMenuRaisesTheMenuWindowOverAnotherAndLoadsItWhenUnloaded) {
    menu_->Show();
    tariff_->Show();
    desktop_.Pump();
    ASSERT_EQ(Active(), tariff_->hWnd());
    ChooseFromTray(kMenushow);
    EXPECT_TRUE(menu_->Visible());
    EXPECT_EQ(Active(), menu_->hWnd());

    // Unloaded, the icon still answers: the right click loads the window, the item shows it.
    menu_->Unload();
    ASSERT_FALSE(menu_->IsLoaded());
    ChooseFromTray(kMenushow);
    EXPECT_TRUE(menu_->Visible());
    EXPECT_EQ(Module1::Instance().NotifiedWindow(), menu_->hWnd());
    EXPECT_TRUE(win::IsWindow(Module1::Instance().NotifiedWindow()));
}

TEST_F(TrayMenuTest, EndSavesTheRunLikeTheMiniWindowsCloseAndKeepsRunningWhenItCannot) {
    WriteFile(TotalsFile(), "1000\r\n");
    menu_->Show();
    desktop_.Advance(450);
    table_->SetRows({win::ScriptedRow("eth0", 2, 10 * 1024, 0, "ABC")});
    desktop_.Advance(450);
    ChooseFromTray(kEnd);
    EXPECT_TRUE(win::forms::App().Ended());
    EXPECT_EQ(LeadingNumber(ReadFile(TotalsFile())), 1010.0) << "the stored total and this run's";
    EXPECT_TRUE(failures_.empty());
}

TEST_F(TrayMenuTest, EndThatCannotSaveSaysSoAndTheProgramRuns) {
    std::filesystem::create_directory(TotalsFile());  // a folder where the file should be
    menu_->Show();
    desktop_.Pump();
    ChooseFromTray(kEnd);
    EXPECT_FALSE(win::forms::App().Ended());
    ASSERT_EQ(failures_.size(), 1u);
    EXPECT_TRUE(menu_->IsLoaded());
}

TEST_F(TrayMenuTest, LeftClicksAndDoubleClicksOnTheIconDoNothing) {
    menu_->Show();
    tariff_->Show();
    desktop_.Pump();
    const struct {
        TrayAction action;
        MouseButton button;
    } inputs[] = {{TrayAction::Press, MouseButton::Left},
                  {TrayAction::Release, MouseButton::Left},
                  {TrayAction::DoubleClick, MouseButton::Left},
                  {TrayAction::Release, MouseButton::Left}};
    bool menuOpened = false;
    desktop_.After(10, [&] { menuOpened = desktop_.OpenMenu() != nullptr; });
    for (const auto& input : inputs) {
        EXPECT_TRUE(desktop_.Host().TrayInput(input.action, input.button));
    }
    desktop_.Advance(50);
    EXPECT_FALSE(menuOpened);
    EXPECT_EQ(Active(), tariff_->hWnd()) << "nothing came to the front";
    EXPECT_TRUE(menu_->IsLoaded());
}

TEST_F(TrayMenuTest, ARightPressBringsTheMenuWindowForwardAndTheReleaseOpensTheMenuAtTheCursor) {
    menu_->Show();
    tariff_->Show();
    desktop_.Host().MoveMouse({600, 400});
    desktop_.Pump();
    desktop_.Host().TrayInput(TrayAction::Press, MouseButton::Right);
    EXPECT_EQ(Active(), menu_->hWnd());
    EXPECT_EQ(desktop_.OpenMenu(), win::HWND{}) << "not on the press";

    win::RECT opened{};
    desktop_.After(10, [&] {
        opened = desktop_.OpenMenuRect();
        desktop_.TapKey(win::VK_ESCAPE);
    });
    desktop_.Host().TrayInput(TrayAction::Release, MouseButton::Right);
    desktop_.Pump();
    EXPECT_EQ(opened.left, 600);
    EXPECT_EQ(opened.top, 400);
    EXPECT_EQ(desktop_.OpenMenu(), win::HWND{});
    EXPECT_TRUE(menu_->IsLoaded());
}

TEST_F(TrayMenuTest, LoadingTheMenuWindowShowsTheHiddenMiniWindowAgain) {
    menu_->Show();
    desktop_.Pump();
    mini_->frmRight_Command3_Click();  // "_"
    ASSERT_FALSE(mini_->Visible());
    menu_->frmMenu_lumbutton3_Click();
    ASSERT_FALSE(menu_->IsLoaded());
    menu_->Show();
    EXPECT_TRUE(mini_->Visible());
}

TEST_F(TrayMenuTest, TheMiniWindowsButtonsTakeTheSkinOnceTheMenuWindowIsActivatedAgainstIt) {
    menu_->Show();
    desktop_.Pump();
    for (const win::forms::CommandButton* button :
         {&mini_->Command1, &mini_->Command2, &mini_->Command3}) {
        EXPECT_NE(win::GetProp(button->hWnd(), "PROCADDR"), 0) << button->Caption();
    }
}

TEST_F(TrayMenuTest, TheCloseBoxUnloadsTheMenuWindowAndTheProgramGoesOn) {
    menu_->Show();
    desktop_.Pump();
    desktop_.Host().RequestClose(desktop_.NativeOf(menu_->hWnd()));
    desktop_.Pump();
    EXPECT_FALSE(menu_->IsLoaded());
    EXPECT_FALSE(win::forms::App().Ended());
    EXPECT_TRUE(mini_->Visible());
    EXPECT_TRUE(desktop_.Host().Tray().shown) << "the icon stays";
}

TEST_F(TrayMenuTest, TheBannerOpensTheShippedHomePageAsOneAddress) {
    menu_->Show();
    desktop_.Pump();
    win::POINT banner{72 + 100, 232 + 40};
    win::ClientToScreen(menu_->hWnd(), &banner);
    desktop_.Host().Click({banner.x, banner.y});
    desktop_.Pump();
    const std::string home = ShippedPageAddress(kHomePage);
    EXPECT_TRUE(home.ends_with("/pages/home.html")) << home;
    EXPECT_EQ(desktop_.Host().OpenedUrls(), std::vector<std::string>{home});
    EXPECT_TRUE(menu_->IsLoaded());
}

TEST_F(TrayMenuTest, WithoutATrayTheProgramWorksFromItsWindowsAndSaysSoOnce) {
    desktop_.Host().SetTrayAvailable(false);
    menu_->Show();
    desktop_.Pump();
    EXPECT_TRUE(mini_->Visible());
    menu_->frmMenu_lumbutton3_Click();
    EXPECT_TRUE(tariff_->Visible());
    menu_->Show();
    EXPECT_FALSE(desktop_.Host().Tray().shown);
    EXPECT_EQ(noTrayReports_.size(), 1u);
    EXPECT_TRUE(menu_->Visible());
}

TEST_F(TrayMenuTest, OneIconThroughReloadsAndNoneAfterTheEnd) {
    for (int load = 0; load < 3; ++load) {
        menu_->Show();
        menu_->frmMenu_lumbutton2_Click();
    }
    menu_->Show();
    EXPECT_TRUE(desktop_.Host().Tray().shown);
    EXPECT_EQ(Module1::Instance().NotifiedWindow(), menu_->hWnd());
    Module1::Instance().RemoveTrayIcon();
    EXPECT_FALSE(desktop_.Host().Tray().shown);
}

}  // namespace
}  // namespace quellan
