#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "button_fixture.h"

namespace quellan::testing {
namespace {

using win::VK_DOWN;
using win::VK_ESCAPE;
using win::VK_LEFT;
using win::VK_MENU;
using win::VK_RETURN;
using win::VK_RIGHT;
using win::VK_SPACE;
using win::VK_UP;
using win::host::MouseButton;

// One thing the user does, on the desktop, to the button a case is about.
enum class Act {
    MoveTo,
    MoveAway,
    Press,
    Release,
    PressRight,
    ReleaseRight,
    DoubleClick,
    Down,
    Up
};

struct Step {
    Act act;
    int a = 0;  // x, or the key
    int b = 0;  // y
};

struct InputCase {
    const char* what;
    std::function<lumbutton&(frmButtons&)> target;
    std::int32_t mode;
    std::vector<Step> steps;
    Log events;  // MouseEnter and MouseLeave left out
    bool value;
    std::int32_t drawState;
};

lumbutton& Push(frmButtons& f) {
    return f.cmdPush;
}
lumbutton& Check(frmButtons& f) {
    return f.chkCheck;
}

// Buttons read from the form's store, as on a saved form: in run mode they install the hook.
class ButtonInput : public ButtonTest {
protected:
    ButtonInput() {
        for (lumbutton* button : form.Buttons()) {
            form.PropertyStore(button->Name());
        }
    }

    void Run(const lumbutton& button, const Step& step) {
        switch (step.act) {
            case Act::MoveTo:
                MoveTo(button, step.a, step.b);
                break;
            case Act::MoveAway:
                MoveAway();
                break;
            case Act::Press:
                desktop.Host().PressMouse(MouseButton::Left);
                break;
            case Act::Release:
                desktop.Host().ReleaseMouse(MouseButton::Left);
                break;
            case Act::PressRight:
                desktop.Host().PressMouse(MouseButton::Right);
                break;
            case Act::ReleaseRight:
                desktop.Host().ReleaseMouse(MouseButton::Right);
                break;
            case Act::DoubleClick:
                desktop.Host().DoubleClickMouse(MouseButton::Left);
                break;
            case Act::Down:
                desktop.Host().KeyDown(step.a);
                break;
            case Act::Up:
                desktop.Host().KeyUp(step.a);
                break;
        }
        desktop.Pump();
    }

