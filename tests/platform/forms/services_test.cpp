#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "forms_fixture.h"
#include "platform/forms/application.h"
#include "platform/forms/services.h"

namespace win::forms::testing {
namespace {

using Services = FormsTest;
using host::ProcessWindowHint;

TEST_F(Services, TheApplicationKnowsItsFolderNameAndTitle) {
    EXPECT_EQ(App().Title(), "Quellan");
    // By default the running executable.
    EXPECT_EQ(App().EXEName(), "test_forms");
    EXPECT_EQ(std::filesystem::path(App().Path()) / "test_forms",
              std::filesystem::read_symlink("/proc/self/exe"));

    App().SetExecutablePath("/opt/Quellan/bin/quellan.exe");
    EXPECT_EQ(App().Path(), "/opt/Quellan/bin");
    EXPECT_EQ(App().EXEName(), "quellan");
    App().SetExecutablePath("/quellan");
    EXPECT_EQ(App().Path(), "/");
}

TEST_F(Services, ShellPassesTheArgumentsAsTheyAreWithTheWindowStyle) {
    EXPECT_TRUE(Shell({"/bin/true", "a b;c", "$(x)"}, vbMinimizedFocus));
    EXPECT_TRUE(Shell({"/bin/true"}, vbHide));
    EXPECT_TRUE(Shell({"/bin/true"}, vbMaximizedFocus));
    EXPECT_TRUE(Shell({"/bin/true"}, vbNormalNoFocus));
    EXPECT_TRUE(Shell({"/bin/true"}, vbMinimizedNoFocus));
    const auto& started = desktop.Host().StartedProcesses();
    ASSERT_EQ(started.size(), 5u);
    EXPECT_EQ(started[0].argv, (std::vector<std::string>{"/bin/true", "a b;c", "$(x)"}));
    EXPECT_EQ(started[0].hint, ProcessWindowHint::Minimized);
    EXPECT_EQ(started[1].hint, ProcessWindowHint::Hidden);
    EXPECT_EQ(started[2].hint, ProcessWindowHint::Maximized);
    EXPECT_EQ(started[3].hint, ProcessWindowHint::Normal);
    EXPECT_EQ(started[4].hint, ProcessWindowHint::Minimized);
}

TEST_F(Services, NothingToStartOrADesktopThatFailsIsReported) {
    EXPECT_FALSE(Shell({}));
    EXPECT_FALSE(Shell({"", "x"}));
    EXPECT_FALSE(OpenUrl(""));
    EXPECT_TRUE(desktop.Host().StartedProcesses().empty());
    EXPECT_TRUE(desktop.Host().OpenedUrls().empty());
    desktop.Host().SetServicesSucceed(false);
    EXPECT_FALSE(Shell({"/bin/true"}));
    EXPECT_FALSE(OpenUrl("https://quellan.example/"));
}

TEST_F(Services, OpenUrlHandsTheAddressToTheDesktopAsItIs) {
    EXPECT_TRUE(OpenUrl("https://quellan.example/notice?a=1&b=2"));
    EXPECT_EQ(desktop.Host().OpenedUrls(),
              (std::vector<std::string>{"https://quellan.example/notice?a=1&b=2"}));
}

}  // namespace
}  // namespace win::forms::testing
