#include <string>

#include <gtest/gtest.h>

#include "forms_fixture.h"
#include "platform/controls/combo_box.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/form.h"
#include "platform/user/user.h"

namespace win::forms::testing {
namespace {

class frmList : public Form {
public:
    frmList() : Form("frmList") {
        cboConnectionType.Click = [this] { ++clicks; };
    }

    ComboBox cboConnectionType{*this, "cboConnectionType"};
    int clicks = 0;

protected:
    void Design() override { cboConnectionType.Move(60, 60, 3000, 330); }
};

using ComboBoxes = FormsTest;

TEST_F(ComboBoxes, ItemsCountAndListWithOutOfRangeIndexesGivingNothing) {
    frmList form;
    ComboBox& list = form.cboConnectionType;
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
    list.AddItem("Realtek PCIe GbE ");
    list.AddItem("Loopback ");
    EXPECT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.List(0), "Realtek PCIe GbE ");
    EXPECT_EQ(list.List(1), "Loopback ");
    EXPECT_EQ(list.List(2), "");
    EXPECT_EQ(list.List(-1), "");
    EXPECT_EQ(SendMessage(list.hWnd(), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(list.ListIndex(), -1);  // adding chooses nothing
}

TEST_F(ComboBoxes, ChoosingRaisesClickOnChangesOnlyAndRefusesIndexesOutsideTheList) {
    frmList form;
    ComboBox& list = form.cboConnectionType;
    list.AddItem("a");
    list.AddItem("b");
    list.SetListIndex(1);
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_EQ(SendMessage(list.hWnd(), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(form.clicks, 1);
    list.SetListIndex(1);
    EXPECT_EQ(form.clicks, 1);
    list.SetListIndex(2);
    list.SetListIndex(-2);
    EXPECT_EQ(list.ListIndex(), 1);
    list.SetListIndex(-1);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(form.clicks, 2);

    // The user's choice in the window counts.
    SendMessage(list.hWnd(), CB_SETCURSEL, 0, 0);
    EXPECT_EQ(list.ListIndex(), 0);
}

TEST_F(ComboBoxes, ClearEmptiesTheListAndTheChoiceAndALoadStartsEmpty) {
    frmList form;
    ComboBox& list = form.cboConnectionType;
    list.AddItem("a");
    list.SetListIndex(0);
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(SendMessage(list.hWnd(), CB_GETCOUNT, 0, 0), 0);
    list.AddItem("b");
    form.Unload();
    EXPECT_EQ(list.ListCount(), 0);
}

}  // namespace
}  // namespace win::forms::testing