    static Log Without(Log events, const std::string& word) {
        std::erase_if(events,
                      [&](const std::string& e) { return e.find(word) != std::string::npos; });
        return events;
    }
};

TEST_F(ButtonInput, MouseSequencesRaiseTheirEventsInOrderAndLeaveTheStateAndValue) {
    const std::vector<InputCase> cases = {
        {"left click on a check button",
         Check,
         ModeCheck,
         {{Act::MoveTo, 10, 10}, {Act::Press}, {Act::Release}},
         {"chkCheck MouseDown 1 0 10 10", "chkCheck Click", "chkCheck MouseUp 1 0 10 10"},
         true,
         StateDown},
        {"a checked button stays pressed while hovered",
         Check,
         ModeCheck,
         {{Act::MoveTo, 10, 10}, {Act::Press}, {Act::Release}, {Act::MoveTo, 20, 12}},
         {"chkCheck MouseDown 1 0 10 10", "chkCheck Click", "chkCheck MouseUp 1 0 10 10"},
         true,
         StateDown},
        {"a second click unchecks it",
         Check,
         ModeCheck,
         {{Act::MoveTo, 10, 10},
          {Act::Press},
          {Act::Release},
          {Act::MoveTo, 11, 10},
          {Act::Press},
          {Act::Release}},
         {"chkCheck MouseDown 1 0 10 10", "chkCheck Click", "chkCheck MouseUp 1 0 10 10",
          "chkCheck MouseDown 1 0 11 10", "chkCheck Click", "chkCheck MouseUp 1 0 11 10"},
         false,
         StateNormal},
        {"released on the left edge: no click, no value change",
         Check,
         ModeCheck,
         {{Act::MoveTo, 10, 10}, {Act::Press}, {Act::MoveTo, 0, 10}, {Act::Release}},
         {"chkCheck MouseDown 1 0 10 10", "chkCheck MouseUp 1 0 0 10"},
         false,
         StateDown},
        {"released on the top edge",
         Push,
         ModePush,
         {{Act::MoveTo, 10, 10}, {Act::Press}, {Act::MoveTo, 10, 0}, {Act::Release}},
         {"cmdPush MouseDown 1 0 10 10", "cmdPush MouseUp 1 0 10 0"},
         false,
         StateDown},
        {"released beyond the right edge, over the next button",
         Push,
         ModePush,
         {{Act::MoveTo, 10, 10}, {Act::Press}, {Act::MoveTo, 200, 10}, {Act::Release}},
         {"cmdPush MouseDown 1 0 10 10", "cmdPush MouseUp 1 0 200 10"},
         false,
         StateNormal},
        {"right button: no MouseDown, no Click",
         Check,
         ModeCheck,
         {{Act::MoveTo, 10, 10}, {Act::PressRight}, {Act::ReleaseRight}},
         {"chkCheck MouseUp 2 0 10 10"},
         false,
         StateHot},
        {"double click replays the press before DblClick",
         Push,
         ModePush,
         {{Act::MoveTo, 8, 9}, {Act::Press}, {Act::Release}, {Act::DoubleClick}, {Act::Release}},
         {"cmdPush MouseDown 1 0 8 9", "cmdPush Click", "cmdPush MouseUp 1 0 8 9",
          "cmdPush MouseDown 1 0 8 9", "cmdPush DblClick", "cmdPush Click",
          "cmdPush MouseUp 1 0 8 9"},
         false,
         StateNormal},
    };
    for (const InputCase& c : cases) {
        SCOPED_TRACE(c.what);
        form.Show();
        desktop.Pump();
        lumbutton& button = c.target(form);
        button.SetMode(c.mode);
        MoveAway();
        TakeLog();
        for (const Step& step : c.steps) {
            Run(button, step);
        }
        // A drag beyond the button under the mouse capture hears a leave notice per move.
        EXPECT_EQ(Without(Without(TakeLog(), "MouseEnter"), "MouseLeave"), c.events);
        EXPECT_EQ(button.Value(), c.value);
        EXPECT_EQ(button.DrawState(), c.drawState);
        form.Unload();
    }
}

TEST_F(ButtonInput, EveryMoveOverTheButtonIsAMouseEnterAndLeavingIsOneMouseLeave) {
    form.Show();
    desktop.Pump();
    ASSERT_TRUE(form.cmdPush.TrackLeaveAvailable());
    MoveAway();
    TakeLog();
    MoveTo(form.cmdPush, 5, 5);
    EXPECT_EQ(form.cmdPush.DrawState(), StateHot);
    MoveTo(form.cmdPush, 6, 5);
    MoveTo(form.cmdPush, 7, 6);
    MoveAway();
    desktop.Pump();
    EXPECT_EQ(TakeLog(), (Log{"cmdPush MouseEnter", "cmdPush MouseEnter", "cmdPush MouseEnter",
                              "cmdPush MouseLeave"}));
    EXPECT_EQ(form.cmdPush.DrawState(), StateNormal);
    EXPECT_FALSE(form.cmdPush.CursorOver());
}

struct KeyCase {
    const char* what;
    std::function<lumbutton&(frmButtons&)> target;
    std::int32_t mode;
    std::vector<Step> steps;
    Log events;  // KeyPress and MouseEnter left out
    bool value;
    std::int32_t drawState;
};

TEST_F(ButtonInput, KeysOnTheFocusedButton) {
    const std::vector<KeyCase> cases = {
        {"space clicks a push button on its release",
         Push,
         ModePush,
         {{Act::Down, VK_SPACE}, {Act::Up, VK_SPACE}},
         {"cmdPush KeyDown 32 0", "cmdPush Click", "cmdPush KeyUp 32 0"},
         false,
         StateNormal},
        {"space checks a check button, which stays pressed",
         Check,
         ModeCheck,
         {{Act::Down, VK_SPACE}, {Act::Up, VK_SPACE}},
         {"chkCheck KeyDown 32 0", "chkCheck Click", "chkCheck KeyUp 32 0"},
         true,
         StateDown},
        {"a held space bar's repeats change Value once",
         Check,
         ModeCheck,
         {{Act::Down, VK_SPACE}, {Act::Down, VK_SPACE}, {Act::Down, VK_SPACE}, {Act::Up, VK_SPACE}},
         {"chkCheck KeyDown 32 0", "chkCheck KeyDown 32 0", "chkCheck KeyDown 32 0",
          "chkCheck Click", "chkCheck KeyUp 32 0"},
         true,
         StateDown},
        {"another key cancels the space press",
         Push,
         ModePush,
         {{Act::Down, VK_SPACE}, {Act::Down, 'A'}, {Act::Up, 'A'}, {Act::Up, VK_SPACE}},
         {"cmdPush KeyDown 32 0", "cmdPush KeyDown 65 0", "cmdPush KeyUp 32 0"},
         false,
         StateNormal},
        {"Enter clicks without touching Value",
         Check,
         ModeCheck,
         {{Act::Down, VK_RETURN}, {Act::Up, VK_RETURN}},
         {"chkCheck Click", "chkCheck KeyDown 13 0"},
         false,
         StateNormal},
        {"keys other than space raise no KeyUp",
         Push,
         ModePush,
         {{Act::Down, 'B'}, {Act::Up, 'B'}},
         {"cmdPush KeyDown 66 0"},
         false,
         StateNormal},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        form.Show();
        desktop.Pump();
        MoveAway();
        lumbutton& button = c.target(form);
        button.SetMode(c.mode);
        button.SetFocus();
        TakeLog();
        for (const Step& step : c.steps) {
            Run(button, step);
        }
        EXPECT_EQ(Without(Without(TakeLog(), "KeyPress"), "MouseEnter"), c.events);
        EXPECT_EQ(button.Value(), c.value);
        EXPECT_EQ(button.DrawState(), c.drawState);
        EXPECT_FALSE(button.SpaceDown());
        form.Unload();
    }
}

TEST_F(ButtonInput, AltSpaceIsRefusedWholly) {
    form.Show();
    form.chkCheck.SetMode(ModeCheck);
    form.chkCheck.SetFocus();
    desktop.Pump();
    desktop.Host().KeyDown(VK_MENU);
    TakeLog();
    desktop.Host().KeyDown(VK_SPACE);
    desktop.Pump();
    const Log log = TakeLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "chkCheck KeyDown 32 4"), 0);
    EXPECT_FALSE(form.chkCheck.Value());
    EXPECT_FALSE(form.chkCheck.SpaceDown());
    EXPECT_EQ(form.chkCheck.DrawState(), StateNormal);
    desktop.Host().KeyUp(VK_SPACE);
    desktop.Host().KeyUp(VK_MENU);
}

