#include "shell/module1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/menu.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"
#include "skin/m_skin_button.h"

namespace quellan {
namespace {

using win::host::MouseButton;
using win::host::TrayAction;

TEST(TrayTip, TheFolderCutTo64BytesNeverInsideACharacter) {
    const std::string sixtyThree(63, 'a');
    const struct {
        const char* name;
        std::string folder;
        std::string tip;
    } cases[] = {
        {"short", "/opt/quellan", "/opt/quellan"},
        {"exactly 64", std::string(64, 'a'), std::string(64, 'a')},
        {"65 cut", std::string(65, 'a'), std::string(64, 'a')},
        // "流" is three bytes: from byte 63 it would end at byte 66, so it goes whole.
        {"a character across the cut", sixtyThree + "流量", sixtyThree},
        {"a character that ends at 64", std::string(61, 'a') + "流量", std::string(61, 'a') + "流"},
        {"two-byte character across", sixtyThree + "é", sixtyThree},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TrayTip(c.folder), c.tip);
    }
}

// A form whose own procedure is watched: what reaches the procedure the tray hook replaces.
class frmTrayHost : public win::forms::Form {
public:
    frmTrayHost() : Form("frmTrayHost") {}
    win::forms::Menu Mnu_Traymenu{*this, "Mnu_Traymenu"};
    win::forms::Menu cmdOnly{Mnu_Traymenu, "cmdOnly"};

protected:
    void Design() override {
        SetBorderStyle(win::forms::FormBorderStyle::FixedDialog);
        Mnu_Traymenu.SetVisible(false);
        cmdOnly.SetCaption("only");
    }
};

class TrayHookTest : public ::testing::Test {
protected:
    TrayHookTest() {
        win::forms::App().ResetForTesting();
        Module1::Instance().ReportNoTray = [](std::string_view) {};
    }
    ~TrayHookTest() override {
        Module1::Instance().RemoveTrayIcon();
        Module1::Instance().Forget(form_);
        form_.Unload();
        win::forms::App().ResetForTesting();
    }

    // Puts a recorder in front of the form's procedure, then registers as the load does.
    void Register(bool skinned) {
        form_.Show();
        const win::HWND window = form_.hWnd();
        formProc_ = win::WNDPROC::FromLongPtr(
            win::SetWindowLongPtr(window, win::GWL_WNDPROC, recorder_.Get().ToLongPtr()));
        Module1::Instance().RegisterTrayIcon(form_, form_.Mnu_Traymenu, data_);
        if (skinned) {
            MSkinButton::Instance().SkinWindow(window);
        }
    }

    win::testing::HeadlessDesktop desktop_;
    frmTrayHost form_;
    win::NOTIFYICONDATA data_;
    win::WNDPROC formProc_;
    std::vector<win::LPARAM> reached_;
    win::WindowProcedure recorder_{
        [this](win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam, win::LPARAM lParam) {
            if (uMsg == kTrayCallbackMessage) {
                reached_.push_back(lParam);
            }
            return win::CallWindowProc(formProc_, hWnd, uMsg, wParam, lParam);
        }};
};

TEST_F(TrayHookTest, EveryNotificationReachesTheReplacedProcedureWithOrWithoutTheSkinInFront) {
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "skinned" : "plain");
        reached_.clear();
        Register(skinned);
        EXPECT_EQ(Module1::Instance().PrevTrayWndProc(), recorder_.Get());
        desktop_.After(10, [this] { desktop_.TapKey(win::VK_ESCAPE); });
        const struct {
            TrayAction action;
            MouseButton button;
        } inputs[] = {{TrayAction::Press, MouseButton::Left},
                      {TrayAction::Release, MouseButton::Left},
                      {TrayAction::DoubleClick, MouseButton::Left},
                      {TrayAction::Press, MouseButton::Right},
                      {TrayAction::Release, MouseButton::Right}};
        for (const auto& input : inputs) {
            desktop_.Host().TrayInput(input.action, input.button);
        }
        desktop_.Pump();
        EXPECT_EQ(reached_, (std::vector<win::LPARAM>{win::WM_LBUTTONDOWN, win::WM_LBUTTONUP,
                                                      win::WM_LBUTTONDBLCLK, win::WM_RBUTTONDOWN,
                                                      win::WM_RBUTTONUP}));
        form_.Unload();
    }
}

TEST_F(TrayHookTest, TheRegistrationNamesTheWindowItsIconAndTheFolder) {
    win::forms::App().SetExecutablePath("/usr/lib/quellan/quellan");
    Register(false);
    EXPECT_EQ(data_.hWnd, form_.hWnd());
    EXPECT_EQ(data_.uID, 0u);
    EXPECT_EQ(data_.uFlags, win::NIF_MESSAGE | win::NIF_ICON | win::NIF_TIP);
    EXPECT_EQ(data_.uCallbackMessage, 1147u);
    EXPECT_EQ(data_.szTip, "/usr/lib/quellan");
    EXPECT_EQ(desktop_.Host().Tray().tip, "/usr/lib/quellan");
    EXPECT_TRUE(Module1::Instance().IconShown());
}

TEST_F(TrayHookTest, WhileTheWindowIsUnloadedTheIconStillOpensItsMenuLoadingItFirst) {
    Register(false);
    Module1::Instance().TrayWindowUnloading();
    form_.Unload();
    const win::HWND standIn = Module1::Instance().NotifiedWindow();
    ASSERT_TRUE(win::IsWindow(standIn));
    EXPECT_FALSE(win::IsWindowVisible(standIn));

    bool menuOpen = false;
    bool loadedWhileOpen = false;
    desktop_.After(10, [&] {
        menuOpen = desktop_.OpenMenu() != win::HWND{};
        loadedWhileOpen = form_.IsLoaded();
        desktop_.TapKey(win::VK_ESCAPE);
    });
    desktop_.Host().TrayInput(TrayAction::Press, MouseButton::Right);
    EXPECT_FALSE(form_.IsLoaded()) << "the press alone loads nothing";
    desktop_.Host().TrayInput(TrayAction::Release, MouseButton::Right);
    desktop_.Pump();
    EXPECT_TRUE(menuOpen);
    EXPECT_TRUE(loadedWhileOpen);

    Module1::Instance().RemoveTrayIcon();
    EXPECT_FALSE(desktop_.Host().Tray().shown);
    EXPECT_FALSE(win::IsWindow(standIn));
}

}  // namespace
}  // namespace quellan
