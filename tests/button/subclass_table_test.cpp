#include "button/subclass_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "button/subclass_hook.h"
#include "subclass_test_window.h"

namespace quellan::test {
namespace {

using namespace win;

// Writes down every call as "before|after <message hex> <lReturn>" and can handle a message in
// its before call or run a step from inside a call.
class RecordingOwner : public SubclassOwner {
public:
    void Subclass_WndProc(bool bBefore, bool& bHandled, LRESULT& lReturn, HWND& lHwnd, UINT& uMsg,
                          WPARAM& wParam, LPARAM& lParam) override {
        std::ostringstream call;
        call << (bBefore ? "before " : "after ") << std::hex << uMsg << std::dec << ' ' << lReturn;
        calls.push_back(call.str());
        if (bBefore && uMsg == handledMessage) {
            bHandled = true;
            lReturn = 77;
        }
        if (during) {
            during(bBefore, lHwnd, uMsg, wParam, lParam);
        }
    }

    std::vector<std::string> calls;
    UINT handledMessage = 0;
    std::function<void(bool, HWND, UINT, WPARAM, LPARAM)> during;
};

struct Registration {
    UINT message;
    std::int32_t when;
};

struct DispatchCase {
    const char* name;
    std::vector<Registration> registrations;
    UINT handledMessage;
    UINT sent;
    std::vector<std::string> calls;
    bool previousRuns;
    LRESULT result;
};

constexpr UINT kAnswered = SubclassTestWindows::kAnswered;

const DispatchCase kDispatchCases[] = {
    {"after only", {{kAnswered, WhenAfter}}, 0, kAnswered, {"after 401 1234"}, true, 1234},
    {"before and after, not handled",
     {{kAnswered, WhenBefore | WhenAfter}},
     0,
     kAnswered,
     {"before 401 0", "after 401 1234"},
     true,
     1234},
    {"handled before stops the rest",
     {{kAnswered, WhenBefore | WhenAfter}},
     kAnswered,
     kAnswered,
     {"before 401 0"},
     false,
     77},
    {"handled only for its own message",
     {{kAnswered, WhenAfter}, {0x402, WhenBefore}},
     0x402,
     kAnswered,
     {"after 401 1234"},
     true,
     1234},
    {"every message after", {{kEveryMessage, WhenAfter}}, 0, 0x40F, {"after 40f 0"}, true, 0},
    {"every message before, handled",
     {{kEveryMessage, WhenBefore}, {kEveryMessage, WhenAfter}},
     0x40F,
     0x40F,
     {"before 40f 0"},
     false,
     77},
    {"not registered", {{0x2A3, WhenAfter}, {0x31A, WhenBefore}}, 0, kAnswered, {}, true, 1234},
};

class SubclassTableTest : public ::testing::Test {
protected:
    int ReachedCount(HWND window, UINT message) const {
        return static_cast<int>(
            std::count(windows.reached.begin(), windows.reached.end(), std::pair{window, message}));
    }