TEST_F(ButtonInput, SpaceOnAnOptionButtonUnchecksItsSiblingsInTheSameContainerOnly) {
    form.Show();
    for (lumbutton* option : {&form.optFirst, &form.optSecond, &form.optFramed}) {
        option->SetMode(ModeOption);
        option->SetValue(true);
    }
    // A check button on the same form is no member of the group.
    form.chkCheck.SetMode(ModeCheck);
    form.chkCheck.SetValue(true);
    form.optFirst.SetValue(false);
    form.optFirst.SetFocus();
    desktop.Pump();
    TakeLog();

    desktop.Host().KeyDown(VK_SPACE);
    desktop.Pump();
    EXPECT_TRUE(form.optFirst.Value());
    EXPECT_FALSE(form.optSecond.Value());
    EXPECT_EQ(form.optSecond.DrawState(), StateNormal);
    EXPECT_TRUE(form.optFramed.Value());
    EXPECT_TRUE(form.chkCheck.Value());
    EXPECT_EQ(TakeLog(), (Log{"optFirst KeyDown 32 0"}));

    desktop.Host().KeyUp(VK_SPACE);
    desktop.Pump();
    EXPECT_EQ(Without(TakeLog(), "MouseEnter"), (Log{"optFirst Click", "optFirst KeyUp 32 0"}));
    EXPECT_TRUE(form.optFirst.Value());

    // Clicking the framed one leaves the form's group alone.
    const win::POINT p = On(form.optFramed, 10, 10);
    desktop.Host().Click({p.x, p.y});
    desktop.Pump();
    EXPECT_TRUE(form.optFirst.Value());
    EXPECT_TRUE(form.optFramed.Value());
}

