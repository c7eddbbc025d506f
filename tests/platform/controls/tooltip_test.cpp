#include "platform/controls/tooltip.h"

#include "control_test.h"
#include "platform/controls/button.h"
#include "platform/controls/tooltip_geometry.h"

namespace win::controls::test {
namespace {

class TooltipTest : public ControlTest {
protected:
    TooltipTest() { button = MakeChild(kButtonClassName, "提示", 0, {40, 40, 140, 70}, 30); }
    ~TooltipTest() override {
        if (IsWindow(tip)) {
            DestroyWindow(tip);
        }
    }

    // As the owner-drawn button builds its tip: owned by the tool, the tool named by its handle.
    HWND MakeTip(const std::string& text, DWORD style = TTS_ALWAYSTIP | TTS_NOPREFIX,
                 DWORD exStyle = 0) {
        tip = CreateWindowEx(exStyle, TOOLTIPS_CLASS, "", style, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, button);
        TOOLINFO tool;
        tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
        tool.hwnd = button;
        tool.uId = static_cast<UINT_PTR>(button.Value());
        GetClientRect(button, &tool.rect);
        tool.lpszText = text.c_str();
        EXPECT_EQ(SendMessage(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)), 1);
        SendMessage(tip, TTM_SETMAXTIPWIDTH, 0, 240);
        return tip;
    }
    void Hover(int x = 50, int y = 15) {
        const POINT point = ScreenPoint(button, x, y);
        cursor = point;
        desktop.Host().MoveMouse({point.x, point.y});
        desktop.Pump();
    }
    void MoveAway() {
        desktop.Host().MoveMouse({kFormOrigin.x + 350, kFormOrigin.y + 250});
        desktop.Pump();
    }
    RECT TipRect() {
        RECT rect;
        GetWindowRect(tip, &rect);
        return rect;
    }

    HWND button;
    HWND tip;
    POINT cursor;
};

TEST_F(TooltipTest, ShowsAfterTheHoverDelayAndHidesOnLeave) {
    MakeTip("下载速率");
    Hover();
    desktop.Advance(kTooltipInitialDelay - 10);
    EXPECT_FALSE(IsWindowVisible(tip));
    desktop.Advance(20);
    ASSERT_TRUE(IsWindowVisible(tip));
    const RECT rect = TipRect();
    EXPECT_EQ(rect.left, cursor.x);
    EXPECT_GT(rect.top, cursor.y);
    EXPECT_EQ(desktop.PresentedPixel(tip, 0, 0), SysPixel(COLOR_WINDOWFRAME));
    EXPECT_EQ(desktop.PresentedPixel(tip, 1, 1), SysPixel(COLOR_INFOBK));
    // It never takes the activation from the form.
    EXPECT_EQ(GetActiveWindow(), form);
    MoveAway();
    EXPECT_FALSE(IsWindowVisible(tip));
}

TEST_F(TooltipTest, ClickHidesUntilThePointerComesBack) {
    MakeTip("Tip");
    Hover();
    desktop.Advance(kTooltipInitialDelay + 10);
    ASSERT_TRUE(IsWindowVisible(tip));
    ClickAt(button, 50, 15);
    EXPECT_FALSE(IsWindowVisible(tip));
    EXPECT_EQ(TakeNotifications(), (std::vector<Notification>{{BN_CLICKED, button}}));
    Hover(52, 15);
    desktop.Advance(kTooltipInitialDelay + 10);
    EXPECT_FALSE(IsWindowVisible(tip));
    MoveAway();
    Hover();
    desktop.Advance(kTooltipInitialDelay + 10);
    EXPECT_TRUE(IsWindowVisible(tip));
}

TEST_F(TooltipTest, TitleIconColourAndWrappingAtTheMaximumWidth) {
    MakeTip("这是一段很长的提示文字，它比两百四十个像素还要宽得多，所以必须折成好几行显示出来。");
    SendMessage(tip, TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>("标题"));
    SendMessage(tip, TTM_SETTIPBKCOLOR, RGB(173, 209, 255), 0);
    Hover();
    desktop.Advance(kTooltipInitialDelay + 10);
    ASSERT_TRUE(IsWindowVisible(tip));
    const RECT rect = TipRect();
    EXPECT_LE(rect.right - rect.left, 240 + 16);
    EXPECT_GT(rect.bottom - rect.top, 3 * 13);
    EXPECT_EQ(desktop.PresentedPixel(tip, 2, 2), 0xADD1FFu);
    // The information icon at the top-left, a blue disc.
    EXPECT_EQ(desktop.PresentedPixel(tip, 3 + 2, 3 + 8), 0x0054E3u);
}

TEST_F(TooltipTest, BalloonPointsAtTheCursorWithARoundShape) {
    MakeTip("Balloon", TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON);
    Hover();
    desktop.Advance(kTooltipInitialDelay + 10);
    ASSERT_TRUE(IsWindowVisible(tip));
    const RECT rect = TipRect();
    EXPECT_EQ(rect.top, cursor.y);
    const HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(tip, shape), ERROR);
    EXPECT_TRUE(PtInRegion(shape, cursor.x - rect.left, 0));
    EXPECT_FALSE(PtInRegion(shape, 0, 0));
    DeleteObject(shape);
    EXPECT_EQ(WindowFromPoint({rect.left + 1, rect.top + 1}) == tip, false);
}

