#include <algorithm>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "platform/controls/standard_controls.h"
#include "platform/controls/tooltip.h"
#include "platform/forms/application.h"
#include "platform/forms/command_button.h"
#include "platform/forms/form.h"
#include "platform/forms/text_box.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"
#include "platform/user/window_slots.h"

namespace win::forms::testing {
namespace {

class frmReattach : public Form {
public:
    frmReattach() : Form("frmReattach") {}

    TextBox txtName{*this, "txtName"};
    CommandButton cmdGo{*this, "cmdGo"};

protected:
    void Design() override {
        SetClientSize(3000, 1500);
        txtName.Move(150, 150, 1500, 300);
        cmdGo.Move(1800, 150, 900, 360);
    }
};

// Tells when the window manager frees what a layer above kept on a window.
struct FreedFlag {
    explicit FreedFlag(bool& freed) : freed(freed) {}
    ~FreedFlag() { freed = true; }
    bool& freed;
};

LRESULT Answers42(HWND, UINT, WPARAM, LPARAM) {
    return 42;
}

// What the first desktop handed out, to be looked up on the second.
struct Leftovers {
    std::vector<HWND> windows;
    HMENU menu;
    WNDPROC procedure;
};

constexpr const char* kClassesMade[] = {"Reattach", "Form", "Button", "Edit", TOOLTIPS_CLASS};

Leftovers FillDesktop(frmReattach& form, bool& slotFreed) {
    Leftovers made;
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = &DefWindowProc;
    windowClass.lpszClassName = "Reattach";
    EXPECT_NE(RegisterClass(windowClass), 0);
    const HWND plain =
        CreateWindowEx(0, "Reattach", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr);
    user::SlotsOf(plain)->Put(std::make_unique<FreedFlag>(slotFreed));

    form.Show();
    const HWND tip = CreateWindowEx(0, TOOLTIPS_CLASS, "", WS_POPUP, 0, 0, 0, 0, form.hWnd());
    TOOLINFO tool;
    tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    tool.hwnd = form.hWnd();
    tool.uId = static_cast<UINT_PTR>(form.cmdGo.hWnd().Value());
    tool.lpszText = "go";
    EXPECT_EQ(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&tool)), 1);

    made.windows = {plain, form.hWnd(), form.txtName.hWnd(), form.cmdGo.hWnd(), tip};
    made.menu = CreatePopupMenu();
    EXPECT_TRUE(AppendMenu(made.menu, MF_STRING, 1, "one"));
    made.procedure = WNDPROC(&Answers42);
    return made;
}

TEST(DesktopReattachTest, ANewHostFindsNothingOfTheOldOne) {
    App().ResetForTesting();
    const GdiObjectCounts before = GdiLiveObjects();
    frmReattach form;
    bool slotFreed = false;
    auto first = std::make_unique<win::testing::HeadlessDesktop>();
    const Leftovers old = FillDesktop(form, slotFreed);
    for (const HWND window : old.windows) {
        ASSERT_TRUE(IsWindow(window));
    }
    first.reset();
    EXPECT_TRUE(slotFreed);
    EXPECT_EQ(GdiLiveObjects(), before);

    win::testing::HeadlessDesktop second;
    WNDCLASS info;
    for (const char* className : kClassesMade) {
        EXPECT_FALSE(GetClassInfo(className, &info)) << className;
    }
    // Fill the new desktop too: what it hands out must not answer to the old values.
    bool secondSlotFreed = false;
    const Leftovers fresh = FillDesktop(form, secondSlotFreed);
    for (const HWND window : old.windows) {
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(std::count(fresh.windows.begin(), fresh.windows.end(), window), 0);
    }
    EXPECT_FALSE(IsMenu(old.menu));
    EXPECT_NE(fresh.menu, old.menu);
    EXPECT_EQ(CallWindowProc(fresh.procedure, fresh.windows.front(), WM_USER, 0, 0), 42);
    EXPECT_EQ(CallWindowProc(old.procedure, fresh.windows.front(), WM_USER, 0, 0), 0);
    DestroyMenu(fresh.menu);
    form.Unload();
    App().ResetForTesting();
}

}  // namespace
}  // namespace win::forms::testing
