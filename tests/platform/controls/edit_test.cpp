#include "platform/controls/edit.h"

#include <algorithm>

#include "control_test.h"
#include "platform/controls/edit_input_filter.h"
#include "platform/controls/edit_text.h"
#include "platform/gdi/text/utf8.h"

namespace win::controls::test {
namespace {

constexpr RECT kEditRect{20, 20, 220, 44};

class EditTest : public ControlTest {
protected:
    HWND MakeEdit(const std::string& text = "", DWORD style = ES_AUTOHSCROLL) {
        return MakeChild(kEditClassName, text, style, kEditRect, 9, WS_EX_CLIENTEDGE);
    }
    std::pair<DWORD, DWORD> Selection(HWND edit) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                    reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    int ChangeCount(HWND edit) {
        const auto heard = TakeNotifications();
        return static_cast<int>(
            std::count(heard.begin(), heard.end(), Notification{EN_CHANGE, edit}));
    }
    int CountInClient(HWND edit, std::uint32_t colour) {
        RECT client;
        GetClientRect(edit, &client);
        int count = 0;
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) {
                count += PixelOf(edit, x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }
};

TEST_F(EditTest, TypingIncludingCommittedChineseNotifiesEachChange) {
    const HWND edit = MakeEdit();
    ClickAt(edit, 5, 5);
    EXPECT_EQ(GetFocus(), edit);
    TakeNotifications();
    desktop.Host().TypeText("流量ab");
    EXPECT_EQ(GetWindowText(edit), "流量ab");
    EXPECT_EQ(ChangeCount(edit), 4);
    EXPECT_EQ(SendMessage(edit, WM_GETTEXTLENGTH, 0, 0), 8);
    Press(VK_LEFT);
    Press(VK_BACK);
    EXPECT_EQ(GetWindowText(edit), "流量b");
    Press(VK_HOME);
    Press(VK_DELETE);
    EXPECT_EQ(GetWindowText(edit), "量b");
    EXPECT_EQ(ChangeCount(edit), 2);
}

TEST_F(EditTest, ShiftArrowsSelectAndTypingReplacesTheSelection) {
    const HWND edit = MakeEdit("abcdef");
    SetFocus(edit);
    Press(VK_HOME);
    PressWith(VK_SHIFT, VK_RIGHT);
    PressWith(VK_SHIFT, VK_RIGHT);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 2}));
    PressWith(VK_SHIFT, VK_END);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 6}));
    desktop.Host().TypeText("统计");
    EXPECT_EQ(GetWindowText(edit), "统计");
    SendMessage(edit, EM_SETSEL, 1, 2);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{1, 2}));
    SendMessage(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{2, 2}));
}

TEST_F(EditTest, CutCopyPasteGoThroughTheHostClipboard) {
    const HWND edit = MakeEdit("上载速率");
    SetFocus(edit);
    PressWith(VK_CONTROL, 'A');
    PressWith(VK_CONTROL, 'C');
    EXPECT_EQ(desktop.Host().ClipboardText(), "上载速率");
    SendMessage(edit, EM_SETSEL, 0, 2);
    PressWith(VK_CONTROL, 'X');
    EXPECT_EQ(desktop.Host().ClipboardText(), "上载");
    EXPECT_EQ(GetWindowText(edit), "速率");
    Press(VK_END);
    PressWith(VK_CONTROL, 'V');
    EXPECT_EQ(GetWindowText(edit), "速率上载");
    desktop.Host().SetClipboardText("12\r\n34");
    SendMessage(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(GetWindowText(edit), "速率上载12");
}

TEST_F(EditTest, HostilePasteStaysValidLimitedAndResponsive) {
    const HWND edit = MakeEdit();
    std::string hostile;
    for (int i = 0; i < 12000; ++i) {
        hostile += "\x1b\xc3\x28量\x7f";
    }
    desktop.Host().SetClipboardText(hostile);
    SetFocus(edit);
    TakeNotifications();
    PressWith(VK_CONTROL, 'V');
    const std::string text = GetWindowText(edit);
    EXPECT_EQ(FilterEditInput(text, LineBreaks::Drop).size(), EditText::kDefaultLimit);
    EXPECT_EQ(text::EncodeUtf8(FilterEditInput(text, LineBreaks::Drop)), text);
    EXPECT_EQ(ChangeCount(edit), 1);
    // Still editing normally at the end of the long line.
    Press(VK_BACK);
    desktop.Host().TypeText("x");
    EXPECT_EQ(GetWindowText(edit).back(), 'x');
}

TEST_F(EditTest, TextMessagesNeverCutACharacter) {
    const HWND edit = MakeEdit("TokenRing ");
    EXPECT_EQ(GetWindowText(edit), "TokenRing ");
    SendMessage(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("流量"));
    EXPECT_EQ(ChangeCount(edit), 1);
    char buffer[6];
    EXPECT_EQ(SendMessage(edit, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)), 3);
    EXPECT_EQ(std::string(buffer), "流");
    SendMessage(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("bad\xff\x01"));
    EXPECT_EQ(GetWindowText(edit), "bad\xef\xbf\xbd");
    // A hidden text box still keeps and gives its text.
    ShowWindow(edit, SW_HIDE);
    SetWindowText(edit, "12345");
    EXPECT_EQ(GetWindowText(edit), "12345");
}