TEST_F(ButtonInput, ArrowKeysMoveTheFocusAndStillRaiseKeyDown) {
    struct ArrowCase {
        int key;
        lumbutton* from;
        win::HWND expectedFocus;
    };
    form.Show();
    desktop.Pump();
    const std::vector<ArrowCase> cases = {
        {VK_RIGHT, &form.cmdPush, form.chkCheck.hWnd()},
        {VK_DOWN, &form.cmdPush, form.chkCheck.hWnd()},
        {VK_LEFT, &form.chkCheck, form.cmdPush.hWnd()},
        {VK_UP, &form.cmdPush, form.txtBefore.hWnd()},
    };
    for (const ArrowCase& c : cases) {
        SCOPED_TRACE(c.key);
        c.from->SetFocus();
        desktop.Pump();
        TakeLog();
        desktop.TapKey(c.key);
        desktop.Pump();
        EXPECT_EQ(win::GetFocus(), c.expectedFocus);
        EXPECT_EQ(TakeLog(), (Log{c.from->Name() + " KeyDown " + std::to_string(c.key) + " 0"}));
    }
}

TEST_F(ButtonInput, EnterAndEscapeThroughTheDefaultAndCancelKeys) {
    struct DefaultCase {
        const char* what;
        std::int32_t mode;
        int key;
        Log events;
    };
    const std::vector<DefaultCase> cases = {
        {"Enter on a default push button", ModePush, VK_RETURN, {"cmdPush Click"}},
        {"Escape on a cancel push button", ModePush, VK_ESCAPE, {"cmdPush Click"}},
        {"Enter on a default check button", ModeCheck, VK_RETURN, {}},
        {"Escape on a cancel check button", ModeCheck, VK_ESCAPE, {}},
        {"Enter on a default option button", ModeOption, VK_RETURN, {}},
        {"Escape on a cancel option button", ModeOption, VK_ESCAPE, {}},
    };
    for (const DefaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        form.Show();
        form.cmdPush.SetMode(c.mode);
        form.cmdPush.Extender().SetDefault(true);
        form.cmdPush.Extender().SetCancel(true);
        form.txtBefore.SetFocus();
        desktop.Pump();
        TakeLog();
        desktop.TapKey(c.key);
        desktop.Pump();
        // A drag beyond the button under the mouse capture hears a leave notice per move.
        EXPECT_EQ(Without(Without(TakeLog(), "MouseEnter"), "MouseLeave"), c.events);
        EXPECT_FALSE(form.cmdPush.Value());
        form.Unload();
    }
}

TEST_F(ButtonInput, TheAccessKeyClicksAndTogglesACheckButton) {
    form.Show();
    form.chkCheck.SetMode(ModeCheck);
    form.chkCheck.SetCaption("Save &As");
    form.txtBefore.SetFocus();
    desktop.Pump();
    TakeLog();
    desktop.Host().KeyDown(VK_MENU);
    desktop.TapKey('A');
    desktop.Host().KeyUp(VK_MENU);
    desktop.Pump();
    const Log log = TakeLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "chkCheck Click"), 1);
    EXPECT_TRUE(form.chkCheck.Value());
    EXPECT_EQ(win::GetFocus(), form.chkCheck.hWnd());
}

TEST_F(ButtonInput, FocusLossAndParentDeactivationDropThePress) {
    form.Show();
    desktop.Pump();
    MoveTo(form.cmdPush, 10, 10);
    desktop.Host().PressMouse(MouseButton::Left);
    desktop.Pump();
    EXPECT_TRUE(form.cmdPush.MouseIsDown());
    EXPECT_TRUE(form.cmdPush.HasFocus());
    form.txtAfter.SetFocus();
    desktop.Pump();
    EXPECT_FALSE(form.cmdPush.MouseIsDown());
    EXPECT_FALSE(form.cmdPush.HasFocus());
    // The cursor is still over it in an active form: it shows hot.
    EXPECT_TRUE(form.cmdPush.ParentActive());
    EXPECT_EQ(form.cmdPush.DrawState(), StateHot);
    desktop.Host().ReleaseMouse(MouseButton::Left);
    desktop.Pump();

    // Another window of ours takes the activation from the form.
    form.cmdPush.SetFocus();
    desktop.Pump();
    win::forms::Form other("frmOther");
    other.Show();
    desktop.Pump();
    EXPECT_FALSE(form.cmdPush.ParentActive());
    EXPECT_FALSE(form.cmdPush.HasFocus());
    EXPECT_EQ(form.cmdPush.DrawState(), StateNormal);
}

