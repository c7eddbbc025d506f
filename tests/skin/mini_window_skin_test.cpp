#include <memory>

#include <gtest/gtest.h>

#include "platform/net/scripted_interface_table.h"
#include "skin_fixture.h"
#include "windows/frm_right.h"

namespace quellan::test {
namespace {

// The mini window takes the skin the first time it is activated against a hooked window.
TEST_F(SkinTest, TheMiniWindowIsSkinnedWhenItTakesTheActivationFromAHookedForm) {
    auto table = std::make_shared<win::ScriptedInterfaceTable>();
    table->SetRows({win::ScriptedRow("eth0", 2, 0, 0, "ABC")});
    frmBandwidth statistics(table, NumericSeparators{".", ","});
    frmRight mini(statistics, "/nonexistent/allbandwidth.dat");
    mini.ShowSaveFailure = [](const std::string&) {};
    frmSkinTest hooked;
    hooked.Show();
    skin.SkinWindow(hooked.hWnd());

    mini.Show();
    for (const win::forms::CommandButton* button :
         {&mini.Command1, &mini.Command2, &mini.Command3}) {
        EXPECT_NE(Prop(button->hWnd(), "PROCADDR"), 0) << button->Caption();
        EXPECT_EQ(Prop(button->hWnd(), "OLDSTATE"), 0) << button->Caption();
    }
    EXPECT_NE(Prop(mini.Text1.hWnd(), "PROCADDR"), 0);
    EXPECT_EQ(skin.ContainerCount(), 2);
    EXPECT_EQ(skin.ButtonCount(), 5);

    mini.Unload();
    hooked.Unload();
    EXPECT_EQ(skin.ButtonCount(), 0);
    EXPECT_FALSE(skin.Initialised());
}

}  // namespace
}  // namespace quellan::test
