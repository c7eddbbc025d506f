#include <gtest/gtest.h>

#include "platform/user/module_exports.h"
#include "platform/user/mouse_tracking.h"
#include "platform/user/session.h"
#include "platform/user/testing/headless_desktop.h"

namespace win::test {
namespace {

class ModuleExportsTest : public ::testing::Test {
protected:
    user::ModuleExports& Exports() { return user::Current()->modules; }
    win::testing::HeadlessDesktop desktop_;
};

TEST_F(ModuleExportsTest, ResidentLibrariesAreFoundWithoutLoadingAndNamesIgnoreCaseAndSuffix) {
    const HMODULE user32 = GetModuleHandle("User32");
    ASSERT_TRUE(user32);
    EXPECT_EQ(GetModuleHandle("USER32.DLL"), user32);
    EXPECT_EQ(GetProcAddress(user32, "TrackMouseEvent"),
              reinterpret_cast<FARPROC>(&TrackMouseEvent));
    EXPECT_EQ(GetProcAddress(user32, "trackmouseevent"), nullptr) << "entry names keep their case";
    EXPECT_EQ(GetProcAddress(user32, "_TrackMouseEvent"), nullptr);
    EXPECT_FALSE(GetModuleHandle("nosuch"));
    EXPECT_FALSE(LoadLibrary("nosuch.dll"));
}

TEST_F(ModuleExportsTest, OtherLibrariesAreFoundOnlyWhileLoadedAndCountTheirLoads) {
    EXPECT_FALSE(GetModuleHandle("ComCtl32"));
    const HMODULE first = LoadLibrary("ComCtl32");
    const HMODULE second = LoadLibrary("comctl32.dll");
    ASSERT_TRUE(first);
    EXPECT_EQ(first, second);
    EXPECT_EQ(Exports().LoadCount("comctl32"), 2);
    EXPECT_EQ(GetProcAddress(first, "_TrackMouseEvent"),
              reinterpret_cast<FARPROC>(&_TrackMouseEvent));

    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(GetModuleHandle("ComCtl32"), first);
    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_FALSE(GetModuleHandle("ComCtl32"));
    EXPECT_EQ(GetProcAddress(first, "_TrackMouseEvent"), nullptr)
        << "a released library exports nothing";
    EXPECT_FALSE(FreeLibrary(first));
}

TEST_F(ModuleExportsTest, AWithdrawnEntryIsMissingUntilRestored) {
    Exports().Withdraw("User32", "TrackMouseEvent");
    EXPECT_EQ(GetProcAddress(GetModuleHandle("user32"), "TrackMouseEvent"), nullptr);
    Exports().Restore("user32.dll", "TrackMouseEvent");
    EXPECT_NE(GetProcAddress(GetModuleHandle("user32"), "TrackMouseEvent"), nullptr);
}

TEST_F(ModuleExportsTest, TheThemeLibraryLoadsOnlyWhereTheHostLendsATheme) {
    ASSERT_EQ(desktop_.Host().GetTheme(), nullptr);
    EXPECT_FALSE(LoadLibrary("uxtheme.dll"));
}

}  // namespace
}  // namespace win::test
