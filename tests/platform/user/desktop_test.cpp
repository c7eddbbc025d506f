#include <gtest/gtest.h>

#include <filesystem>

#include "platform/gdi/gdi.h"
#include "platform/host/headless/headless_host.h"
#include "platform/user/user.h"

namespace win::test {
namespace {

LRESULT PlainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(window, message, wParam, lParam);
}

void RegisterPlain() {
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = &PlainProcedure;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_HIGHLIGHT);
    windowClass.lpszClassName = "Plain";
    RegisterClass(windowClass);
}

TEST(DesktopTest, DetachingDestroysEverythingItMade) {
    const GdiObjectCounts before = GdiLiveObjects();
    host::HeadlessHost host;
    AttachHost(host);
    RegisterPlain();
    const HWND form =
        CreateWindowEx(0, "Plain", "form", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr);
    CreateWindowEx(0, "Plain", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, form);
    SetWindowRgn(form, CreateEllipticRgn(0, 0, 50, 50), false);
    SetTimer(form, 1, 100, nullptr);
    HDC forgotten = GetDC(form);
    ASSERT_TRUE(forgotten);
    ProcessPendingMessages();
    EXPECT_EQ(host.LiveWindowCount(), 1u);
    DetachHost();
    EXPECT_EQ(host.LiveWindowCount(), 0u);
    EXPECT_EQ(GdiLiveObjects(), before);
    EXPECT_FALSE(IsWindow(form));
    EXPECT_EQ(GetHost(), nullptr);
    EXPECT_FALSE(CreateWindowEx(0, "Plain", "", WS_POPUP, 0, 0, 1, 1, nullptr));
}

TEST(DesktopTest, PresentedPixelsCanBeSavedForDebugging) {
    host::HeadlessHost host;
    AttachHost(host);
    RegisterPlain();
    const HWND form = CreateWindowEx(0, "Plain", "", WS_POPUP | WS_VISIBLE, 0, 0, 8, 4, nullptr);
    ProcessPendingMessages();
    const auto path = std::filesystem::temp_directory_path() / "quellan_user_desktop_test.png";
    std::filesystem::remove(path);
    // A window that has been presented is written; one that does not exist is not.
    host::WindowId native{};
    for (host::WindowId id : host.StackingOrder()) {
        native = id;
    }
    EXPECT_TRUE(host.SaveWindowPng(native, path));
    EXPECT_GT(std::filesystem::file_size(path), 0u);
    EXPECT_FALSE(host.SaveWindowPng(host::WindowId{9999}, path));
    std::filesystem::remove(path);
    DestroyWindow(form);
    DetachHost();
}

}  // namespace
}  // namespace win::test