TEST_F(TooltipTest, RightToLeftTipExtendsToTheLeft) {
    MakeTip("从右到左", TTS_ALWAYSTIP | TTS_NOPREFIX, WS_EX_LAYOUTRTL);
    Hover();
    desktop.Advance(kTooltipInitialDelay + 10);
    ASSERT_TRUE(IsWindowVisible(tip));
    EXPECT_EQ(TipRect().right, cursor.x);
}

TEST_F(TooltipTest, EmptyTextNeverShowsAndNothingLeaks) {
    MakeTip("");
    Hover();
    desktop.Advance(kTooltipInitialDelay + 10);
    EXPECT_FALSE(IsWindowVisible(tip));
    DestroyWindow(tip);

    MakeTip("Again");
    const GdiObjectCounts before = GdiLiveObjects();
    for (int i = 0; i < 3; ++i) {
        Hover();
        desktop.Advance(kTooltipInitialDelay + 10);
        EXPECT_TRUE(IsWindowVisible(tip));
        MoveAway();
    }
    EXPECT_EQ(GdiLiveObjects(), before);
}

struct TipLookCase {
    const char* name;
    DWORD style;
    bool dropShadow;
    WPARAM titleIcon;
    // Growth of the window over the plain tip of the same text.
    int extraWidth;
    int extraHeight;
};

TEST_F(TooltipTest, ADropShadowClassGrowsTheTipAndOnlyRealIconsTakeRoom) {
    constexpr int kDepth = kTooltipShadowDepth;
    const TipLookCase cases[] = {
        {"plain", TTS_ALWAYSTIP, false, TTI_NONE, 0, 0},
        {"shadow", TTS_ALWAYSTIP, true, TTI_NONE, kDepth, kDepth},
        {"balloon with shadow", TTS_ALWAYSTIP | TTS_BALLOON, true, TTI_NONE, kDepth, kDepth},
        {"no such icon", TTS_ALWAYSTIP, false, 4, 0, 0},
    };
    SIZE plain{};
    for (const TipLookCase& c : cases) {
        SCOPED_TRACE(c.name);
        const GdiObjectCounts before = GdiLiveObjects();
        MakeTip("阴影", c.style);
        const LONG_PTR classStyle = GetClassLongPtr(tip, GCL_STYLE);
        SetClassLongPtr(tip, GCL_STYLE,
                        c.dropShadow ? classStyle | CS_DROPSHADOW : classStyle & ~CS_DROPSHADOW);
        if (c.titleIcon != TTI_NONE) {
            SendMessage(tip, TTM_SETTITLEW, c.titleIcon, reinterpret_cast<LPARAM>(""));
        }
        Hover();
        desktop.Advance(kTooltipInitialDelay + 10);
        ASSERT_TRUE(IsWindowVisible(tip));
        const RECT rect = TipRect();
        const SIZE size{rect.right - rect.left, rect.bottom - rect.top};
        if (plain.cx == 0) {
            plain = size;
        }
        const bool balloon = (c.style & TTS_BALLOON) != 0;
        if (!balloon) {
            EXPECT_EQ(size.cx - plain.cx, c.extraWidth);
            EXPECT_EQ(size.cy - plain.cy, c.extraHeight);
        }
        if (c.dropShadow) {
            // The shadow's far corner is in the window's shape and drawn; the corner beside it,
            // above where the shadow starts, is not.
            const HRGN shape = CreateRectRgn(0, 0, 0, 0);
            ASSERT_NE(GetWindowRgn(tip, shape), ERROR);
            const int x = size.cx - 1 - (balloon ? kBalloonCornerDiameter : 0);
            const int y = size.cy - 1;
            EXPECT_TRUE(PtInRegion(shape, x, y));
            EXPECT_FALSE(PtInRegion(shape, size.cx - 1, 0));
            DeleteObject(shape);
            EXPECT_EQ(desktop.PresentedPixel(tip, x, y), SysPixel(COLOR_BTNSHADOW));
        }
        MoveAway();
        // The window's shape and DC are the window's until it goes.
        DestroyWindow(tip);
        EXPECT_EQ(GdiLiveObjects(), before);
    }
}

