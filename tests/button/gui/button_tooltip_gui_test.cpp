#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "button/button_tooltip.h"
#include "button/lumbutton.h"
#include "button/render/button_values.h"
#include "platform/controls/tooltip.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/gdi/gdi.h"
#include "platform/user/desktop.h"
#include "platform/user/user.h"
#include "tests/platform/host/qt/support/host_fixture.h"
#include "tests/support/desktop_probe.h"

namespace quellan::test {
namespace {

using namespace win;

constexpr std::uint32_t kTipBackground = 0xADD1FF;  // RGB(173, 209, 255) as a screen pixel

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

void PumpFor(HWND timerWindow, DWORD ms) {
    PumpUntil(
        timerWindow, [] { return false; }, ms);
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

// Our window manager on the shared Qt host for one test; let go even when the test stops early.
class AttachedHost {
public:
    AttachedHost() { AttachHost(host::testing::SharedHost()); }
    ~AttachedHost() { DetachHost(); }
    AttachedHost(const AttachedHost&) = delete;
    AttachedHost& operator=(const AttachedHost&) = delete;
};

class frmSample : public forms::Form {
public:
    frmSample() : Form("frmSample") {}

    lumbutton cmdSample{*this, "cmdSample"};

protected:
    void Design() override {
        SetBorderStyle(forms::FormBorderStyle::None);
        SetStartUpPosition(forms::StartUpPosition::Manual);
        Move(3000, 2250);
        SetClientSize(6000, 4500);
        cmdSample.Move(1500, 1500, 1800, 450);  // 120 x 30 pixels
    }
};

TEST(ButtonTooltipOnDesktop, ASampleButtonShowsItsTipOnHoverAndLooksNormalAgainAfterLeaving) {
    const AttachedHost attached;
    forms::App().ResetForTesting();
    {
        frmSample form;
        form.cmdSample.SetCaption("下载");
        // Stored in the form's property store and read back at the next load, as a form made in
        // the designer has them: reading them installs the button's message hook.
        form.SaveProperties();
        form.Unload();
        MovePointer(20, 20);
        form.Show();
        // Run-time changes, taken up by the next hover.
        form.cmdSample.SetToolTip("下载速率 128 KB/s");
        form.cmdSample.SetTooltipTitle("网络");
        form.cmdSample.SetToolTipIcon(TooltipIconInfo);
        form.cmdSample.SetTooltipBackColor(RGB(173, 209, 255));
        const HWND window = form.cmdSample.hWnd();
        ASSERT_TRUE(form.cmdSample.TrackLeaveAvailable());
        PumpFor(window, 1500);
        RECT button{};
        GetWindowRect(window, &button);
        const int x = button.left + 30;
        const int y = button.top + 12;
        const desktop_testing::Screenshot before("sample_button_normal");
        ASSERT_TRUE(before.Taken());

        MovePointer(x, y);
        // The tip is built by the move that made the button hot; it starts watching with the
        // moves after it, as a hand resting on the mouse makes.
        PumpFor(window, 200);
        MovePointer(x + 1, y);
        const DWORD rested = GetTickCount();
        ASSERT_TRUE(PumpUntil(
            window,
            [&] {
                return IsWindow(form.cmdSample.TooltipWindow()) &&
                       IsWindowVisible(form.cmdSample.TooltipWindow());
            },
            5000));
        // After the hover delay, counted from the last move.
        EXPECT_GE(GetTickCount() - rested, kTooltipInitialDelay - 50);
        EXPECT_EQ(form.cmdSample.DrawState(), StateHot);
        PumpFor(window, 500);
        const HWND tooltip = form.cmdSample.TooltipWindow();
        RECT tip{};
        GetWindowRect(tooltip, &tip);
        const desktop_testing::Screenshot shown("sample_button_tooltip");
        ASSERT_TRUE(shown.Taken());
        const int right = tip.right - kTooltipShadowDepth;
        EXPECT_EQ(shown.Pixel(right - 3, tip.top + 1), kTipBackground);
        // The bold title beside the 16-pixel icon, and the text below them.
        constexpr int kHeader = 3 + 16;
        EXPECT_GT(DarkPixels(shown, tip.left + 3 + 16, tip.top + 3, right - 1, tip.top + kHeader),
                  10);
        EXPECT_GT(DarkPixels(shown, tip.left + 3, tip.top + kHeader + 2, right - 1,
                             tip.bottom - kTooltipShadowDepth - 2),
                  10);

        MovePointer(button.left - 40, button.top - 40);
        EXPECT_TRUE(PumpUntil(
            window,
            [&] { return !IsWindowVisible(tooltip) && form.cmdSample.DrawState() == StateNormal; },
            3000));
        PumpFor(window, 500);
        const desktop_testing::Screenshot after("sample_button_left");
        ASSERT_TRUE(after.Taken());
        // The normal look again: the button's face as it was before the hover.
        for (const POINT probe :
             {POINT{button.left + 3, button.top + 3}, POINT{button.left + 60, button.bottom - 4},
              POINT{button.right - 4, button.top + 15}}) {
            EXPECT_EQ(after.Pixel(probe.x, probe.y), before.Pixel(probe.x, probe.y));
        }
        form.Unload();
    }
    forms::App().ResetForTesting();
}

}  // namespace
}  // namespace quellan::test
