#include <gtest/gtest.h>

#include <vector>

#include "recording_window.h"

namespace win::test {
namespace {

using Lines = std::vector<std::string>;

constexpr std::uint32_t kRed = 0x00FF0000;

class NativeWindowTest : public RecordingTest {
protected:
    const host::headless::HeadlessWindow* Native(HWND window) {
        return desktop.Host().FindWindow(desktop.NativeOf(window));
    }
    std::size_t CreatedCount() { return desktop.Host().CreatedWindows().size(); }
    static void AddStyle(HWND window, int index, DWORD add, DWORD remove = 0) {
        const auto style = static_cast<DWORD>(GetWindowLongPtr(window, index));
        SetWindowLongPtr(window, index, static_cast<LONG_PTR>((style & ~remove) | add));
    }
    // What a tip window does to itself while it is being made.
    static void MakeTip(HWND window) {
        AddStyle(window, GWL_STYLE, WS_POPUP, WS_CAPTION | WS_THICKFRAME);
        AddStyle(window, GWL_EXSTYLE, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE);
    }
    static void Fill(HWND window, RECT rect, COLORREF colour) {
        HDC dc = GetDC(window);
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
        ReleaseDC(window, dc);
    }
};

TEST_F(NativeWindowTest, StylesSetWhileBeingMadeDecideTheOnlyNativeWindow) {
    onMessage = [](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_NCCREATE) {
            MakeTip(window);
        }
        return std::nullopt;
    };
    const std::size_t before = CreatedCount();
    const HWND tip = Make("tip", WS_OVERLAPPED, {100, 100, 180, 120});
    ASSERT_TRUE(tip);

    ASSERT_EQ(CreatedCount(), before + 1);
    const auto& created = desktop.Host().CreatedWindows().back();
    EXPECT_EQ(created.id, desktop.NativeOf(tip));
    EXPECT_EQ(created.request.kind, host::WindowKind::Popup);
    EXPECT_FALSE(created.request.decorated);
    EXPECT_TRUE(created.request.topmost);
    EXPECT_TRUE(created.request.skipTaskbar);
    // No desktop frame is taken out of it: the content is the whole window.
    EXPECT_EQ(created.request.content, (host::Rect{100, 100, 180, 120}));
    RECT client;
    GetClientRect(tip, &client);
    EXPECT_EQ(client, (RECT{0, 0, 80, 20}));
}

TEST_F(NativeWindowTest, AWindowShownBeforeItRestylesItselfEndsUpAsItsFinalKind) {
    onMessage = [](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_CREATE) {
            ShowWindow(window, SW_SHOWNOACTIVATE);
            MakeTip(window);
        }
        return std::nullopt;
    };
    const HWND tip = Make("tip", WS_OVERLAPPED, {100, 100, 180, 120});
    ASSERT_TRUE(tip);
    EXPECT_EQ(desktop.Host().LiveWindowCount(), 1u);
    const auto* native = Native(tip);
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->request.kind, host::WindowKind::Popup);
    EXPECT_FALSE(native->request.decorated);
    EXPECT_TRUE(native->visible);
    EXPECT_EQ(native->request.content, (host::Rect{100, 100, 180, 120}));
}

TEST_F(NativeWindowTest, ANewKindOfNativeWindowKeepsPixelsShapeIconPlaceAndInput) {
    const HWND form = Make("form", WS_POPUP | WS_VISIBLE, {50, 40, 150, 100});
    SetWindowRgn(form, CreateRectRgn(0, 0, 60, 30), false);
    const std::vector<std::uint32_t> iconPixels(16 * 16, 0xFF00FF00);
    const HBITMAP icon = CreatePictureBitmap(16, 16, 32, iconPixels);
    SendMessage(form, WM_SETICON, ICON_BIG, static_cast<LPARAM>(icon.Value()));
    DeleteObject(icon);
    Fill(form, {0, 0, 100, 60}, RGB(255, 0, 0));
    desktop.Pump();
    const host::WindowId old = desktop.NativeOf(form);
    const std::vector<host::Span> shape = *Native(form)->shape;
    const auto objects = GdiLiveObjects();

    AddStyle(form, GWL_EXSTYLE, WS_EX_NOACTIVATE);
    desktop.Pump();

    EXPECT_NE(desktop.NativeOf(form), old);
    EXPECT_EQ(desktop.Host().FindWindow(old), nullptr);
    EXPECT_EQ(desktop.Host().LiveWindowCount(), 1u);
    const auto* native = Native(form);
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->request.kind, host::WindowKind::Popup);
    EXPECT_TRUE(native->visible);
    EXPECT_EQ(native->request.content, (host::Rect{50, 40, 150, 100}));
    ASSERT_TRUE(native->shape.has_value());
    EXPECT_EQ(*native->shape, shape);
    EXPECT_EQ(native->iconSize, (host::Size{16, 16}));
    EXPECT_EQ(desktop.PresentedPixel(form, 10, 10), kRed);
    EXPECT_EQ(GdiLiveObjects(), objects);

    Record({WM_LBUTTONDOWN});
    desktop.Host().Click({60, 50});
    EXPECT_EQ(Take(), (Lines{"form WM_LBUTTONDOWN"}));
}

