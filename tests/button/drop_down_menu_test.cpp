#include "button/drop_down_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "button/subclass_hook.h"
#include "button/track_mouse_leave.h"
#include "platform/forms/command_button.h"
#include "platform/forms/form.h"
#include "platform/forms/forms_fixture.h"
#include "platform/forms/menu.h"
#include "platform/forms/twips.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"

namespace quellan::test {
namespace {

using namespace win;

class frmDrop : public forms::Form {
public:
    frmDrop() : Form("frmDrop") {}

    forms::Menu mnuDrop{*this, "mnuDrop"};
    forms::Menu mnuFirst{mnuDrop, "mnuFirst"};
    forms::Menu mnuSecond{mnuDrop, "mnuSecond"};
    forms::CommandButton cmdOther{*this, "cmdOther"};

protected:
    void Design() override {
        SetStartUpPosition(forms::StartUpPosition::Manual);
        Move(6000, 4500);
        SetClientSize(6000, 4500);
        mnuDrop.SetVisible(false);
        mnuFirst.SetCaption("显示目录");
        mnuSecond.SetCaption("关于");
        cmdOther.Move(300, 300, 1200, 375);
    }
};

// Stands where the button will be: a child window of the form whose handlers use the drop-down
// menu as the button's press, release and leave handling do.
class DropDownMenuTest : public forms::testing::FormsTest, public SubclassOwner {
protected:
    static constexpr RECT kButton{150, 120, 270, 150};

    DropDownMenuTest() : table(*this) {
        current_ = this;
        WNDCLASS windowClass;
        windowClass.lpfnWndProc = &ButtonProcedure;
        windowClass.lpszClassName = "DropDownTestButton";
        RegisterClass(windowClass);
        form.Show();
        button = CreateWindowEx(0, "DropDownTestButton", "", WS_CHILD | WS_VISIBLE, kButton.left,
                                kButton.top, kButton.right - kButton.left,
                                kButton.bottom - kButton.top, form.hWnd(), HMENU::FromValue(40));
        tracking = ProbeLeaveTracking();
        InstallMessageHook(table, button, form.hWnd(), false, false);
        desktop.Pump();
    }
    ~DropDownMenuTest() override {
        table.UnsubclassAll();
        current_ = nullptr;
    }

    void Subclass_WndProc(bool, bool&, LRESULT&, HWND&, UINT& uMsg, WPARAM& wParam,
                          LPARAM&) override {
        HookHandlers handlers;
        handlers.mouseLeft = [this] {
            if (!menu.OnMouseLeft()) {
                events.push_back("MouseLeave");
            }
        };
        RunHookMessage(uMsg, wParam, handlers);
    }

    static LRESULT ButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        DropDownMenuTest* self = current_;
        if (self != nullptr && window == self->button) {
            switch (message) {
                case WM_MOUSEMOVE:
                    TrackMouseLeave(window, self->tracking);
                    break;
                case WM_LBUTTONDOWN:
                    if (!self->menu.MenuSet()) {
                        self->events.push_back("MouseDown");
                    } else if (self->menu.OpensOnPress()) {
                        self->events.push_back("open");
                        self->menu.ShowDropDownMenu(
                            window, [self] { self->events.push_back("closed away"); });
                    }
                    break;
                case WM_LBUTTONUP:
                    if (self->menu.OnRelease()) {
                        self->events.push_back("release");
                    }
                    break;
                default:
                    break;
            }
        }
        return DefWindowProc(window, message, wParam, lParam);
    }

    POINT ScreenOf(int x, int y) const {
        POINT point{x, y};
        ClientToScreen(button, &point);
        return point;
    }
    RECT ButtonOnScreen() const {
        RECT rect{};
        GetWindowRect(button, &rect);
        return rect;
    }
    void MoveTo(POINT point) {
        desktop.Host().MoveMouse({point.x, point.y});
        desktop.Pump();
    }
    void ClickAt(POINT point) {
        desktop.Host().Click({point.x, point.y});
        desktop.Pump();
    }

