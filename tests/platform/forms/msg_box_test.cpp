#include <string>

#include <gtest/gtest.h>

#include "forms_fixture.h"
#include "platform/forms/form.h"
#include "platform/forms/msg_box.h"
#include "platform/forms/timer.h"
#include "platform/user/user.h"

namespace win::forms::testing {
namespace {

class frmOwner : public Form {
public:
    frmOwner() : Form("frmOwner") {}
    Timer tmrEnd{*this, "tmrEnd"};

protected:
    void Design() override { tmrEnd.SetEnabled(false); }
};

using MessageBoxes = FormsTest;

TEST_F(MessageBoxes, TitledWithTheApplicationAndModalToTheActiveForm) {
    frmOwner form;
    form.Show();
    HWND box;
    bool ownerDisabled = false;
    desktop.After(10, [&] {
        box = FindWindow("#32770", "Quellan");
        ownerDisabled = !IsWindowEnabled(form.hWnd());
        desktop.TapKey(VK_RETURN);
    });
    EXPECT_EQ(MsgBox("无法保存流量总数", vbInformation), vbOK);
    EXPECT_TRUE(box);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(form.hWnd()));
    EXPECT_EQ(GetActiveWindow(), form.hWnd());

    App().SetTitle("Quellan Beta");
    desktop.After(10, [&] {
        box = FindWindow("#32770", "Quellan Beta");
        desktop.TapKey(VK_ESCAPE);
    });
    EXPECT_EQ(MsgBox("prompt", vbOKCancel | vbQuestion), vbCancel);
    EXPECT_TRUE(box);
    desktop.After(10, [&] {
        box = FindWindow("#32770", "About");
        desktop.TapKey(VK_RETURN);
    });
    EXPECT_EQ(MsgBox("prompt", vbOKCancel, "About"), vbOK);
    EXPECT_TRUE(box);
}

TEST_F(MessageBoxes, NothingIsShownForUnsupportedButtonsOrAfterTheEnd) {
    const int vbYesNo = 4;
    EXPECT_EQ(MsgBox("prompt", vbYesNo), 0);
    EXPECT_EQ(WindowCount(), 0);
    App().End();
    EXPECT_EQ(MsgBox("prompt"), 0);
    EXPECT_EQ(WindowCount(), 0);
}

TEST_F(MessageBoxes, AnEndWhileTheBoxIsOpenAnswersNoButton) {
    frmOwner form;
    form.Show();
    form.tmrEnd.Tick = [] { App().End(); };
    form.tmrEnd.SetInterval(50);
    form.tmrEnd.SetEnabled(true);
    EXPECT_EQ(MsgBox("prompt"), 0);
    EXPECT_EQ(WindowCount(), 0);
}

}  // namespace
}  // namespace win::forms::testing