TEST_F(NativeWindowTest, TakingOrGivingTheDesktopFrameKeepsTheWindowActiveWhereItIs) {
    const HWND form = Make("form", WS_OVERLAPPED | WS_VISIBLE, {50, 40, 250, 190});
    ASSERT_TRUE(Native(form)->request.decorated);
    const host::Margins margins = desktop.Host().DecorationMargins();
    Record({WM_ACTIVATE, WM_NCACTIVATE});

    AddStyle(form, GWL_STYLE, WS_POPUP, WS_CAPTION);
    const auto* popup = Native(form);
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(popup->request.decorated);
    EXPECT_EQ(popup->request.kind, host::WindowKind::TopLevel);
    EXPECT_EQ(popup->request.content, (host::Rect{50, 40, 250, 190}));
    EXPECT_TRUE(popup->visible);
    desktop.Pump();
    EXPECT_EQ(desktop.Host().ActiveWindow(), desktop.NativeOf(form));
    EXPECT_EQ(GetActiveWindow(), form);

    AddStyle(form, GWL_STYLE, WS_CAPTION, WS_POPUP);
    desktop.Pump();
    const auto* framed = Native(form);
    ASSERT_NE(framed, nullptr);
    EXPECT_TRUE(framed->request.decorated);
    EXPECT_EQ(framed->request.content, (host::Rect{50 + margins.left, 40 + margins.top,
                                                   250 - margins.right, 190 - margins.bottom}));
    EXPECT_EQ(desktop.Host().ActiveWindow(), desktop.NativeOf(form));
    // The window never lost the activation, so it hears nothing about it.
    EXPECT_EQ(Take(), Lines{});
}

TEST_F(NativeWindowTest, TopmostAndTaskbarChangesKeepTheNativeWindow) {
    const HWND form = Make("form", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
    const HWND other = Make("other", WS_POPUP | WS_VISIBLE, {50, 50, 150, 150});
    const host::WindowId native = desktop.NativeOf(form);
    ASSERT_EQ(WindowFromPoint({60, 60}), other);

    AddStyle(form, GWL_EXSTYLE, WS_EX_TOPMOST);
    EXPECT_EQ(desktop.NativeOf(form), native);
    EXPECT_TRUE(Native(form)->request.topmost);
    EXPECT_EQ(desktop.Host().StackingOrder().back(), native);
    EXPECT_EQ(WindowFromPoint({60, 60}), form);

    AddStyle(form, GWL_EXSTYLE, 0, WS_EX_TOPMOST);
    EXPECT_EQ(desktop.NativeOf(form), native);
    EXPECT_FALSE(Native(form)->request.topmost);

    AddStyle(form, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    EXPECT_EQ(desktop.NativeOf(form), native);
    EXPECT_TRUE(Native(form)->request.skipTaskbar);
    AddStyle(form, GWL_EXSTYLE, 0, WS_EX_TOOLWINDOW);
    EXPECT_FALSE(Native(form)->request.skipTaskbar);
    EXPECT_EQ(desktop.NativeOf(form), native);

    SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(WindowFromPoint({60, 60}), other);
}

TEST_F(NativeWindowTest, OwnedWindowsFollowTheirOwnersNativeWindow) {
    const HWND owner = Make("owner", WS_OVERLAPPED | WS_VISIBLE, {0, 0, 200, 200});
    const HWND owned = Make("owned", WS_POPUP | WS_VISIBLE, {20, 20, 80, 80}, owner);
    EXPECT_EQ(Native(owned)->request.owner, desktop.NativeOf(owner));
    EXPECT_TRUE(Native(owned)->request.skipTaskbar);

    AddStyle(owner, GWL_STYLE, WS_POPUP, WS_CAPTION);
    ASSERT_NE(Native(owned), nullptr);
    EXPECT_EQ(Native(owned)->request.owner, desktop.NativeOf(owner));
    EXPECT_TRUE(Native(owned)->visible);

    SetWindowLongPtr(owned, GWLP_HWNDPARENT, 0);
    ASSERT_NE(Native(owned), nullptr);
    EXPECT_EQ(Native(owned)->request.owner, host::WindowId::None);
    EXPECT_FALSE(Native(owned)->request.skipTaskbar);
    EXPECT_EQ(desktop.Host().LiveWindowCount(), 2u);
}

}  // namespace
}  // namespace win::test