    frmDrop form;
    HWND button;
    SubclassTable table;
    LeaveTracking tracking;
    DropDownMenu menu;
    std::vector<std::string> events;

private:
    static inline DropDownMenuTest* current_ = nullptr;
};

struct AlignCase {
    std::int32_t Align;
    std::int32_t FLAGS;
    // Which corner of the menu lies on which point of the button: 'l'eft/'r'ight edge of the
    // menu at the button's 'L'eft/'R'ight, 't'op/'b'ottom at 'T'op/'B'ottom.
    const char* corner;
    std::int32_t storedFlags;
};

const AlignCase kAlignCases[] = {
    {0, 0, "lL tB", 0},
    {1, 0, "lL bT", 32},
    {2, 0, "rL tT", 8},
    {3, 0, "lR tT", 0},
    {4, 0, "rL bT", 40},
    {5, 0, "rL tB", 8},
    {6, 0, "lR bT", 32},
    {7, 0, "lR tB", 0},
    // Other bits pass through and stay, unless the alignment replaces them.
    {0, 2, "lL tB", 2},
    {5, 2, "rL tB", 10},
    {4, 2, "rL bT", 40},
    {8, 2, "", 2},
};

TEST_F(DropDownMenuTest, AlignPutsTheMenuAroundTheButtonAndRewritesTheStoredFlags) {
    for (const AlignCase& c : kAlignCases) {
        SCOPED_TRACE(c.Align);
        menu.SetPopupMenu(&form.mnuDrop, c.Align, c.FLAGS);
        RECT placed{};
        bool opened = false;
        desktop.After(10, [&] {
            opened = desktop.OpenMenu() != nullptr;
            placed = desktop.OpenMenuRect();
            desktop.TapKey(VK_ESCAPE);
        });
        menu.ShowDropDownMenu(button, nullptr);
        EXPECT_EQ(menu.Flags(), c.storedFlags);
        const std::string corner = c.corner;
        EXPECT_EQ(opened, !corner.empty());
        if (corner.empty()) {
            EXPECT_FALSE(menu.MenuOpening());
            desktop.Advance(20);
            continue;
        }
        const RECT b = ButtonOnScreen();
        EXPECT_EQ(corner[0] == 'l' ? placed.left : placed.right,
                  corner[1] == 'L' ? b.left : b.right);
        EXPECT_EQ(corner[3] == 't' ? placed.top : placed.bottom,
                  corner[4] == 'T' ? b.top : b.bottom);
    }
}

TEST_F(DropDownMenuTest, OnlyAMenuOfTheFormsIsTaken) {
    menu.SetPopupMenu(&form.cmdOther, 4, 0);
    EXPECT_FALSE(menu.MenuSet());
    menu.SetPopupMenu(nullptr, 4, 0);
    EXPECT_FALSE(menu.MenuSet());
    menu.SetPopupMenu(&form.mnuDrop, 4, 2, &form.cmdOther);
    EXPECT_TRUE(menu.MenuSet());
    EXPECT_EQ(menu.Menu(), &form.mnuDrop);
    EXPECT_EQ(menu.Align(), 4);
    // Anything else later leaves it as it was.
    menu.SetPopupMenu(&form.cmdOther, 0, 0);
    EXPECT_EQ(menu.Menu(), &form.mnuDrop);
    EXPECT_EQ(menu.Flags(), 2);
    menu.UnsetPopupMenu();
    EXPECT_FALSE(menu.MenuSet());
    EXPECT_FALSE(menu.OpensOnPress());
}

TEST_F(DropDownMenuTest, AMenuClosedOverTheButtonDoesNotReopenAtThePressThatClosedIt) {
    menu.SetPopupMenu(&form.mnuDrop, 0, 0);
    const POINT over = ScreenOf(20, 10);
    MoveTo(over);
    MoveTo(ScreenOf(22, 10));
    // Press and release open the menu; a click on the button closes it.
    desktop.After(10, [&] { desktop.Host().ReleaseMouse(host::MouseButton::Left); });
    desktop.After(20, [&] { desktop.Host().Click({over.x, over.y}); });
    desktop.Host().PressMouse(host::MouseButton::Left);
    desktop.Pump();
    EXPECT_FALSE(desktop.OpenMenu());
    // The menu took the closing click; the button heard of none of it.
    EXPECT_EQ(events, (std::vector<std::string>{"open"}));
    EXPECT_TRUE(menu.MenuSuppressed());

    // The next press does not reopen it; its release re-arms the menu.
    ClickAt(over);
    EXPECT_FALSE(desktop.OpenMenu());
    EXPECT_EQ(events, (std::vector<std::string>{"open", "release"}));
    EXPECT_FALSE(menu.MenuSuppressed());
    bool reopened = false;
    desktop.After(10, [&] {
        reopened = desktop.OpenMenu() != nullptr;
        desktop.TapKey(VK_ESCAPE);
    });
    ClickAt(over);
    EXPECT_TRUE(reopened);
}

TEST_F(DropDownMenuTest, TheMenuTakingTheMouseIsNoLeaveAndClosingItAwayReArmsIt) {
    menu.SetPopupMenu(&form.mnuDrop, 0, 0);
    MoveTo(ScreenOf(20, 10));
    MoveTo(ScreenOf(22, 10));
    const RECT b = ButtonOnScreen();
    bool suppressedInMenu = false;
    desktop.After(10, [&] { desktop.Host().ReleaseMouse(host::MouseButton::Left); });
    desktop.After(15, [&] {
        const RECT open = desktop.OpenMenuRect();
        desktop.Host().MoveMouse({open.left + 20, open.top + 10});
    });
    desktop.After(20, [&] {
        suppressedInMenu = menu.MenuSuppressed() && !menu.MenuOpening();
        desktop.Host().Click({b.right + 150, b.top - 60});
    });
    desktop.Host().PressMouse(host::MouseButton::Left);
    desktop.Pump();
    EXPECT_FALSE(desktop.OpenMenu());
    EXPECT_TRUE(suppressedInMenu);
    EXPECT_EQ(events, (std::vector<std::string>{"open", "closed away"}));
    EXPECT_FALSE(menu.MenuSuppressed());
    EXPECT_FALSE(menu.MenuOpening());
    EXPECT_TRUE(menu.OpensOnPress());
}

}  // namespace
}  // namespace quellan::test
