#include <cstdint>
#include <functional>

#include <gtest/gtest.h>

#include "platform/host/virtual_keys.h"
#include "skin_fixture.h"

namespace quellan::test {
namespace {

using win::HWND;

// The button sits at (10, 10) of the form, which sits at the screen's origin.
constexpr win::host::Point kOverOk{30, 15};
constexpr win::host::Point kOffOk{150, 90};
// A face pixel clear of the caption, in button coordinates.
constexpr int kFaceX = 6;
constexpr int kFaceY = 8;

// One blend of `source` over `destination` with constant alpha, channel by channel.
std::uint32_t Blend(std::uint32_t source, std::uint32_t destination, int alpha) {
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int s = static_cast<int>((source >> shift) & 0xFF);
        const int d = static_cast<int>((destination >> shift) & 0xFF);
        const int mixed = (s * alpha + d * (255 - alpha) + 127) / 255;
        result |= static_cast<std::uint32_t>(mixed) << shift;
    }
    return result;
}

// What a fade from `from` towards `to` shows after `steps` steps starting at `level`.
std::uint32_t Faded(std::uint32_t from, std::uint32_t to, int level, int steps) {
    std::uint32_t shown = from;
    for (int step = 0; step < steps; ++step, level += 3) {
        shown = Blend(to, shown, level);
    }
    return shown;
}

class FadeTest : public SkinTest {
protected:
    FadeTest() {
        form.Show();
        skin.SkinWindow(form.hWnd());
        desktop.Pump();
        ok = form.cmdOk.hWnd();
        formWindow = form.hWnd();
    }

    // Advances the clock one tick at a time until the fade timer stops; the number of steps.
    int RunFade() {
        int steps = 0;
        while (AnyTimerRuns(ok) && steps < 1000) {
            desktop.Advance(15);
            ++steps;
        }
        return steps;
    }
    std::uint32_t ShownFace() const { return Shown(formWindow, 10 + kFaceX, 10 + kFaceY); }

    frmSkinTest form;
    HWND ok;
    HWND formWindow;
};

TEST_F(FadeTest, EachStateChangeFadesInItsImageAndStopsTheTimer) {
    struct Case {
        const char* what;
        std::function<void(win::host::HeadlessHost&)> act;
        int state;
        int level;
        int steps;
    };
    const Case cases[] = {
        {"mouse enters", [](win::host::HeadlessHost& host) { host.MoveMouse(kOverOk); }, 1, 70, 62},
        {"left button down",
         [](win::host::HeadlessHost& host) { host.PressMouse(win::host::MouseButton::Left); }, 2,
         10, 82},
        {"left button up",
         [](win::host::HeadlessHost& host) { host.ReleaseMouse(win::host::MouseButton::Left); }, 0,
         0, 86},
        {"mouse enters again",
         [](win::host::HeadlessHost& host) {
             host.MoveMouse({31, 16});
         },
         1, 70, 62},
        {"mouse leaves", [](win::host::HeadlessHost& host) { host.MoveMouse(kOffOk); }, 0, 0, 86},
        {"space down", [](win::host::HeadlessHost& host) { host.KeyDown(win::VK_SPACE); }, 2, 50,
         69},
        {"space up", [](win::host::HeadlessHost& host) { host.KeyUp(win::VK_SPACE); }, 0, 0, 86},
    };
    win::SetFocus(ok);
    RunFade();
    for (const Case& c : cases) {
        const std::uint32_t before = ShownFace();
        c.act(desktop.Host());
        desktop.Pump();
        ASSERT_EQ(Prop(ok, "OLDSTATE"), c.state) << c.what;
        ASSERT_EQ(Prop(ok, "ALPHALEVEL"), c.level) << c.what;
        ASSERT_TRUE(AnyTimerRuns(ok)) << c.what;
        desktop.Advance(15);
        EXPECT_EQ(Prop(ok, "ALPHALEVEL"), c.level + 3) << c.what;
        EXPECT_EQ(RunFade() + 1, c.steps) << c.what;
        EXPECT_EQ(Prop(ok, "ALPHALEVEL"), 0) << c.what;
        EXPECT_EQ(Prop(ok, "TIMERID"), 0) << c.what;
        const std::uint32_t target = StatePixel(ok, c.state, kFaceX, kFaceY);
        EXPECT_EQ(ShownFace(), Faded(before, target, c.level, c.steps)) << c.what;
    }
}

TEST_F(FadeTest, MovingOnTheButtonDoesNotRestartTheFade) {
    desktop.Host().MoveMouse(kOverOk);
    desktop.Advance(15 * 10);
    desktop.Host().MoveMouse({40, 20});
    desktop.Pump();
    EXPECT_EQ(Prop(ok, "ALPHALEVEL"), 70 + 3 * 10);
    EXPECT_EQ(Prop(ok, "MOUSEFLAG"), 1);
}

TEST_F(FadeTest, ADisabledButtonShowsItsGreyImageAndEnablingShowsTheNormalOneAtOnce) {
    const HWND off = form.cmdOff.hWnd();
    const int left = 100;
    EXPECT_EQ(Shown(form.hWnd(), left + 4, 10), 0xBFBFBFu);
    EXPECT_EQ(Shown(form.hWnd(), left + kFaceX, 10 + kFaceY), StatePixel(off, 3, kFaceX, kFaceY));

    win::EnableWindow(off, true);
    EXPECT_EQ(Prop(off, "OLDSTATE"), 0);
    EXPECT_FALSE(AnyTimerRuns(off));
    desktop.Pump();
    EXPECT_EQ(Shown(form.hWnd(), left + 4, 10), 0x1B8FD5u);
    EXPECT_EQ(Shown(form.hWnd(), left + kFaceX, 10 + kFaceY), StatePixel(off, 0, kFaceX, kFaceY));
    EXPECT_NE(StatePixel(off, 0, kFaceX, kFaceY), StatePixel(off, 3, kFaceX, kFaceY));

    win::EnableWindow(off, false);
    EXPECT_EQ(Prop(off, "OLDSTATE"), 3);
    EXPECT_FALSE(AnyTimerRuns(off));
    desktop.Pump();
    EXPECT_EQ(Shown(form.hWnd(), left + 4, 10), 0xBFBFBFu);
}

}  // namespace
}  // namespace quellan::test
