#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "forms_fixture.h"
#include "platform/controls/tooltip.h"
#include "platform/forms/form.h"
#include "platform/forms/text_box.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/user/user.h"
#include "sample_user_control.h"

namespace win::forms::testing {
namespace {

using Log = std::vector<std::string>;

class frmHost : public Form {
public:
    frmHost() : Form("frmHost") {}

    TextBox txtFirst{*this, "txtFirst"};
    ctlSample ctlOne{*this, "ctlOne"};

protected:
    void Design() override {
        SetStartUpPosition(StartUpPosition::Manual);
        Move(1500, 1500);
        SetClientSize(4500, 3000);
        txtFirst.Move(150, 150, 1500, 300);
        ctlOne.Move(300, 600, 1500, 600);
        ctlOne.Extender().SetToolTipText(toolTip);
    }

public:
    std::string toolTip;
};

class UserControls : public FormsTest {
protected:
    // The control's client point (x, y) on the screen.
    POINT OnControl(int x, int y) {
        POINT point{x, y};
        ClientToScreen(form.ctlOne.hWnd(), &point);
        return point;
    }
    void ClickControl(int x, int y) {
        const POINT point = OnControl(x, y);
        desktop.Host().Click({point.x, point.y});
    }
    void Tap(int key) {
        desktop.Host().KeyDown(key);
        desktop.Host().KeyUp(key);
    }
    Log TakeLog() { return std::exchange(form.ctlOne.log, {}); }

    frmHost form;
};

TEST_F(UserControls, HooksRunInOrderAtEveryLoadAndTheStoreDecidesInitOrRead) {
    form.Show();
    desktop.Pump();
    EXPECT_EQ(TakeLog(), (Log{"Initialize", "InitProperties", "Resize", "Show", "Paint"}));
    EXPECT_EQ(form.ctlOne.caption, "ctlOne");
    form.Hide();
    form.Unload();
    EXPECT_EQ(TakeLog(), (Log{"Hide", "Terminate"}));

    // Once the form has stored the control, every load reads it back.
    form.PropertyStore("ctlOne");
    form.Load();
    EXPECT_EQ(TakeLog(), (Log{"Initialize", "ReadProperties", "Resize"}));
    EXPECT_EQ(form.ctlOne.caption, "ctlSample");
    form.Show();
    desktop.Pump();
    form.Unload();
    EXPECT_EQ(TakeLog(), (Log{"Show", "Paint", "Hide", "Terminate"}));
}

TEST_F(UserControls, PropertiesGoThroughTheFormsStoreWithDefaultsLeftOut) {
    form.Load();
    ctlSample& control = form.ctlOne;
    EXPECT_FALSE(form.HasUnsavedProperties());
    control.SetCaption("查看详细信息");
    EXPECT_TRUE(form.HasUnsavedProperties());
    control.style = 8;
    control.opacity = 128;
    control.font = StdFont::Create("Tahoma", 8.25);
    form.SaveProperties();
    EXPECT_FALSE(form.HasUnsavedProperties());

    const PropertyBag& bag = form.PropertyStore("ctlOne");
    EXPECT_EQ(bag.Names(), (std::vector<std::string>{"Caption", "Style", "Opacity", "Font"}));
    EXPECT_EQ(std::get<std::uint8_t>(*bag.Find("Opacity")), 128);

    form.Unload();
    control.caption.clear();
    control.style = 0;
    control.font.reset();
    form.Load();
    EXPECT_EQ(control.caption, "查看详细信息");
    EXPECT_EQ(control.style, 8);
    EXPECT_EQ(control.opacity, 128);
    EXPECT_FALSE(control.value);
    ASSERT_TRUE(control.font);
    EXPECT_EQ(control.font->Name(), "Tahoma");
    EXPECT_EQ(control.font->Size(), 8.25);

    // Saving again with everything back at its default leaves an empty store, not a stale one.
    control.caption = "ctlSample1";
    control.style = 1;
    control.opacity = 255;
    control.font = control.Ambient().Font();
    control.SaveProperties();
    EXPECT_EQ(form.PropertyStore("ctlOne").Size(), 0u);
    form.Unload();
    form.Load();
    EXPECT_EQ(control.caption, "ctlSample");
}

TEST_F(UserControls, AmbientPropertiesFollowTheFormAndReportTheirChanges) {
    form.Load();
    ctlSample& control = form.ctlOne;
    TakeLog();
    EXPECT_TRUE(control.Ambient().UserMode());
    EXPECT_EQ(control.Ambient().DisplayName(), "ctlOne");
    EXPECT_FALSE(control.Ambient().DisplayAsDefault());

    form.SetBackColor(0x00FFD1AD);
    EXPECT_EQ(control.Ambient().BackColor(), 0x00FFD1ADu);
    form.Font()->SetBold(true);
    EXPECT_TRUE(control.Ambient().Font()->Bold());
    form.SetFont(StdFont::Create("Arial", 8.25));
    control.Extender().SetDefault(true);
    EXPECT_TRUE(control.Ambient().DisplayAsDefault());
    EXPECT_TRUE(control.Extender().Default());
    form.SetDesignMode(true);
    EXPECT_FALSE(control.Ambient().UserMode());
    EXPECT_EQ(TakeLog(),
              (Log{"AmbientChanged BackColor", "AmbientChanged Font", "AmbientChanged Font",
                   "AmbientChanged DisplayAsDefault", "AmbientChanged UserMode"}));

    // The ambient font is the control's own copy.
    FontRef copy = control.Ambient().Font();
    copy->SetName("Tahoma");
    EXPECT_EQ(form.Font()->Name(), "Arial");
    EXPECT_TRUE(TakeLog().empty());
    form.SetDesignMode(false);
}

TEST_F(UserControls, AccessKeysAndTheDefaultAndCancelKeysRaiseAccessKeyPress) {
    form.Show();
    desktop.Pump();
    form.ctlOne.SetAccessKeys("s");
    form.ctlOne.Extender().SetDefault(true);
    form.ctlOne.Extender().SetCancel(true);
    form.txtFirst.SetFocus();
    TakeLog();

    Tap(VK_RETURN);
    Tap(VK_ESCAPE);
    EXPECT_EQ(TakeLog(), (Log{"AccessKeyPress 13", "AccessKeyPress 27"}));
    EXPECT_EQ(GetFocus(), form.txtFirst.hWnd());

    desktop.Host().KeyDown(VK_MENU);
    Tap('S');
    desktop.Host().KeyUp(VK_MENU);
    EXPECT_EQ(GetFocus(), form.ctlOne.hWnd());
    const Log log = TakeLog();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0], "GotFocus");
    EXPECT_EQ(log[1], "AccessKeyPress 115");