LRESULT LaterHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC gBeforeLaterHook;

LRESULT LaterHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProc(gBeforeLaterHook, window, message, wParam, lParam);
}

TEST_F(TooltipTest, ToolWindowProcedureChainSurvivesTheTipInAnyOrder) {
    const LONG_PTR original = GetWindowLongPtr(button, GWL_WNDPROC);
    MakeTip("one");
    EXPECT_NE(GetWindowLongPtr(button, GWL_WNDPROC), original);
    DestroyWindow(tip);
    EXPECT_EQ(GetWindowLongPtr(button, GWL_WNDPROC), original);

    // A hook installed after the tip's watch: the tip goes, the chain still reaches the button.
    MakeTip("two");
    gBeforeLaterHook = WNDPROC::FromLongPtr(
        SetWindowLongPtr(button, GWL_WNDPROC, WNDPROC(&LaterHook).ToLongPtr()));
    DestroyWindow(tip);
    ClickAt(button, 50, 15);
    EXPECT_EQ(TakeNotifications(), (std::vector<Notification>{{BN_CLICKED, button}}));
    // And a new tip still watches the hooked window.
    MakeTip("three");
    Hover();
    desktop.Advance(kTooltipInitialDelay + 10);
    EXPECT_TRUE(IsWindowVisible(tip));
}

TEST_F(TooltipTest, MessagesKeepTheirSettings) {
    MakeTip("x");
    EXPECT_EQ(SendMessage(tip, TTM_GETMAXTIPWIDTH, 0, 0), 240);
    EXPECT_EQ(SendMessage(tip, TTM_SETMAXTIPWIDTH, 0, 100), 240);
    EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    SendMessage(tip, TTM_SETTIPTEXTCOLOR, RGB(1, 2, 3), 0);
    EXPECT_EQ(SendMessage(tip, TTM_GETTIPTEXTCOLOR, 0, 0), static_cast<LRESULT>(RGB(1, 2, 3)));
    EXPECT_EQ(SendMessage(tip, TTM_GETTIPBKCOLOR, 0, 0),
              static_cast<LRESULT>(GetSysColor(COLOR_INFOBK)));
    // Whatever style it was made with, a tip is a pop-up that keeps the activation where it is.
    EXPECT_NE(GetWindowLongPtr(tip, GWL_STYLE) & WS_POPUP, 0);
    EXPECT_EQ(GetWindowLongPtr(tip, GWL_STYLE) & (TTS_ALWAYSTIP | TTS_NOPREFIX), 3);
    SetClassLongPtr(tip, GCL_STYLE, GetClassLongPtr(tip, GCL_STYLE) | CS_DROPSHADOW);
    EXPECT_NE(GetClassLongPtr(tip, GCL_STYLE) & CS_DROPSHADOW, 0);
}

}  // namespace
}  // namespace win::controls::test
