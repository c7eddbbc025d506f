#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "forms_fixture.h"
#include "platform/controls/button.h"
#include "platform/forms/command_button.h"
#include "platform/forms/form.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/user/user.h"

namespace win::forms::testing {
namespace {

// A form with a little of everything, and data of its own that must outlive its window.
class frmSample : public Form {
public:
    frmSample() : Form("frmSample") {
        tmrTick.Tick = [this] { ++ticks; };
        cmdOk.Click = [this] { events.push_back("cmdOk_Click"); };
    }

    Label lblTotal{*this, "lblTotal"};
    TextBox txtInput{*this, "txtInput"};
    CommandButton cmdOk{*this, "cmdOk"};
    Timer tmrTick{*this, "tmrTick"};

    int loads = 0;
    int unloads = 0;
    int ticks = 0;
    std::vector<std::string> events;

protected:
    void Design() override {
        SetCaption("示例");
        SetBorderStyle(FormBorderStyle::FixedDialog);
        SetStartUpPosition(StartUpPosition::CenterScreen);
        SetClientSize(3000, 1500);
        lblTotal.Move(150, 150, 1500, 300);
        lblTotal.SetCaption("Label1");
        txtInput.Move(150, 600, 1500, 300);
        cmdOk.Move(1800, 600, 900, 360);
        cmdOk.SetCaption("确定");
        tmrTick.SetInterval(100);
    }
    void Form_Load() override {
        ++loads;
        events.push_back("Form_Load");
    }
    void Form_Unload() override {
        ++unloads;
        events.push_back("Form_Unload");
    }
};

using FormLifecycle = FormsTest;

TEST_F(FormLifecycle, ShowLoadsOnceAndMakesTheWindowVisibleAndActive) {
    frmSample form;
    EXPECT_FALSE(form.IsLoaded());
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_EQ(form.loads, 1);
    EXPECT_TRUE(IsWindowVisible(form.hWnd()));
    EXPECT_EQ(GetActiveWindow(), form.hWnd());
    EXPECT_EQ(GetWindowText(form.hWnd()), "示例");
    EXPECT_EQ(GetClassName(form.hWnd()), "Form");
    EXPECT_FALSE(GetParent(form.hWnd()));
    form.Show();
    EXPECT_EQ(form.loads, 1);
}

TEST_F(FormLifecycle, ClientAreaFollowsTheTwipsAndTheFormIsCentred) {
    frmSample form;
    form.Show();
    RECT client;
    GetClientRect(form.hWnd(), &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 100);
    RECT window;
    GetWindowRect(form.hWnd(), &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

TEST_F(FormLifecycle, HideOnlyHides) {
    frmSample form;
    form.Show();
    form.txtInput.SetText("kept while hidden");
    form.Hide();
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.txtInput.Text(), "kept while hidden");
    EXPECT_EQ(form.unloads, 0);
}

TEST_F(FormLifecycle, UnloadDestroysTheWindowsButKeepsTheFormsOwnData) {
    frmSample form;
    form.Show();
    const HWND first = form.hWnd();
    const HWND firstText = form.txtInput.hWnd();
    form.txtInput.SetText("typed");
    form.lblTotal.SetCaption("1234 KB");
    form.Unload();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(IsWindow(firstText));
    EXPECT_EQ(form.unloads, 1);
    EXPECT_EQ(form.loads, 1);

    // A later show loads it afresh: design values again, the form's own data kept.
    form.Show();
    EXPECT_EQ(form.loads, 2);
    EXPECT_NE(form.hWnd(), first);
    EXPECT_EQ(form.txtInput.Text(), "");
    EXPECT_EQ(form.lblTotal.Caption(), "Label1");
    EXPECT_EQ(form.events, (std::vector<std::string>{"Form_Load", "Form_Unload", "Form_Load"}));
}

// Minimised by the program or by the desktop, a form comes back when it is shown: a window
// without a taskbar entry has nowhere else to come back from.
TEST_F(FormLifecycle, ShowBringsBackAMinimisedForm) {
    frmSample form;
    form.Show();
    form.txtInput.SetText("kept");
    form.SetWindowState(vbMinimized);
    desktop.Pump();
    EXPECT_EQ(form.WindowState(), vbMinimized);
    EXPECT_TRUE(form.Visible());
    form.Show();
    desktop.Pump();
    EXPECT_EQ(form.WindowState(), vbNormal);
    EXPECT_EQ(GetActiveWindow(), form.hWnd());

    desktop.Host().MinimizeFromDesktop(desktop.NativeOf(form.hWnd()), true);
    desktop.Pump();
    EXPECT_EQ(form.WindowState(), vbMinimized);
    form.Show();
    desktop.Pump();
    EXPECT_EQ(form.WindowState(), vbNormal);
    EXPECT_EQ(form.txtInput.Text(), "kept");
    EXPECT_EQ(form.loads, 1);

    // A hidden form is not minimised; vbNormal brings a minimised one back.
    form.Hide();
    form.SetWindowState(vbMinimized);
    EXPECT_EQ(form.WindowState(), vbNormal);
    form.Show();
    form.SetWindowState(vbMinimized);
    form.SetWindowState(vbNormal);
    EXPECT_EQ(form.WindowState(), vbNormal);
}

TEST_F(FormLifecycle, TheCloseBoxUnloads) {
    frmSample form;
    form.Show();
    const HWND window = form.hWnd();
    SendMessage(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.unloads, 1);
}

TEST_F(FormLifecycle, ReadingAControlLoadsTheFormHidden) {
    frmSample form;
    EXPECT_EQ(form.lblTotal.Caption(), "Label1");
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_EQ(form.loads, 1);
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(IsWindow(form.hWnd()));
}

TEST_F(FormLifecycle, TimersRunWhileHiddenAndStopWithTheWindow) {
    frmSample form;
    form.Load();
    desktop.Advance(350);
    EXPECT_EQ(form.ticks, 3);
    form.Hide();
    desktop.Advance(200);
    EXPECT_EQ(form.ticks, 5);
    form.Unload();
    EXPECT_FALSE(AnyTimerRuns());
    desktop.Advance(500);
    EXPECT_EQ(form.ticks, 5);
    form.Load();
    desktop.Advance(100);
    EXPECT_EQ(form.ticks, 6);
}

TEST_F(FormLifecycle, EnablingATimerRestartsItsInterval) {
    frmSample form;
    form.Load();
    desktop.Advance(80);
    form.tmrTick.SetEnabled(true);
    desktop.Advance(80);
    EXPECT_EQ(form.ticks, 0);
    desktop.Advance(20);
    EXPECT_EQ(form.ticks, 1);
    form.tmrTick.SetEnabled(false);
    desktop.Advance(300);
    EXPECT_EQ(form.ticks, 1);
}

TEST_F(FormLifecycle, AButtonPressRaisesClick) {
    frmSample form;
    form.Show();
    ASSERT_TRUE(form.cmdOk.hWnd());
    EXPECT_EQ(GetClassName(form.cmdOk.hWnd()), "Button");
    EXPECT_EQ(GetWindowText(form.cmdOk.hWnd()), "确定");
    EXPECT_EQ(GetWindowLong(form.cmdOk.hWnd(), GWL_ID), 102);
    SendMessage(form.cmdOk.hWnd(), BM_CLICK, 0, 0);
    desktop.Pump();
    ASSERT_FALSE(form.events.empty());
    EXPECT_EQ(form.events.back(), "cmdOk_Click");
}

TEST_F(FormLifecycle, EndStopsEveryHandlerAndClosesEveryWindow) {
    frmSample first;
    frmSample second;
    bool hookRan = false;
    App().AddEndingHook([&] { hookRan = true; });
    first.Show();
    second.Load();
    App().End();
    EXPECT_TRUE(hookRan);
    EXPECT_FALSE(first.IsLoaded());
    EXPECT_FALSE(second.IsLoaded());
    EXPECT_EQ(first.unloads, 0);
    EXPECT_EQ(WindowCount(), 0);
    // Nothing loads or runs after the end, not even by a control's use.
    first.lblTotal.Caption();
    first.cmdOk.PerformClick();
    EXPECT_FALSE(first.IsLoaded());
    EXPECT_EQ(first.loads, 1);
    EXPECT_EQ(first.events.back(), "Form_Load");
    MSG message;
    EXPECT_TRUE(PeekMessage(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

TEST_F(FormLifecycle, AThousandReloadsLeakNothing) {
    frmSample form;
    form.Show();
    form.Unload();
    const int windows = WindowCount();
    const GdiObjectCounts gdi = GdiLiveObjects();
    for (int i = 0; i < 1000; ++i) {
        form.Show();
        form.lblTotal.SetCaption(std::to_string(i));
        desktop.Pump();
        form.Unload();
    }
    EXPECT_EQ(WindowCount(), windows);
    EXPECT_EQ(GdiLiveObjects(), gdi);
    EXPECT_FALSE(AnyTimerRuns());
    EXPECT_EQ(form.loads, 1001);
}

// A picture box keeps a drawing surface of its own, made with its window and freed when the
// window hears its last message.
class frmWithPicture : public Form {
public:
    frmWithPicture() : Form("frmWithPicture") {}
    PictureBox picGraph{*this, "picGraph"};
    TextBox txtInput{*this, "txtInput"};
    Frame fraBox{*this, "fraBox"};
    PictureBox picInFrame{fraBox, "picInFrame"};

protected:
    void Design() override {
        SetClientSize(5000, 1500);
        picGraph.Move(150, 150, 2000, 900);
        txtInput.Move(150, 1100, 1500, 300);
        fraBox.Move(2400, 150, 2400, 1200);
        picInFrame.Move(150, 300, 1500, 600);
    }
};

// The form's destructor destroys its window after the controls, members of the form, are gone;
// their windows must still free what they made.
TEST_F(FormLifecycle, AFormDestroyedWhileLoadedGivesBackWhatItsControlsMade) {
    const int windows = WindowCount();
    const GdiObjectCounts gdi = GdiLiveObjects();
    for (int i = 0; i < 3; ++i) {
        frmWithPicture form;
        form.Show();
        desktop.Pump();
        ASSERT_GT(GdiLiveObjects().bitmaps, gdi.bitmaps);
    }
    EXPECT_EQ(WindowCount(), windows);
    EXPECT_EQ(GdiLiveObjects(), gdi);
}

}  // namespace
}  // namespace win::forms::testing