    // A disabled control answers to none of them.
    form.txtFirst.SetFocus();
    form.ctlOne.SetEnabled(false);
    TakeLog();
    Tap(VK_RETURN);
    desktop.Host().KeyDown(VK_MENU);
    Tap('S');
    desktop.Host().KeyUp(VK_MENU);
    EXPECT_EQ(TakeLog(), Log{});
}

TEST_F(UserControls, MouseHooksGetPixelPositionsAndTheReleaseComesBackFromOutside) {
    form.Show();
    desktop.Pump();
    TakeLog();
    ClickControl(10, 5);
    EXPECT_EQ(TakeLog(), (Log{"GotFocus", "MouseDown 1 0 10 5", "MouseUp 1 0 10 5"}));

    // Pressed inside, released far outside: the control still hears the release.
    const POINT inside = OnControl(30, 20);
    desktop.Host().MoveMouse({inside.x, inside.y});
    desktop.Host().PressMouse(host::MouseButton::Left);
    desktop.Host().MoveMouse({inside.x + 200, inside.y - 10});
    desktop.Host().ReleaseMouse(host::MouseButton::Left);
    EXPECT_EQ(TakeLog(), (Log{"MouseDown 1 0 30 20", "MouseUp 1 0 230 10"}));
    EXPECT_FALSE(GetCapture());

    desktop.Host().MoveMouse({inside.x, inside.y});
    desktop.Host().DoubleClickMouse(host::MouseButton::Left);
    desktop.Host().ReleaseMouse(host::MouseButton::Left);
    ClickControl(40, 10);
    const POINT right = OnControl(5, 6);
    desktop.Host().Click({right.x, right.y}, host::MouseButton::Right);
    EXPECT_EQ(TakeLog(), (Log{"DblClick", "MouseUp 1 0 30 20", "MouseDown 1 0 40 10",
                              "MouseUp 1 0 40 10", "MouseDown 2 0 5 6", "MouseUp 2 0 5 6"}));

    form.ctlOne.logMoves = true;
    const POINT moved = OnControl(7, 8);
    desktop.Host().MoveMouse({moved.x, moved.y});
    EXPECT_EQ(TakeLog(), (Log{"MouseMove 0 0 7 8"}));
}

TEST_F(UserControls, KeysAndFocusReachTheControlAndEnterIsItsOwn) {
    form.Show();
    form.ctlOne.SetFocus();
    EXPECT_EQ(TakeLog().back(), "GotFocus");
    form.ctlOne.Extender().SetDefault(true);
    TakeLog();

    desktop.Host().TypeText("a");
    Tap(VK_RETURN);
    desktop.Host().KeyDown(VK_MENU);
    Tap(VK_SPACE);
    desktop.Host().KeyUp(VK_MENU);
    Log log = TakeLog();
    EXPECT_NE(std::find(log.begin(), log.end(), "KeyPress 97"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "KeyDown 13 0"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "KeyUp 13 0"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "KeyDown 32 4"), log.end());
    // Focused, Enter is the control's key, not an access-key press.
    EXPECT_EQ(std::find(log.begin(), log.end(), "AccessKeyPress 13"), log.end());

    // Tab belongs to the form: the focus moves on and the control hears no key.
    Tap(VK_TAB);
    EXPECT_EQ(GetFocus(), form.txtFirst.hWnd());
    EXPECT_EQ(TakeLog(), (Log{"LostFocus"}));
}

