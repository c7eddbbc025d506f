#include "button/subclass_hook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "button/track_mouse_leave.h"
#include "platform/user/session.h"
#include "subclass_test_window.h"

namespace quellan::test {
namespace {

using namespace win;

// As the button does: every call goes to the hook's message actions.
class HookOwner : public SubclassOwner {
public:
    HookOwner() {
        handlers.parentActivated = [this] { events.push_back("activated " + Last()); };
        handlers.parentDeactivated = [this] { events.push_back("deactivated " + Last()); };
        handlers.mouseLeft = [this] { events.push_back("left"); };
        handlers.redraw = [this] { events.push_back("redraw " + Last()); };
    }
    void Subclass_WndProc(bool, bool&, LRESULT&, HWND&, UINT& uMsg, WPARAM& wParam,
                          LPARAM&) override {
        last = uMsg;
        RunHookMessage(uMsg, wParam, handlers);
    }
    std::string Last() const { return std::to_string(last); }

    HookHandlers handlers;
    std::vector<std::string> events;
    UINT last = 0;
};

struct InstallCase {
    const char* name;
    DWORD frameExStyle;
    bool themeInUse;
    std::vector<UINT> controlAfter;
    std::vector<UINT> parentAfter;
};

const InstallCase kInstallCases[] = {
    {"plain form, no theme", 0, false, {0x2A3, 0x31A}, {6}},
    {"plain form, theme", 0, true, {0x2A3, 0x31A, 0x15}, {6}},
    {"multiple-document child", 0x40, false, {0x2A3, 0x31A}, {0x86}},
};

TEST(SubclassHookTest, RegistersTheMessagesForTheFormItIsOn) {
    for (const InstallCase& c : kInstallCases) {
        SCOPED_TRACE(c.name);
        SubclassTestWindows windows(c.frameExStyle);
        HookOwner owner;
        SubclassTable table(owner);
        ASSERT_TRUE(InstallMessageHook(table, windows.button, windows.frame, c.themeInUse,
                                       ParentIsMdiChild(windows.frame)));
        ASSERT_EQ(table.Entries().size(), 2u);
        EXPECT_EQ(table.Entries()[0].window, windows.button);
        EXPECT_EQ(table.Entries()[0].afterTable, c.controlAfter);
        EXPECT_EQ(table.Entries()[0].beforeCount, 0);
        EXPECT_EQ(table.Entries()[1].window, windows.frame);
        EXPECT_EQ(table.Entries()[1].afterTable, c.parentAfter);
    }
}

TEST(SubclassHookTest, AFailingStepEndsTheInstallation) {
    SubclassTestWindows windows;
    HookOwner owner;
    SubclassTable table(owner);
    const HWND gone = CreateWindowEx(0, "HookTestWindow", "", WS_POPUP, 0, 0, 5, 5, nullptr);
    DestroyWindow(gone);
    EXPECT_FALSE(InstallMessageHook(table, windows.button, gone, false, false));
    // The control was subclassed before the parent failed; nothing was registered.
    ASSERT_EQ(table.Entries().size(), 1u);
    EXPECT_TRUE(table.Entries()[0].afterTable.empty());
}

// Clicks another window and then the form again, as a user switching windows does.
std::vector<std::string> SwitchAwayAndBack(SubclassTestWindows& windows, HookOwner& owner) {
    const HWND other = CreateWindowEx(0, "HookTestWindow", "other", WS_POPUP | WS_VISIBLE, 800, 200,
                                      100, 100, nullptr);
    SetActiveWindow(windows.frame);
    windows.desktop.Pump();
    owner.events.clear();
    windows.desktop.Host().Click({850, 250});
    windows.desktop.Pump();
    windows.desktop.Host().Click(
        {SubclassTestWindows::kFrameRect.left + 5, SubclassTestWindows::kFrameRect.top + 5});
    windows.desktop.Pump();
    DestroyWindow(other);
    return owner.events;
}

TEST(SubclassHookTest, ParentActivationArrivesThroughTheRegisteredMessage) {
    struct Case {
        DWORD frameExStyle;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {0, {"deactivated 6", "activated 6"}},
        {0x40, {"deactivated 134", "activated 134"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frameExStyle);
        SubclassTestWindows windows(c.frameExStyle);
        HookOwner owner;
        SubclassTable table(owner);
        InstallMessageHook(table, windows.button, windows.frame, false,
                           ParentIsMdiChild(windows.frame));
        EXPECT_EQ(SwitchAwayAndBack(windows, owner), c.events);
    }
}

TEST(SubclassHookTest, ThemeAndColourChangesRedraw) {
    SubclassTestWindows windows;
    HookOwner owner;
    SubclassTable table(owner);
    InstallMessageHook(table, windows.button, windows.frame, true, false);
    SendMessage(windows.button, 0x31A, 0, 0);
    SendMessage(windows.button, 0x15, 0, 0);
    // Registered for the control only.
    SendMessage(windows.frame, 0x31A, 0, 0);
    EXPECT_EQ(owner.events, (std::vector<std::string>{"redraw 794", "redraw 21"}));
}

}  // namespace
}  // namespace quellan::test