TEST_F(ButtonInput, ADropDownMenuTakesThePressAndAMenuClosedOverTheButtonDoesNotReopen) {
    form.Show();
    desktop.Pump();
    lumbutton& button = form.cmdPush;
    int itemClicks = 0;
    form.mnuItem.Click = [&] { ++itemClicks; };
    button.SetPopupMenu(&form.mnuDrop, 0, 0);
    const win::POINT bottomLeft = On(button, 0, button.ScaleHeight());
    MoveTo(button, 10, 10);
    TakeLog();

    // Opened below the button by a press, chosen from: the press is no MouseDown.
    win::RECT placed{};
    desktop.After(10, [&] {
        placed = desktop.OpenMenuRect();
        desktop.Host().ReleaseMouse(MouseButton::Left);
        desktop.Host().Click({placed.left + 20, placed.top + 8});
    });
    desktop.Host().PressMouse(MouseButton::Left);
    desktop.Pump();
    EXPECT_EQ(placed.left, bottomLeft.x);
    EXPECT_EQ(placed.top, bottomLeft.y);
    EXPECT_EQ(itemClicks, 1);
    EXPECT_EQ(button.DrawState(), StateNormal);
    EXPECT_FALSE(button.MouseIsDown());

    // Closed by a click back on the button: the next press there does not open it again...
    MoveTo(button, 10, 10);
    desktop.After(10, [&] {
        desktop.Host().ReleaseMouse(MouseButton::Left);
        const win::POINT over = On(button, 12, 10);
        desktop.Host().Click({over.x, over.y});
    });
    desktop.Host().PressMouse(MouseButton::Left);
    desktop.Pump();
    EXPECT_FALSE(desktop.OpenMenu());
    EXPECT_TRUE(button.DropDown().MenuSuppressed());
    desktop.Host().PressMouse(MouseButton::Left);
    desktop.Advance(20);
    EXPECT_FALSE(desktop.OpenMenu());
    EXPECT_TRUE(button.MouseIsDown());
    EXPECT_EQ(button.DrawState(), StateDown);
    desktop.Host().ReleaseMouse(MouseButton::Left);
    desktop.Pump();
    EXPECT_FALSE(button.DropDown().MenuSuppressed());
    EXPECT_EQ(button.DrawState(), StateNormal);
    // ... and the press after that does.
    bool reopened = false;
    desktop.After(10, [&] {
        reopened = desktop.OpenMenu() != nullptr;
        if (reopened) {
            desktop.TapKey(VK_ESCAPE);
        }
    });
    desktop.Host().PressMouse(MouseButton::Left);
    desktop.Host().ReleaseMouse(MouseButton::Left);
    desktop.Pump();
    EXPECT_TRUE(reopened);
    EXPECT_EQ(Without(Without(TakeLog(), "MouseEnter"), "MouseLeave"), Log{});
}

TEST_F(ButtonInput, ValueOnAPushButtonStaysFalseAndModeResetsTheLook) {
    form.Show();
    form.cmdPush.SetValue(true);
    EXPECT_FALSE(form.cmdPush.Value());
    form.chkCheck.SetMode(ModeCheck);
    form.chkCheck.SetValue(true);
    EXPECT_EQ(form.chkCheck.DrawState(), StateDown);
    // Setting Value never clicks and never touches a group.
    EXPECT_EQ(Without(TakeLog(), "MouseEnter"), Log{});
    form.chkCheck.SetValue(false);
    EXPECT_EQ(form.chkCheck.DrawState(), StateNormal);
    form.chkCheck.SetValue(true);
    form.chkCheck.SetMode(ModePush);
    EXPECT_TRUE(form.chkCheck.Value());  // kept, though a push button shows no check
    EXPECT_EQ(form.chkCheck.DrawState(), StateNormal);
}

}  // namespace
}  // namespace quellan::testing
