#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "forms_fixture.h"
#include "platform/forms/command_button.h"
#include "platform/forms/form.h"
#include "platform/forms/label.h"
#include "platform/forms/services.h"
#include "platform/forms/text_box.h"
#include "platform/user/user.h"

namespace win::forms::testing {
namespace {

class frmKeys : public Form {
public:
    frmKeys() : Form("frmKeys") {
        cmdOk.Click = [this] { clicks.push_back("cmdOk"); };
        cmdCancel.Click = [this] { clicks.push_back("cmdCancel"); };
        cmdOther.Click = [this] { clicks.push_back("cmdOther"); };
    }

    Label lblName{*this, "lblName"};
    TextBox txtName{*this, "txtName"};
    TextBox txtOff{*this, "txtOff"};
    TextBox txtHidden{*this, "txtHidden"};
    TextBox txtNoStop{*this, "txtNoStop"};
    CommandButton cmdOther{*this, "cmdOther"};
    CommandButton cmdOk{*this, "cmdOk"};
    CommandButton cmdCancel{*this, "cmdCancel"};

    std::vector<std::string> clicks;

protected:
    void Design() override {
        SetClientSize(6000, 3000);
        lblName.Move(150, 150, 900, 300);
        lblName.SetCaption("&Name");
        txtName.Move(1200, 150, 1500, 300);
        txtName.SetTabIndex(2);
        txtOff.Move(1200, 600, 1500, 300);
        txtOff.SetEnabled(false);
        txtHidden.Move(1200, 1050, 1500, 300);
        txtHidden.SetVisible(false);
        txtNoStop.Move(1200, 1500, 1500, 300);
        txtNoStop.SetTabStop(false);
        cmdOther.Move(3000, 150, 1200, 375);
        cmdOther.SetCaption("&Other");
        cmdOther.SetTabIndex(1);
        cmdOk.Move(3000, 600, 1200, 375);
        cmdOk.SetCaption("确定");
        cmdOk.SetDefault(true);
        cmdOk.SetTabIndex(0);
        cmdCancel.Move(3000, 1050, 1200, 375);
        cmdCancel.SetCaption("取消");
        cmdCancel.SetCancel(true);
        cmdCancel.SetTabIndex(3);
    }
};

class FormKeyboard : public FormsTest {
protected:
    void Tap(int key) {
        desktop.Host().KeyDown(key);
        desktop.Host().KeyUp(key);
    }
    void WithShift(int key) {
        desktop.Host().KeyDown(VK_SHIFT);
        Tap(key);
        desktop.Host().KeyUp(VK_SHIFT);
    }
    void WithAlt(int key) {
        desktop.Host().KeyDown(VK_MENU);
        Tap(key);
        desktop.Host().KeyUp(VK_MENU);
    }

    frmKeys form;
};

TEST_F(FormKeyboard, TabOrderFollowsTabIndexAndSkipsWhatCannotTakeTheFocus) {
    form.Show();
    EXPECT_EQ(form.TabOrder(),
              (std::vector<Control*>{&form.cmdOk, &form.cmdOther, &form.txtName, &form.cmdCancel}));
    form.txtName.SetFocus();
    Tap(VK_TAB);
    EXPECT_EQ(GetFocus(), form.cmdCancel.hWnd());
    Tap(VK_TAB);  // round to the first
    EXPECT_EQ(GetFocus(), form.cmdOk.hWnd());
    WithShift(VK_TAB);
    EXPECT_EQ(GetFocus(), form.cmdCancel.hWnd());
    EXPECT_TRUE(form.clicks.empty());
}

TEST_F(FormKeyboard, SendKeysMovesTheFocusAndTypesIntoTheFocusedControl) {
    form.Show();
    form.cmdOther.SetFocus();
    EXPECT_TRUE(SendKeys("{TAB}"));
    EXPECT_EQ(GetFocus(), form.txtName.hWnd());
    EXPECT_TRUE(SendKeys("ab"));
    EXPECT_EQ(form.txtName.Text(), "ab");
    EXPECT_TRUE(SendKeys("+{TAB}+{TAB}"));
    EXPECT_EQ(GetFocus(), form.cmdOk.hWnd());
    // A text it does not understand does nothing at all.
    EXPECT_FALSE(SendKeys("{TAB}{F13}"));
    EXPECT_FALSE(SendKeys("+a"));
    EXPECT_EQ(GetFocus(), form.cmdOk.hWnd());
    EXPECT_TRUE(form.clicks.empty());
}

TEST_F(FormKeyboard, EnterPressesTheDefaultOrTheFocusedButtonAndEscapeTheCancelButton) {
    form.Show();
    form.txtName.SetFocus();
    Tap(VK_RETURN);
    Tap(VK_ESCAPE);
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"cmdOk", "cmdCancel"}));
    EXPECT_EQ(form.txtName.Text(), "");  // the keys were the form's, not typed

    form.clicks.clear();
    form.cmdOther.SetFocus();
    Tap(VK_RETURN);
    EXPECT_TRUE(SendKeys("~{ESC}{ENTER}"));
    EXPECT_EQ(form.clicks,
              (std::vector<std::string>{"cmdOther", "cmdOther", "cmdCancel", "cmdOther"}));

    // A disabled default button is not pressed.
    form.clicks.clear();
    form.txtName.SetFocus();
    form.cmdOk.SetEnabled(false);
    Tap(VK_RETURN);
    EXPECT_TRUE(form.clicks.empty());
}

TEST_F(FormKeyboard, ClearingAnotherButtonsDefaultKeepsTheDefaultButton) {
    form.Show();
    form.cmdOther.SetDefault(false);
    form.cmdOther.SetCancel(false);
    form.txtName.SetFocus();
    Tap(VK_RETURN);
    Tap(VK_ESCAPE);
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"cmdOk", "cmdCancel"}));
}

TEST_F(FormKeyboard, AltWithAnAccessKeyClicksAButtonOrFocusesWhatFollowsALabel) {
    form.Show();
    form.cmdCancel.SetFocus();
    WithAlt('N');
    EXPECT_EQ(GetFocus(), form.txtName.hWnd());
    WithAlt('O');
    EXPECT_EQ(GetFocus(), form.cmdOther.hWnd());
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"cmdOther"}));
    WithAlt('Q');  // no one's
    EXPECT_EQ(GetFocus(), form.cmdOther.hWnd());
    form.cmdOther.SetEnabled(false);
    form.txtName.SetFocus();
    WithAlt('O');
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"cmdOther"}));
}

TEST_F(FormKeyboard, SendKeysNeedsAFocusedForm) {
    EXPECT_FALSE(SendKeys("{TAB}"));
    form.Show();
    form.txtName.SetFocus();
    App().End();
    EXPECT_FALSE(SendKeys("{TAB}"));
}

}  // namespace
}  // namespace win::forms::testing