TEST_F(UserControls, ShowAndHideFollowTheFormAndTheControl) {
    form.Load();
    TakeLog();
    form.Show();
    form.Hide();
    form.Show();
    form.ctlOne.SetVisible(false);
    form.ctlOne.SetVisible(true);
    EXPECT_EQ(TakeLog(), (Log{"Show", "Hide", "Show", "Hide", "Show"}));
}

TEST_F(UserControls, TheSurfaceKeepsItsDrawingAndRefreshPutsItOnTheScreen) {
    form.Show();
    desktop.Pump();
    ctlSample& control = form.ctlOne;
    EXPECT_EQ(control.ScaleWidth(), 100);
    EXPECT_EQ(control.ScaleHeight(), 40);
    control.SetBackColor(0x000000FF);
    desktop.Pump();
    const RECT area = control.PixelRect();
    EXPECT_EQ(desktop.PresentedPixel(form.hWnd(), area.left + 50, area.top + 20) & 0xFFFFFF,
              0xFF0000u);

    HDC dc = control.hDC();
    EXPECT_EQ(control.hDC(), dc);
    const HBRUSH green = CreateSolidBrush(0x0000FF00);
    RECT corner{0, 0, 10, 10};
    FillRect(dc, &corner, green);
    DeleteObject(green);
    desktop.Pump();
    // Drawn, not yet shown: no paint was asked for.
    EXPECT_EQ(desktop.PresentedPixel(form.hWnd(), area.left + 5, area.top + 5) & 0xFFFFFF,
              0xFF0000u);
    control.Refresh();
    desktop.Pump();
    EXPECT_EQ(desktop.PresentedPixel(form.hWnd(), area.left + 5, area.top + 5) & 0xFFFFFF,
              0x00FF00u);

    // Text goes in the surface's colour; a resize keeps the drawing.
    control.SetForeColor(0x00FFFFFF);
    EXPECT_EQ(GetTextColor(dc), 0x00FFFFFFu);
    control.Move(300, 600, 3000, 900);
    EXPECT_EQ(control.ScaleWidth(), 200);
    EXPECT_EQ(GetPixel(control.hDC(), 5, 5), 0x0000FF00u);
    EXPECT_EQ(GetPixel(control.hDC(), 150, 50), 0x000000FFu);
}

TEST_F(UserControls, TheMousePointerShowsOverTheControlAndUnknownOnesAreRefused) {
    form.Show();
    form.ctlOne.SetMousePointer(vbIbeam);
    form.ctlOne.SetMousePointer(99);  // a picture of its own: not on this platform
    EXPECT_EQ(form.ctlOne.MousePointer(), vbIbeam);
    const POINT point = OnControl(20, 10);
    desktop.Host().MoveMouse({point.x, point.y});
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_IBEAM));
    form.ctlOne.SetMousePointer(vbDefault);
    desktop.Host().MoveMouse({point.x + 1, point.y});
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
}

TEST_F(UserControls, TheExtendersToolTipShowsOverTheControl) {
    form.toolTip = "下载速率";
    form.Show();
    const POINT point = OnControl(20, 10);
    desktop.Host().MoveMouse({point.x, point.y});
    desktop.Advance(kTooltipInitialDelay + 50);
    HWND tip = form.ctlOne.Extender().TipWindow();
    ASSERT_TRUE(tip);
    EXPECT_TRUE(IsWindowVisible(tip));

    form.ctlOne.Extender().SetToolTipText("");
    EXPECT_FALSE(IsWindow(tip));
    EXPECT_FALSE(form.ctlOne.Extender().TipWindow());
}

TEST_F(UserControls, TheEndRunsNoHookAndStillReleasesEverything) {
    const GdiObjectCounts before = GdiLiveObjects();
    form.toolTip = "tip";
    form.Show();
    form.ctlOne.SetFont(StdFont::Create("Tahoma", 8.25));
    desktop.Pump();
    TakeLog();
    App().End();
    EXPECT_EQ(TakeLog(), Log{});
    EXPECT_EQ(WindowCount(), 0);
    EXPECT_EQ(GdiLiveObjects(), before);
}

TEST_F(UserControls, AThousandLoadsLeakNoWindowTimerOrDrawingObject) {
    form.toolTip = "tip";
    form.Show();
    form.Unload();
    const int windows = WindowCount();
    const GdiObjectCounts gdi = GdiLiveObjects();
    for (int i = 0; i < 1000; ++i) {
        form.Show();
        form.ctlOne.SetFont(StdFont::Create("Tahoma", 8 + i % 3));
        form.ctlOne.SetBackColor(static_cast<OLE_COLOR>(i));
        form.ctlOne.Refresh();
        desktop.Pump();
        form.Unload();
    }
    EXPECT_EQ(WindowCount(), windows);
    EXPECT_EQ(GdiLiveObjects(), gdi);
    EXPECT_FALSE(AnyTimerRuns());
}

}  // namespace
}  // namespace win::forms::testing
