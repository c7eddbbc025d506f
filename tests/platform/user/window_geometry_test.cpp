#include <gtest/gtest.h>

#include "recording_window.h"

namespace win::test {
namespace {

using Lines = std::vector<std::string>;

class WindowGeometryTest : public RecordingTest {
protected:
    WindowGeometryTest() { form = Make("form", WS_POPUP | WS_VISIBLE, {100, 50, 300, 250}); }
    HWND form;
};

TEST_F(WindowGeometryTest, MovingAndSizingSendTheirMessages) {
    const HWND child = Make("child", WS_CHILD | WS_VISIBLE, {10, 10, 60, 40}, form);
    Record({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE});
    MoveWindow(child, 20, 30, 50, 30, true);
    EXPECT_EQ(Take(),
              (Lines{"child WM_WINDOWPOSCHANGING", "child WM_WINDOWPOSCHANGED", "child WM_MOVE"}));
    MoveWindow(child, 20, 30, 80, 30, true);
    EXPECT_EQ(Take(),
              (Lines{"child WM_WINDOWPOSCHANGING", "child WM_WINDOWPOSCHANGED", "child WM_SIZE"}));
    RECT rect;
    GetWindowRect(child, &rect);
    EXPECT_EQ(rect, (RECT{120, 80, 200, 110}));
    POINT point{125, 85};
    ScreenToClient(child, &point);
    EXPECT_EQ(point, (POINT{5, 5}));
    ClientToScreen(form, &point);
    EXPECT_EQ(point, (POINT{105, 55}));
    // A procedure may change a move on its way.
    onMessage = [](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_WINDOWPOSCHANGING) {
            reinterpret_cast<WINDOWPOS*>(lParam)->cx = 10;
        }
        return std::nullopt;
    };
    MoveWindow(child, 0, 0, 99, 99, true);
    GetWindowRect(child, &rect);
    EXPECT_EQ(rect.right - rect.left, 10);
}

TEST_F(WindowGeometryTest, TopmostBandOnTheDesktop) {
    const HWND mini = Make("mini", WS_POPUP | WS_VISIBLE, {1000, 600, 1148, 740});
    const HWND later = Make("later", WS_POPUP | WS_VISIBLE, {0, 0, 50, 50});
    SetWindowPos(mini, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const HWND latest = Make("latest", WS_POPUP | WS_VISIBLE, {0, 0, 50, 50});
    EXPECT_TRUE(GetWindowLongPtr(mini, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(desktop.Host().FindWindow(desktop.NativeOf(mini))->request.topmost);
    EXPECT_EQ(desktop.Host().StackingOrder().back(), desktop.NativeOf(mini));
    EXPECT_EQ(GetWindow(latest, GW_HWNDFIRST), mini);
    EXPECT_EQ(GetWindow(mini, GW_HWNDNEXT), latest);
    SetWindowPos(mini, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_FALSE(desktop.Host().FindWindow(desktop.NativeOf(mini))->request.topmost);
    EXPECT_FALSE(GetWindowLongPtr(mini, GWL_EXSTYLE) & WS_EX_TOPMOST);
    (void)later;
}

TEST_F(WindowGeometryTest, DecoratedWindowsHaveTheDesktopsFrameOutsideTheirContent) {
    const HWND dialog =
        Make("dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, {200, 200, 406, 328});
    const host::Margins margins = desktop.Host().DecorationMargins();
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 206 - margins.left - margins.right);
    EXPECT_EQ(client.bottom, 128 - margins.top - margins.bottom);
    const auto* native = desktop.Host().FindWindow(desktop.NativeOf(dialog));
    EXPECT_TRUE(native->request.decorated);
    EXPECT_EQ(native->request.content, (host::Rect{200 + margins.left, 200 + margins.top,
                                                   406 - margins.right, 328 - margins.bottom}));
    POINT origin{0, 0};
    ClientToScreen(dialog, &origin);
    EXPECT_EQ(origin, (POINT{200 + margins.left, 200 + margins.top}));
    // The desktop moving it is reported back.
    desktop.Host().DragWindow(
        desktop.NativeOf(dialog),
        {500 + margins.left, 100 + margins.top, 706 - margins.right, 228 - margins.bottom});
    RECT rect;
    GetWindowRect(dialog, &rect);
    EXPECT_EQ(rect, (RECT{500, 100, 706, 228}));
}

TEST_F(WindowGeometryTest, ScreenFiguresComeFromTheHost) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 800);
    desktop.Host().ChangeDisplay({1024, 768}, {0, 0, 1024, 728});
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    RECT area;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0));
    EXPECT_EQ(area, (RECT{0, 0, 1024, 728}));
}

TEST_F(WindowGeometryTest, ChildWindowsAreFoundInStackingOrder) {
    const HWND a = Make("a", WS_CHILD, {0, 0, 1, 1}, form);
    const HWND a1 = Make("a1", WS_CHILD, {0, 0, 1, 1}, a);
    const HWND b = Make("b", WS_CHILD, {0, 0, 1, 1}, form);
    Lines found;
    EnumChildWindows(
        form,
        [&](HWND window, LPARAM) {
            found.push_back(NameOf(window));
            return true;
        },
        0);
    EXPECT_EQ(found, (Lines{"a", "a1", "b"}));
    found.clear();
    // Stopping early, and a window destroyed on the way is skipped.
    EnumChildWindows(
        form,
        [&](HWND window, LPARAM) {
            found.push_back(NameOf(window));
            DestroyWindow(a1);
            return window != b;
        },
        0);
    EXPECT_EQ(found, (Lines{"a", "b"}));
    EXPECT_EQ(GetWindow(form, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetAncestor(b, GA_ROOT), form);
    EXPECT_TRUE(IsChild(form, b));
    EXPECT_EQ(FindWindow("recorder", "form"), form);
}

TEST_F(WindowGeometryTest, UpdateWindowPaintsAtOnce) {
    Record({WM_PAINT, WM_NCPAINT, WM_ERASEBKGND});
    desktop.Pump();
    Take();
    InvalidateRect(form, nullptr, true);
    UpdateWindow(form);
    EXPECT_EQ(Take(), (Lines{"form WM_PAINT", "form WM_ERASEBKGND"}));
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_EQ(Take(), (Lines{"form WM_PAINT"}));
    RECT update;
    EXPECT_FALSE(GetUpdateRect(form, &update, false));
    const RECT part{1, 2, 3, 4};
    InvalidateRect(form, &part, false);
    EXPECT_TRUE(GetUpdateRect(form, &update, false));
    EXPECT_EQ(update, part);
    ValidateRect(form, nullptr);
    desktop.Pump();
    EXPECT_TRUE(Take().empty());
}

}  // namespace
}  // namespace win::test
