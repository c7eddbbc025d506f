#include <gtest/gtest.h>

#include <vector>

#include "recording_window.h"

namespace win::test {
namespace {

class WindowIconTest : public RecordingTest {
protected:
    // A 32-bit picture with alpha, filled with one pixel value.
    static HBITMAP Picture(int width, int height, std::uint32_t pixel) {
        const std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, pixel);
        return CreatePictureBitmap(width, height, 32, pixels);
    }
    const host::headless::HeadlessWindow& NativeWindow(HWND window) {
        const auto* native = desktop.Host().FindWindow(desktop.NativeOf(window));
        EXPECT_NE(native, nullptr);
        return *native;
    }
    static LRESULT SetIcon(HWND window, WPARAM slot, HBITMAP picture) {
        return SendMessage(window, WM_SETICON, slot, static_cast<LPARAM>(picture.Value()));
    }
};

TEST_F(WindowIconTest, TheDesktopShowsTheBigPictureElseTheSmallOneCopiedWhenSet) {
    const HWND form = Make("form", WS_OVERLAPPED | WS_VISIBLE, {10, 10, 210, 110});
    const HBITMAP small = Picture(16, 16, 0x80112233);
    const HBITMAP big = Picture(32, 32, 0xFF445566);

    EXPECT_EQ(SetIcon(form, ICON_SMALL, small), 0);
    EXPECT_EQ(NativeWindow(form).iconSize, (host::Size{16, 16}));
    EXPECT_EQ(NativeWindow(form).icon.front(), 0x80112233u);

    EXPECT_EQ(SetIcon(form, ICON_BIG, big), 0);
    EXPECT_EQ(NativeWindow(form).iconSize, (host::Size{32, 32}));
    EXPECT_EQ(NativeWindow(form).icon.back(), 0xFF445566u);
    EXPECT_EQ(SendMessage(form, WM_GETICON, ICON_SMALL, 0), static_cast<LRESULT>(small.Value()));
    EXPECT_EQ(SendMessage(form, WM_GETICON, ICON_BIG, 0), static_cast<LRESULT>(big.Value()));

    // A new small picture does not push the big one off the desktop.
    const HBITMAP small2 = Picture(16, 16, 0x00ABCDEF);
    EXPECT_EQ(SetIcon(form, ICON_SMALL, small2), static_cast<LRESULT>(small.Value()));
    EXPECT_EQ(NativeWindow(form).iconSize, (host::Size{32, 32}));

    // The caller owns the bitmaps: once deleted, what was copied still serves.
    DeleteObject(small2);
    DeleteObject(small);
    EXPECT_EQ(SetIcon(form, ICON_BIG, nullptr), static_cast<LRESULT>(big.Value()));
    EXPECT_EQ(NativeWindow(form).iconSize, (host::Size{16, 16}));
    EXPECT_EQ(NativeWindow(form).icon.front(), 0x00ABCDEFu);
    EXPECT_EQ(SendMessage(form, WM_GETICON, ICON_BIG, 0), 0);
    DeleteObject(big);
}

TEST_F(WindowIconTest, ChildWindowsAndUnknownSlotsKeepTheDesktopIconAlone) {
    const HWND form = Make("form", WS_POPUP | WS_VISIBLE, {10, 10, 210, 110});
    const HWND child = Make("child", WS_CHILD | WS_VISIBLE, {0, 0, 50, 50}, form);
    const HBITMAP picture = Picture(8, 8, 0x00FF0000);

    EXPECT_EQ(SetIcon(child, ICON_BIG, picture), 0);
    EXPECT_EQ(SendMessage(child, WM_GETICON, ICON_BIG, 0), static_cast<LRESULT>(picture.Value()));
    EXPECT_TRUE(NativeWindow(form).icon.empty());

    EXPECT_EQ(SetIcon(form, 7, picture), 0);
    EXPECT_EQ(SendMessage(form, WM_GETICON, 7, 0), 0);
    EXPECT_TRUE(NativeWindow(form).icon.empty());
    DeleteObject(picture);
}

}  // namespace
}  // namespace win::test
