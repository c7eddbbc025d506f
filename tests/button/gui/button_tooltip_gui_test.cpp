#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "button/button_tooltip.h"
#include "button/render/button_values.h"
#include "platform/controls/standard_controls.h"
#include "platform/controls/tooltip.h"
#include "platform/gdi/gdi.h"
#include "platform/user/desktop.h"
#include "platform/user/user.h"
#include "tests/platform/host/qt/support/host_fixture.h"
#include "tests/support/desktop_probe.h"

namespace quellan::test {
namespace {

using namespace win;

constexpr RECT kFrame{200, 150, 600, 450};
constexpr RECT kButton{100, 100, 220, 130};
constexpr std::uint32_t kTipBackground = 0xADD1FF;  // RGB(173, 209, 255) as a screen pixel

LRESULT FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(window, message, wParam, lParam);
}

// Our own message loop on the Qt host, woken by a short timer so `done` is asked often.
bool PumpUntil(HWND timerWindow, const std::function<bool()>& done, DWORD timeoutMs) {
    SetTimer(timerWindow, 99, 20, nullptr);
    const DWORD deadline = GetTickCount() + timeoutMs;
    bool held = done();
    while (!held && GetTickCount() < deadline) {
        MSG message;
        if (GetMessage(&message, nullptr, 0, 0) <= 0) {
            break;
        }
        DispatchMessage(&message);
        held = done();
    }
    KillTimer(timerWindow, 99);
    return held;
}

void MovePointer(int x, int y) {
    desktop_testing::RunTool("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
}

bool Dark(std::uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) < 0x70 && ((pixel >> 8) & 0xFF) < 0x70 && (pixel & 0xFF) < 0x70;
}

int DarkPixels(const desktop_testing::Screenshot& shot, int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            count += Dark(shot.Pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

TEST(ButtonTooltipOnDesktop, HoveringShowsTheTitledTipAfterTheDelayAndLeavingHidesIt) {
    host::QtHost& host = host::testing::SharedHost();
    AttachHost(host);
    InitCommonControls();
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = &FrameProcedure;
    windowClass.lpszClassName = "ButtonTooltipGuiWindow";
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    RegisterClass(windowClass);
    const HWND frame =
        CreateWindowEx(0, "ButtonTooltipGuiWindow", "按钮提示", WS_POPUP | WS_VISIBLE, kFrame.left,
                       kFrame.top, kFrame.right - kFrame.left, kFrame.bottom - kFrame.top, nullptr);
    const HWND button = CreateWindowEx(0, "ButtonTooltipGuiWindow", "", WS_CHILD | WS_VISIBLE,
                                       kButton.left, kButton.top, kButton.right - kButton.left,
                                       kButton.bottom - kButton.top, frame, HMENU::FromValue(1));
    ASSERT_TRUE(IsWindow(button));
    MovePointer(20, 20);
    PumpUntil(
        frame, [] { return false; }, 1500);

    TooltipSettings settings;
    settings.ToolTip = "下载速率 128 KB/s";
    settings.TooltipTitle = "网络";
    settings.ToolTipIcon = TooltipIconInfo;
    settings.TooltipBackColor = RGB(173, 209, 255);
    HWND tooltip;
    CreateTooltip(button, tooltip, settings);
    ASSERT_TRUE(IsWindow(tooltip));

    const int x = kFrame.left + kButton.left + 30;
    const int y = kFrame.top + kButton.top + 12;
    MovePointer(x, y);
    const DWORD moved = GetTickCount();
    MovePointer(x + 1, y);
    ASSERT_TRUE(PumpUntil(
        frame, [&] { return IsWindowVisible(tooltip); }, 5000));
    EXPECT_GE(GetTickCount() - moved, kTooltipInitialDelay - 100);
    PumpUntil(
        frame, [] { return false; }, 500);

    RECT tip{};
    GetWindowRect(tooltip, &tip);
    const desktop_testing::Screenshot shot("button_tooltip");
    ASSERT_TRUE(shot.Taken());
    // The tip's own colour inside its frame, clear of the icon, the title and the shadow.
    const int right = tip.right - kTooltipShadowDepth;
    EXPECT_EQ(shot.Pixel(right - 3, tip.top + 1), kTipBackground);
    // The bold title beside the icon, and the text below it.
    constexpr int kHeader = 3 + 16;
    EXPECT_GT(DarkPixels(shot, tip.left + 3 + 16, tip.top + 3, right - 1, tip.top + kHeader), 10);
    EXPECT_GT(DarkPixels(shot, tip.left + 3, tip.top + kHeader + 2, right - 1,
                         tip.bottom - kTooltipShadowDepth - 2),
              10);

    MovePointer(kFrame.left + 10, kFrame.top + 10);
    EXPECT_TRUE(PumpUntil(
        frame, [&] { return !IsWindowVisible(tooltip); }, 3000));

    DestroyWindow(frame);
    EXPECT_FALSE(IsWindow(tooltip));
    DetachHost();
}

}  // namespace
}  // namespace quellan::test
