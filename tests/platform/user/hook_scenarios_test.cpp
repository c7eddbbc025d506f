#include <gtest/gtest.h>

#include "recording_window.h"

namespace win::test {
namespace {

constexpr std::uint32_t Pixel(COLORREF colour) {
    return (std::uint32_t{GetRValue(colour)} << 16) | (std::uint32_t{GetGValue(colour)} << 8) |
           GetBValue(colour);
}

// The window-manager side of the hooks the program installs on its forms' controls: procedures
// kept in "PROCADDR", frames painted over on WM_NCPAINT, rounded regions renewed on WM_SIZE.
class HookScenariosTest : public RecordingTest {
public:
    static LRESULT Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        return CallWindowProc(WNDPROC::FromLongPtr(GetProp(window, "PROCADDR")), window, message,
                              wParam, lParam);
    }

protected:
    HookScenariosTest() {
        WNDCLASS windowClass;
        windowClass.lpfnWndProc = &DefWindowProc;
        windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        windowClass.lpszClassName = "WhitePanel";
        RegisterClass(windowClass);
        form = Make("form", WS_POPUP | WS_VISIBLE, {0, 0, 200, 100});
    }

    static void Hook(HWND window, WNDPROC procedure) {
        SetProp(window, "PROCADDR", SetWindowLongPtr(window, GWL_WNDPROC, procedure.ToLongPtr()));
    }
    std::uint32_t Shown(int x, int y) { return desktop.PresentedPixel(form, x, y); }

    HWND form;
};

LRESULT FlatBorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = HookScenariosTest::Forward(window, message, wParam, lParam);
    if (message == WM_NCPAINT && (GetWindowLongPtr(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) {
        RECT rect;
        GetWindowRect(window, &rect);
        const int w = rect.right - rect.left;
        const int h = rect.bottom - rect.top;
        HDC windowDc = GetWindowDC(window);
        HDC clientDc = GetDC(window);
        HBRUSH border = CreateSolidBrush(RGB(84, 165, 213));
        HBRUSH background = CreateSolidBrush(GetBkColor(clientDc));
        RECT outer{0, 0, w, h};
        RECT middle{1, 1, w - 1, h - 1};
        RECT inner{2, 2, w - 2, h - 2};
        FrameRect(windowDc, &outer, border);
        FrameRect(windowDc, &middle, background);
        FrameRect(windowDc, &inner, background);
        DeleteObject(border);
        DeleteObject(background);
        ReleaseDC(window, clientDc);
        ReleaseDC(window, windowDc);
    }
    return result;
}

TEST_F(HookScenariosTest, AFlatBorderPaintsOverTheSunkenEdgeAndSurvivesRepaints) {
    const HWND edit = Make("edit", WS_CHILD | WS_VISIBLE, {10, 10, 110, 40}, form, WS_EX_CLIENTEDGE,
                           "WhitePanel");
    desktop.Pump();
    EXPECT_EQ(Shown(10, 10), Pixel(GetSysColor(COLOR_BTNSHADOW)));
    Hook(edit, &FlatBorderProc);
    SendMessage(edit, WM_NCPAINT, 1, 0);
    desktop.Pump();
    EXPECT_EQ(Shown(10, 10), Pixel(RGB(84, 165, 213)));
    EXPECT_EQ(Shown(109, 39), Pixel(RGB(84, 165, 213)));
    EXPECT_EQ(Shown(11, 11), 0xFFFFFFu);
    EXPECT_EQ(Shown(12, 12), 0xFFFFFFu);
    // A full repaint goes through the hook again.
    RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
    desktop.Pump();
    EXPECT_EQ(Shown(10, 10), Pixel(RGB(84, 165, 213)));
    EXPECT_EQ(Shown(11, 11), 0xFFFFFFu);
}

LRESULT RoundButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = HookScenariosTest::Forward(window, message, wParam, lParam);
    if (message == WM_SIZE) {
        RECT rect;
        GetWindowRect(window, &rect);
        SetWindowRgn(
            window,
            CreateRoundRectRgn(0, 0, rect.right - rect.left + 1, rect.bottom - rect.top + 1, 3, 3),
            true);
    }
    return result;
}

TEST_F(HookScenariosTest, ARoundedButtonKeepsItsShapeWhenResized) {
    const HWND button =
        Make("button", WS_CHILD | WS_VISIBLE, {20, 20, 95, 43}, form, 0, "WhitePanel");
    Hook(button, &RoundButtonProc);
    RECT rect;
    GetWindowRect(button, &rect);
    SetWindowRgn(button, CreateRoundRectRgn(0, 0, 76, 24, 3, 3), true);
    desktop.Pump();
    const COLORREF face = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(WindowFromPoint({20, 20}), form);
    EXPECT_EQ(WindowFromPoint({21, 21}), button);
    EXPECT_EQ(Shown(21, 21), Pixel(face));
    const int regions = GdiLiveObjects(GdiObjectKind::Region);
    MoveWindow(button, 20, 20, 120, 40, true);
    desktop.Pump();
    // The old region was replaced, not leaked; the new one fits the new size.
    EXPECT_EQ(GdiLiveObjects(GdiObjectKind::Region), regions);
    EXPECT_EQ(WindowFromPoint({138, 58}), button);
    EXPECT_EQ(WindowFromPoint({139, 59}), form);
    EXPECT_EQ(WindowFromPoint({138, 21}), button);
}

}  // namespace
}  // namespace win::test