TEST_F(EditTest, ReadOnlyRefusesChangesButCopies) {
    const HWND edit = MakeEdit("固定", ES_READONLY);
    SetFocus(edit);
    desktop.Host().TypeText("x");
    Press(VK_BACK);
    PressWith(VK_CONTROL, 'A');
    PressWith(VK_CONTROL, 'X');
    EXPECT_EQ(GetWindowText(edit), "固定");
    PressWith(VK_CONTROL, 'C');
    EXPECT_EQ(desktop.Host().ClipboardText(), "固定");
    SendMessage(edit, EM_SETREADONLY, 0, 0);
    desktop.Host().TypeText("x");
    EXPECT_EQ(GetWindowText(edit), "x");
}

TEST_F(EditTest, MouseDragSelectsAndAClickPlacesTheCaret) {
    const HWND edit = MakeEdit("abcdefgh");
    auto& host = desktop.Host();
    const POINT start = ScreenPoint(edit, 1, 5);
    const POINT end = ScreenPoint(edit, 190, 5);
    host.MoveMouse({start.x, start.y});
    host.PressMouse(host::MouseButton::Left);
    host.MoveMouse({end.x, end.y});
    host.ReleaseMouse(host::MouseButton::Left);
    desktop.Pump();
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 8}));
    EXPECT_FALSE(GetCapture());
    ClickAt(edit, 190, 5);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{8, 8}));
}

TEST_F(EditTest, PaintsEdgeTextSelectionAndABlinkingCaret) {
    const HWND edit = MakeEdit("WWWW");
    RECT window;
    GetWindowRect(edit, &window);
    // The sunken client edge lies outside the client area.
    EXPECT_EQ(Pixel(window.left - kFormOrigin.x, window.top - kFormOrigin.y),
              SysPixel(COLOR_3DSHADOW));
    EXPECT_EQ(PixelOf(edit, 150, 10), SysPixel(COLOR_WINDOW));
    EXPECT_GT(CountInClient(edit, SysPixel(COLOR_WINDOWTEXT)), 0);
    EXPECT_EQ(CountInClient(edit, SysPixel(COLOR_HIGHLIGHT)), 0);

    SetFocus(edit);
    SendMessage(edit, EM_SETSEL, 0, -1);
    desktop.Pump();
    EXPECT_GT(CountInClient(edit, SysPixel(COLOR_HIGHLIGHT)), 0);

    SendMessage(edit, EM_SETSEL, 0, 0);
    desktop.Pump();
    const GdiObjectCounts before = GdiLiveObjects();
    const int litCaret = CountInClient(edit, SysPixel(COLOR_WINDOWTEXT));
    desktop.Advance(530);
    const int darkCaret = CountInClient(edit, SysPixel(COLOR_WINDOWTEXT));
    desktop.Advance(530);
    EXPECT_NE(litCaret, darkCaret);
    EXPECT_EQ(CountInClient(edit, SysPixel(COLOR_WINDOWTEXT)), litCaret);
    EXPECT_EQ(GdiLiveObjects(), before);
}

// The flat-border hook of the skinning code: lets the edit's frame paint, then paints over it.
WNDPROC gEditProcedure;

LRESULT FlatBorderHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProc(gEditProcedure, window, message, wParam, lParam);
    if (message == WM_NCPAINT) {
        RECT frame;
        GetWindowRect(window, &frame);
        const RECT box{0, 0, frame.right - frame.left, frame.bottom - frame.top};
        const HDC dc = GetWindowDC(window);
        const HBRUSH blue = CreateSolidBrush(RGB(84, 165, 213));
        FrameRect(dc, &box, blue);
        DeleteObject(blue);
        ReleaseDC(window, dc);
    }
    return result;
}

TEST_F(EditTest, HookRepaintsTheNonClientFrame) {
    const HWND edit = MakeEdit("x");
    gEditProcedure = WNDPROC::FromLongPtr(
        SetWindowLongPtr(edit, GWL_WNDPROC, WNDPROC(&FlatBorderHook).ToLongPtr()));
    SendMessage(edit, WM_NCPAINT, 1, 0);
    desktop.Pump();
    RECT window;
    GetWindowRect(edit, &window);
    EXPECT_EQ(Pixel(window.left - kFormOrigin.x, window.top - kFormOrigin.y), 0x54A5D5u);
    desktop.Host().TypeText("y");
    EXPECT_EQ(GetWindowText(edit), "x");  // no focus: the keys went elsewhere
    SetFocus(edit);
    desktop.Host().TypeText("y");
    EXPECT_EQ(GetWindowText(edit), "yx");
}

TEST_F(EditTest, SettingTheTextItHoldsPresentsNothingAndNewTextPresentsAtOnce) {
    const HWND edit = MakeEdit("123 KB");
    desktop.Pump();
    const auto* native = desktop.Host().FindWindow(desktop.NativeOf(form));
    RECT client;
    GetClientRect(edit, &client);
    auto clientPixels = [&] {
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) {
                pixels.push_back(PixelOf(edit, x, y));
            }
        }
        return pixels;
    };
    struct Case {
        const char* text;
        bool presented;
    };
    const Case cases[] = {{"123 KB", false}, {"124 KB", true}, {"124 KB", false}, {"", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TakeNotifications();
        const auto before = clientPixels();
        const int presents = native->presentCount;
        SetWindowText(edit, c.text);
        desktop.Pump();
        EXPECT_EQ(ChangeCount(edit), 1);
        EXPECT_EQ(GetWindowText(edit), c.text);
        EXPECT_EQ(native->presentCount, presents + (c.presented ? 1 : 0));
        EXPECT_EQ(clientPixels() != before, c.presented);
    }
}

TEST_F(EditTest, SettingTheSameTextStillClearsTheSelection) {
    const HWND edit = MakeEdit("123 KB");
    SendMessage(edit, EM_SETSEL, 2, 5);
    SetWindowText(edit, "123 KB");
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 0}));
}

}  // namespace
}  // namespace win::controls::test