    SubclassTestWindows windows;
    RecordingOwner owner;
};

TEST_F(SubclassTableTest, DispatchesByTheBeforeAndAfterTables) {
    for (const DispatchCase& c : kDispatchCases) {
        SCOPED_TRACE(c.name);
        SubclassTable table(owner);
        ASSERT_TRUE(table.SubclassWindow(windows.button));
        for (const Registration& registration : c.registrations) {
            table.AddMessage(windows.button, registration.message, registration.when);
        }
        owner.calls.clear();
        owner.handledMessage = c.handledMessage;
        windows.reached.clear();
        EXPECT_EQ(SendMessage(windows.button, c.sent, 0, 0), c.result);
        EXPECT_EQ(owner.calls, c.calls);
        EXPECT_EQ(ReachedCount(windows.button, c.sent), c.previousRuns ? 1 : 0);
    }
}

TEST_F(SubclassTableTest, TablesKeepOneEntryPerMessageAndCountEveryMessageAsMinusOne) {
    SubclassTable table(owner);
    ASSERT_EQ(table.SubclassWindow(windows.button), 0);
    table.AddMessage(windows.button, 0x2A3, WhenAfter);
    table.AddMessage(windows.button, 0x2A3, WhenAfter);
    table.AddMessage(windows.button, 0x31A, WhenAfter | WhenBefore);
    const SubclassEntry& entry = table.Entries()[0];
    EXPECT_EQ(entry.afterTable, (std::vector<UINT>{0x2A3, 0x31A}));
    EXPECT_EQ(entry.afterCount, 2);
    EXPECT_EQ(entry.beforeTable, (std::vector<UINT>{0x31A}));
    EXPECT_EQ(entry.beforeCount, 1);

    // Every message, and a later single message does not narrow it again.
    table.AddMessage(windows.button, kEveryMessage, WhenBefore);
    table.AddMessage(windows.button, 0x15, WhenBefore);
    EXPECT_EQ(table.Entries()[0].beforeCount, -1);
    owner.calls.clear();
    SendMessage(windows.button, 0x40A, 0, 0);
    EXPECT_EQ(owner.calls, (std::vector<std::string>{"before 40a 0"}));

    // A window without an entry is refused.
    EXPECT_FALSE(table.AddMessage(windows.frame, 6, WhenAfter));
    EXPECT_FALSE(table.UnsubclassWindow(windows.frame));
}

TEST_F(SubclassTableTest, AFreedEntryIsReusedEmptyByTheNextWindow) {
    SubclassTable table(owner);
    ASSERT_EQ(table.SubclassWindow(windows.button), 0);
    ASSERT_EQ(table.SubclassWindow(windows.frame), 1);
    table.AddMessage(windows.button, 0x2A3, WhenAfter);
    table.AddMessage(windows.frame, 6, WhenBefore);
    ASSERT_TRUE(table.UnsubclassWindow(windows.button));
    const SubclassEntry& freed = table.Entries()[0];
    EXPECT_FALSE(freed.window);
    EXPECT_EQ(freed.afterCount, 0);
    EXPECT_TRUE(freed.afterTable.empty());

    const HWND other = CreateWindowEx(0, "HookTestWindow", "other", WS_CHILD | WS_VISIBLE, 0, 0, 10,
                                      10, windows.frame, HMENU::FromValue(8));
    EXPECT_EQ(table.SubclassWindow(other), 0);
    EXPECT_EQ(table.Entries().size(), 2u);
    // The highest free entry is taken first.
    table.UnsubclassAll();
    EXPECT_EQ(table.SubclassWindow(other), 1);
    // And a window that is not there gets none.
    DestroyWindow(other);
    EXPECT_FALSE(table.SubclassWindow(other));
}

TEST_F(SubclassTableTest, UnsubclassingInsideAMessagePutsBackTheExactPreviousProcedure) {
    const LONG_PTR original = GetWindowLongPtr(windows.button, GWL_WNDPROC);
    SubclassTable table(owner);
    table.SubclassWindow(windows.button);
    table.AddMessage(windows.button, kAnswered, WhenBefore | WhenAfter);
    const LONG_PTR hooked = GetWindowLongPtr(windows.button, GWL_WNDPROC);
    ASSERT_NE(hooked, original);

    LONG_PTR duringCall = 0;
    owner.during = [&](bool before, HWND window, UINT, WPARAM, LPARAM) {
        if (before) {
            table.UnsubclassWindow(window);
            duringCall = GetWindowLongPtr(window, GWL_WNDPROC);
        }
    };
    // The message in flight still reaches the previous procedure, and no after call comes.
    EXPECT_EQ(SendMessage(windows.button, kAnswered, 0, 0), SubclassTestWindows::kAnswer);
    EXPECT_EQ(duringCall, original);
    EXPECT_EQ(owner.calls, (std::vector<std::string>{"before 401 0"}));
    EXPECT_EQ(ReachedCount(windows.button, kAnswered), 1);

    // A message that still arrives at the old procedure goes straight on.
    owner.calls.clear();
    EXPECT_EQ(CallWindowProc(WNDPROC::FromLongPtr(hooked), windows.button, kAnswered, 0, 0),
              SubclassTestWindows::kAnswer);
    EXPECT_TRUE(owner.calls.empty());
    EXPECT_EQ(ReachedCount(windows.button, kAnswered), 2);
}

LRESULT LaterHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC gBeforeLaterHook;
int gLaterHookCalls = 0;

LRESULT LaterHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++gLaterHookCalls;
    return CallWindowProc(gBeforeLaterHook, window, message, wParam, lParam);
}

TEST_F(SubclassTableTest, AHookSetAfterOursKeepsItsPlaceWhenWeLeave) {
    SubclassTable table(owner);
    table.SubclassWindow(windows.button);
    table.AddMessage(windows.button, kAnswered, WhenAfter);
    gBeforeLaterHook = WNDPROC::FromLongPtr(
        SetWindowLongPtr(windows.button, GWL_WNDPROC, WNDPROC(&LaterHook).ToLongPtr()));
    table.UnsubclassAll();
    EXPECT_EQ(GetWindowLongPtr(windows.button, GWL_WNDPROC), WNDPROC(&LaterHook).ToLongPtr());
    gLaterHookCalls = 0;
    owner.calls.clear();
    EXPECT_EQ(SendMessage(windows.button, kAnswered, 0, 0), SubclassTestWindows::kAnswer);
    EXPECT_EQ(gLaterHookCalls, 1);
    EXPECT_TRUE(owner.calls.empty());
    // The window still goes cleanly.
    EXPECT_TRUE(DestroyWindow(windows.button));
    EXPECT_EQ(ReachedCount(windows.button, WM_NCDESTROY), 1);
}

TEST_F(SubclassTableTest, TheTableGoingPutsBackEveryWindow) {
    const LONG_PTR buttonProcedure = GetWindowLongPtr(windows.button, GWL_WNDPROC);
    {
        SubclassTable table(owner);
        table.SubclassWindow(windows.button);
        table.SubclassWindow(windows.frame);
        table.AddMessage(windows.button, kEveryMessage, WhenAfter);
    }
    EXPECT_EQ(GetWindowLongPtr(windows.button, GWL_WNDPROC), buttonProcedure);
    EXPECT_EQ(GetWindowLongPtr(windows.frame, GWL_WNDPROC), buttonProcedure);
    owner.calls.clear();
    SendMessage(windows.button, kAnswered, 0, 0);
    EXPECT_TRUE(owner.calls.empty());
}

}  // namespace
}  // namespace quellan::test
