#include "platform/controls/button.h"

#include "control_test.h"
#include "platform/controls/owner_draw.h"

namespace win::controls::test {
namespace {

constexpr RECT kButtonRect{20, 20, 120, 50};

class ButtonTest : public ControlTest {
protected:
    HWND MakeButton(const std::string& caption, DWORD style = BS_PUSHBUTTON) {
        return MakeChild(kButtonClassName, caption, style, kButtonRect, 7);
    }
    // Pixels of the button's inside (away from the edges) that show the given colour.
    int CountInside(HWND button, std::uint32_t colour) {
        int count = 0;
        for (int y = 6; y < 24; ++y) {
            for (int x = 6; x < 94; ++x) {
                count += PixelOf(button, x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }
};

TEST_F(ButtonTest, ReleaseInsideClicksOnceAndReleaseOutsideDoesNot) {
    const HWND button = MakeButton("确定");
    ClickAt(button, 50, 15);
    EXPECT_EQ(TakeNotifications(), (std::vector<Notification>{{BN_CLICKED, button}}));
    EXPECT_EQ(GetFocus(), button);

    auto& host = desktop.Host();
    const POINT inside = ScreenPoint(button, 50, 15);
    const POINT outside = ScreenPoint(button, 150, 15);
    host.MoveMouse({inside.x, inside.y});
    host.PressMouse(host::MouseButton::Left);
    desktop.Pump();
    EXPECT_EQ(SendMessage(button, BM_GETSTATE, 0, 0), BST_PUSHED | BST_FOCUS);
    host.MoveMouse({outside.x, outside.y});
    desktop.Pump();
    EXPECT_EQ(SendMessage(button, BM_GETSTATE, 0, 0), BST_FOCUS);
    host.ReleaseMouse(host::MouseButton::Left);
    desktop.Pump();
    EXPECT_TRUE(TakeNotifications().empty());
    EXPECT_FALSE(GetCapture());
}

TEST_F(ButtonTest, SpaceBarPressesAndClicksOnRelease) {
    const HWND button = MakeButton("Go");
    SetFocus(button);
    desktop.Host().KeyDown(VK_SPACE);
    desktop.Pump();
    EXPECT_EQ(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
    EXPECT_TRUE(TakeNotifications().empty());
    desktop.Host().KeyUp(VK_SPACE);
    desktop.Pump();
    EXPECT_EQ(TakeNotifications(), (std::vector<Notification>{{BN_CLICKED, button}}));
    EXPECT_EQ(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
}

TEST_F(ButtonTest, ClassicEdgesRaisedSunkenAndDefault) {
    const HWND plain = MakeButton("");
    EXPECT_EQ(PixelOf(plain, 99, 29), SysPixel(COLOR_3DDKSHADOW));
    EXPECT_EQ(PixelOf(plain, 98, 28), SysPixel(COLOR_3DSHADOW));
    EXPECT_EQ(PixelOf(plain, 50, 15), SysPixel(COLOR_BTNFACE));

    SendMessage(plain, BM_SETSTATE, 1, 0);
    desktop.Pump();
    EXPECT_EQ(PixelOf(plain, 0, 0), SysPixel(COLOR_3DSHADOW));
    EXPECT_EQ(PixelOf(plain, 99, 29), SysPixel(COLOR_3DHILIGHT));

    DestroyWindow(plain);
    const HWND byDefault = MakeButton("", BS_DEFPUSHBUTTON);
    EXPECT_EQ(PixelOf(byDefault, 0, 0), SysPixel(COLOR_WINDOWFRAME));
    EXPECT_EQ(PixelOf(byDefault, 98, 28), SysPixel(COLOR_3DDKSHADOW));
}

TEST_F(ButtonTest, CaptionFocusMarkAndDisabledLook) {
    const HWND button = MakeButton("OK");
    const int inkBefore = CountInside(button, SysPixel(COLOR_BTNTEXT));
    EXPECT_GT(inkBefore, 0);

    SetFocus(button);
    desktop.Pump();
    int marked = 0;
    for (int x = 4; x < 96; ++x) {
        marked += PixelOf(button, x, 4) != SysPixel(COLOR_BTNFACE) ? 1 : 0;
    }
    EXPECT_GT(marked, 20);  // the dotted focus line

    EnableWindow(button, false);
    desktop.Pump();
    EXPECT_EQ(CountInside(button, SysPixel(COLOR_BTNTEXT)), 0);
    EXPECT_GT(CountInside(button, SysPixel(COLOR_GRAYTEXT)), 0);
}

TEST_F(ButtonTest, AccessKeyIsUnderlined) {
    const HWND plain = MakeButton("X");
    const int plainInk = CountInside(plain, SysPixel(COLOR_BTNTEXT));
    DestroyWindow(plain);
    const HWND withKey = MakeButton("&X");
    EXPECT_GT(CountInside(withKey, SysPixel(COLOR_BTNTEXT)), plainInk);
}

TEST_F(ButtonTest, FontMessagesAndNoLeakedObjects) {
    const HWND button = MakeButton("字体");
    EXPECT_EQ(SendMessage(button, WM_GETFONT, 0, 0), 0);
    LOGFONT description;
    description.lfHeight = -16;
    description.lfFaceName = "Tahoma";
    const HFONT font = CreateFontIndirect(&description);
    const GdiObjectCounts before = GdiLiveObjects();
    SendMessage(button, WM_SETFONT, static_cast<WPARAM>(font.Value()), 1);
    EXPECT_EQ(SendMessage(button, WM_GETFONT, 0, 0), static_cast<LRESULT>(font.Value()));
    for (int i = 0; i < 3; ++i) {
        SendMessage(button, BM_SETSTATE, i % 2, 0);
        SetFocus(i % 2 ? button : form);
        desktop.Pump();
    }
    EXPECT_EQ(GdiLiveObjects(), before);
    DestroyWindow(button);
    DeleteObject(font);
}

TEST_F(ButtonTest, OwnerDrawAsksTheParentToPaint) {
    std::vector<DRAWITEMSTRUCT> requests;
    onFormMessage = [&](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message != WM_DRAWITEM) {
            return std::nullopt;
        }
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        requests.push_back(*item);
        const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(item->hDC, &item->rcItem, red);
        DeleteObject(red);
        return 1;
    };
    const HWND button = MakeButton("Skin");
    EXPECT_TRUE(requests.empty());
    SendMessage(button, BM_SETSTYLE, BS_OWNERDRAW, 1);
    desktop.Pump();
    EXPECT_EQ(GetWindowLongPtr(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().CtlType, ODT_BUTTON);
    EXPECT_EQ(requests.back().CtlID, 7u);
    EXPECT_EQ(requests.back().hwndItem, button);
    EXPECT_EQ(PixelOf(button, 50, 15), 0xFF0000u);

    SendMessage(button, BM_SETSTATE, 1, 0);
    desktop.Pump();
    EXPECT_NE(requests.back().itemState & ODS_SELECTED, 0u);

    // Back to a push button: the masked style paints the classic look again.
    SetWindowLongPtr(button, GWL_STYLE, GetWindowLongPtr(button, GWL_STYLE) & ~LONG_PTR{0x0B});
    InvalidateRect(button, nullptr, true);
    desktop.Pump();
    EXPECT_EQ(PixelOf(button, 50, 15), SysPixel(COLOR_BTNFACE));
}

// A hook of the kind the skinning code installs: paints by itself, passes everything else on.
WNDPROC gButtonProcedure;
std::vector<UINT> gHookSaw;

LRESULT PaintingHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    gHookSaw.push_back(message);
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        const HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
        FillRect(dc, &client, blue);
        DeleteObject(blue);
        EndPaint(window, &paint);
        return 0;
    }
    return CallWindowProc(gButtonProcedure, window, message, wParam, lParam);
}

TEST_F(ButtonTest, SubclassHookReplacesPaintingAndKeepsClicks) {
    const HWND button = MakeButton("Hooked");
    gHookSaw.clear();
    gButtonProcedure = WNDPROC::FromLongPtr(
        SetWindowLongPtr(button, GWL_WNDPROC, WNDPROC(&PaintingHook).ToLongPtr()));
    InvalidateRect(button, nullptr, true);
    desktop.Pump();
    EXPECT_EQ(PixelOf(button, 50, 15), 0x0000FFu);
    EXPECT_EQ(PixelOf(button, 0, 0), 0x0000FFu);

    ClickAt(button, 50, 15);
    EXPECT_EQ(TakeNotifications(), (std::vector<Notification>{{BN_CLICKED, button}}));
    EXPECT_NE(std::find(gHookSaw.begin(), gHookSaw.end(), WM_LBUTTONDOWN), gHookSaw.end());
    // The press redraws through WM_PAINT, which the hook still owns.
    EXPECT_EQ(PixelOf(button, 50, 15), 0x0000FFu);
    SetWindowLongPtr(button, GWL_WNDPROC, gButtonProcedure.ToLongPtr());
}

}  // namespace
}  // namespace win::controls::test
