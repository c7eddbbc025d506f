#include "platform/controls/combo_box.h"

#include <algorithm>

#include "control_test.h"

namespace win::controls::test {
namespace {

constexpr RECT kComboRect{20, 20, 220, 42};

class ComboBoxTest : public ControlTest {
protected:
    HWND MakeCombo(int entries) {
        const HWND combo = MakeChild(kComboBoxClassName, "", CBS_DROPDOWNLIST, kComboRect, 11);
        for (int i = 0; i < entries; ++i) {
            const std::string text = "网卡 " + std::to_string(i);
            SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        return combo;
    }
    static HWND OpenList() { return FindWindow(kComboListClassName, ""); }
    static LRESULT Selection(HWND combo) { return SendMessage(combo, CB_GETCURSEL, 0, 0); }
    int RowHeight() {
        const HWND list = OpenList();
        RECT client;
        GetClientRect(list, &client);
        const auto rows = std::max<LRESULT>(std::min<LRESULT>(CountOf(), kComboVisibleRows), 1);
        return static_cast<int>((client.bottom - 2) / rows);
    }
    LRESULT CountOf() { return SendMessage(combo_, CB_GETCOUNT, 0, 0); }
    void ClickRow(int row) {
        const HWND list = OpenList();
        const POINT point = ScreenPoint(list, 20, 1 + row * RowHeight() + RowHeight() / 2);
        desktop.Host().Click({point.x, point.y});
        desktop.Pump();
    }
    std::vector<WORD> Codes() {
        std::vector<WORD> codes;
        for (const Notification& heard : TakeNotifications()) {
            codes.push_back(heard.code);
        }
        return codes;
    }

    std::uint32_t PixelOfList(HWND list, int x, int y) {
        const POINT point = ScreenPoint(list, x, y);
        return desktop.PresentedPixel(list, point.x - Origin(list).x, point.y - Origin(list).y);
    }
    static POINT Origin(HWND window) {
        RECT rect;
        GetWindowRect(window, &rect);
        return {rect.left, rect.top};
    }

    HWND combo_;
};

TEST_F(ComboBoxTest, EntriesAndSelectionMessages) {
    combo_ = MakeCombo(0);
    EXPECT_EQ(SendMessage(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("eth0 ")), 0);
    EXPECT_EQ(SendMessage(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("无线 ")), 1);
    EXPECT_EQ(CountOf(), 2);
    EXPECT_EQ(Selection(combo_), CB_ERR);
    EXPECT_EQ(SendMessage(combo_, CB_SETCURSEL, 1, 0), 1);
    EXPECT_EQ(Selection(combo_), 1);
    EXPECT_EQ(GetWindowText(combo_), "无线 ");
    EXPECT_EQ(SendMessage(combo_, CB_GETLBTEXTLEN, 1, 0), 7);
    char buffer[16] = {};
    EXPECT_EQ(SendMessage(combo_, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 5);
    EXPECT_EQ(std::string(buffer), "eth0 ");
    EXPECT_EQ(SendMessage(combo_, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(buffer)), CB_ERR);
    EXPECT_EQ(SendMessage(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(-1), 0), CB_ERR);
    // Beyond the entries: nothing selected, and the result says so.
    EXPECT_EQ(SendMessage(combo_, CB_SETCURSEL, 2, 0), CB_ERR);
    EXPECT_EQ(Selection(combo_), CB_ERR);
    EXPECT_EQ(GetWindowText(combo_), "");
    EXPECT_TRUE(TakeNotifications().empty());
    SendMessage(combo_, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(SendMessage(combo_, CB_RESETCONTENT, 0, 0), CB_OKAY);
    EXPECT_EQ(CountOf(), 0);
    EXPECT_EQ(Selection(combo_), CB_ERR);
}

TEST_F(ComboBoxTest, ClickOpensTheListAndAClickOnAnEntryChoosesIt) {
    combo_ = MakeCombo(3);
    ClickAt(combo_, 100, 10);
    const HWND list = OpenList();
    ASSERT_TRUE(list);
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(GetCapture(), list);
    EXPECT_EQ(SendMessage(combo_, CB_GETDROPPEDSTATE, 0, 0), 1);
    RECT face;
    RECT below;
    GetWindowRect(combo_, &face);
    GetWindowRect(list, &below);
    EXPECT_EQ(below.top, face.bottom);
    EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_DROPDOWN}));

    ClickRow(2);
    EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(Selection(combo_), 2);
    EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_SELCHANGE, CBN_CLOSEUP}));
    EXPECT_FALSE(GetCapture());
    EXPECT_EQ(GetFocus(), combo_);
}

