#include "button/theme_in_use.h"

#include <gtest/gtest.h>

#include "platform/host/headless/headless_host.h"
#include "platform/user/session.h"
#include "platform/user/testing/headless_desktop.h"

namespace quellan::test {
namespace {

using namespace win;

struct ExportCase {
    const char* function;
    const char* library;
    bool exported;
};

const ExportCase kExportCases[] = {
    {"TrackMouseEvent", "User32", true},
    {"TrackMouseEvent", "user32.dll", true},
    {"_TrackMouseEvent", "ComCtl32", true},
    {"TrackMouseEvent", "ComCtl32", false},
    {"_TrackMouseEvent", "User32", false},
    {"NoSuchFunction", "Shell32", false},
    {"TrackMouseEvent", "nosuch.dll", false},
    // Without a theme the host lends no theme library at all.
    {"IsAppThemed", "uxtheme.dll", false},
};

TEST(ThemeInUseTest, ExportsAreFoundByNameAndALibraryLoadedForTheCheckIsReleased) {
    win::testing::HeadlessDesktop desktop;
    for (const ExportCase& c : kExportCases) {
        SCOPED_TRACE(std::string(c.library) + "!" + c.function);
        EXPECT_EQ(IsFunctionExported(c.function, c.library), c.exported);
        EXPECT_EQ(user::Current()->modules.LoadCount(c.library), 0);
    }
    // A library the program holds already stays loaded, once.
    const HMODULE held = LoadLibrary("ComCtl32");
    EXPECT_TRUE(IsFunctionExported("_TrackMouseEvent", "ComCtl32"));
    EXPECT_EQ(user::Current()->modules.LoadCount("ComCtl32"), 1);
    FreeLibrary(held);
    // A withdrawn entry point is not there.
    user::Current()->modules.Withdraw("ComCtl32", "_TrackMouseEvent");
    EXPECT_FALSE(IsFunctionExported("_TrackMouseEvent", "ComCtl32"));
}

TEST(ThemeInUseTest, NoThemeOnAHostWithoutOneAndTheLibraryIsNotKept) {
    win::testing::HeadlessDesktop desktop;
    ThemeCheck check;
    EXPECT_FALSE(check.ThemeInUse());
    EXPECT_FALSE(check.ThemeInUse());
    EXPECT_EQ(user::Current()->modules.LoadCount("uxtheme"), 0);
}

// Any visual style will do: the check asks only whether there is one.
class PlainTheme final : public host::Theme {
public:
    void DrawPushButton(host::PixelTarget, host::Rect, host::PushButtonState) override {}
    std::vector<host::Span> PushButtonShape(host::Size, host::PushButtonState) override {
        return {};
    }
};

TEST(ThemeInUseTest, AThemeTheHostLendsIsInUseAndTheAnswerIsKeptPerButton) {
    win::testing::HeadlessDesktop desktop;
    PlainTheme theme;
    desktop.Host().SetTheme(&theme);
    ThemeCheck first;
    EXPECT_TRUE(first.ThemeInUse());
    EXPECT_EQ(user::Current()->modules.LoadCount("uxtheme"), 0);
    // The theme goes: the button that asked keeps its answer, a new one sees none.
    desktop.Host().SetTheme(nullptr);
    EXPECT_TRUE(first.ThemeInUse());
    ThemeCheck second;
    EXPECT_FALSE(second.ThemeInUse());
    desktop.Host().SetTheme(&theme);
    EXPECT_FALSE(second.ThemeInUse());
    desktop.Host().SetTheme(nullptr);
}

}  // namespace
}  // namespace quellan::test