TEST_F(ComboBoxTest, KeysOpenMoveChooseAndEscape) {
    combo_ = MakeCombo(5);
    SetFocus(combo_);
    Press(VK_DOWN);  // closed: the selection moves at once
    EXPECT_EQ(Selection(combo_), 0);
    EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_SELCHANGE}));

    PressWith(VK_MENU, VK_DOWN);
    ASSERT_TRUE(OpenList());
    Press(VK_DOWN);
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_FALSE(OpenList());
    EXPECT_EQ(Selection(combo_), 2);
    EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_CLOSEUP}));

    Press(VK_F4);
    Press(VK_UP);
    Press(VK_ESCAPE);
    EXPECT_FALSE(OpenList());
    EXPECT_EQ(Selection(combo_), 2);
    EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_DROPDOWN, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, ClickOutsideClosesWithoutChoosing) {
    combo_ = MakeCombo(3);
    SendMessage(combo_, CB_SETCURSEL, 1, 0);
    ClickAt(combo_, 100, 10);
    ASSERT_TRUE(OpenList());
    desktop.Host().Click({kFormOrigin.x + 350, kFormOrigin.y + 250});
    desktop.Pump();
    EXPECT_FALSE(OpenList());
    EXPECT_EQ(Selection(combo_), 1);
    EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_DROPDOWN, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, LongListScrollsToKeepTheHighlightShown) {
    combo_ = MakeCombo(20);
    SetFocus(combo_);
    PressWith(VK_MENU, VK_DOWN);
    const HWND list = OpenList();
    ASSERT_TRUE(list);
    RECT client;
    GetClientRect(list, &client);
    EXPECT_EQ((client.bottom - 2) / RowHeight(), kComboVisibleRows);
    Press(VK_END);
    // The last entry is highlighted in the last visible row.
    const int lastRowY = 1 + (kComboVisibleRows - 1) * RowHeight() + RowHeight() / 2;
    EXPECT_EQ(PixelOfList(list, 5, lastRowY), SysPixel(COLOR_HIGHLIGHT));
    EXPECT_NE(PixelOfList(list, 5, 1 + RowHeight() / 2), SysPixel(COLOR_HIGHLIGHT));
    ClickRow(kComboVisibleRows - 2);
    EXPECT_EQ(Selection(combo_), 18);
}

TEST_F(ComboBoxTest, EmptyComboOpensAnEmptyList) {
    combo_ = MakeCombo(0);
    ClickAt(combo_, 100, 10);
    ASSERT_TRUE(OpenList());
    ClickRow(0);
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_FALSE(OpenList());
    EXPECT_EQ(Selection(combo_), CB_ERR);
    const auto codes = Codes();
    EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_SELCHANGE), 0);
}

TEST_F(ComboBoxTest, FaceShowsTheChoiceAndReleasesWhatItCreates) {
    combo_ = MakeCombo(2);
    auto ink = [&] {
        int count = 0;
        for (int y = 3; y < 19; ++y) {
            for (int x = 3; x < 150; ++x) {
                count += PixelOf(combo_, x, y) == SysPixel(COLOR_WINDOWTEXT) ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_EQ(ink(), 0);
    SendMessage(combo_, CB_SETCURSEL, 0, 0);
    desktop.Pump();
    EXPECT_GT(ink(), 0);
    EXPECT_EQ(PixelOf(combo_, 0, 0), SysPixel(COLOR_3DSHADOW));

    const GdiObjectCounts before = GdiLiveObjects();
    for (int i = 0; i < 3; ++i) {
        ClickAt(combo_, 100, 10);
        ClickRow(i % 2);
    }
    EXPECT_EQ(GdiLiveObjects(), before);
}

WNDPROC gComboProcedure;

LRESULT GreenFaceHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        const HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
        FillRect(dc, &paint.rcPaint, green);
        DeleteObject(green);
        EndPaint(window, &paint);
        return 0;
    }
    return CallWindowProc(gComboProcedure, window, message, wParam, lParam);
}

TEST_F(ComboBoxTest, HookReplacesThePaintingOfTheFace) {
    combo_ = MakeCombo(2);
    gComboProcedure = WNDPROC::FromLongPtr(
        SetWindowLongPtr(combo_, GWL_WNDPROC, WNDPROC(&GreenFaceHook).ToLongPtr()));
    SendMessage(combo_, CB_SETCURSEL, 1, 0);
    desktop.Pump();
    EXPECT_EQ(PixelOf(combo_, 100, 10), 0x00FF00u);
    EXPECT_EQ(Selection(combo_), 1);
}

}  // namespace
}  // namespace win::controls::test
