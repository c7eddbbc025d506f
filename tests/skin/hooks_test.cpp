#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/controls/button.h"
#include "skin_fixture.h"

namespace quellan::test {
namespace {

using win::HWND;

TEST_F(SkinTest, SkinningAFormHooksItsButtonsAndGivesOtherControlsTheFlatBorder) {
    frmSkinTest form;
    form.Show();
    const HWND ok = form.cmdOk.hWnd();
    const win::LONG_PTR okProcedure = win::GetWindowLongPtr(ok, win::GWL_WNDPROC);
    const win::LONG_PTR formProcedure = win::GetWindowLongPtr(form.hWnd(), win::GWL_WNDPROC);

    EXPECT_EQ(skin.SkinWindow(form.hWnd()), 1);
    EXPECT_TRUE(skin.Initialised());
    EXPECT_TRUE(skin.LeaveTrackingByUser32());
    EXPECT_EQ(skin.ButtonCount(), 2);
    EXPECT_EQ(skin.ContainerCount(), 1);
    EXPECT_EQ(Prop(ok, "PROCADDR"), okProcedure);
    EXPECT_EQ(Prop(form.hWnd(), "PROCADDR"), formProcedure);
    EXPECT_EQ(win::GetWindowLongPtr(ok, win::GWL_WNDPROC),
              win::WNDPROC(&MSkinButton::SkinButtonProc).ToLongPtr());
    EXPECT_EQ(win::GetWindowLongPtr(form.txtName.hWnd(), win::GWL_WNDPROC),
              win::WNDPROC(&MSkinButton::FlatBorderProc).ToLongPtr());
    EXPECT_EQ(win::GetWindowLong(ok, win::GWL_STYLE) & win::BS_TYPEMASK, win::BS_OWNERDRAW);
    EXPECT_EQ(Prop(ok, "OLDSTATE"), 0);
    EXPECT_EQ(Prop(form.cmdOff.hWnd(), "OLDSTATE"), 3);
    for (const char* name : {"MOUSEFLAG", "TIMERID", "ALPHALEVEL"}) {
        EXPECT_EQ(Prop(ok, name), 0) << name;
    }
    // Four images, each in its own memory DC with its own bitmap, plus the hook's data.
    EXPECT_EQ(PropertyCount(ok), 13);
    ExpectRoundedRegion(ok, kButtonWidth, kButtonHeight);
}

// Text boxes lose their sunken edge for one line of blue, grey when disabled.
TEST_F(SkinTest, TextBoxesGetAFlatBorder) {
    struct Case {
        const char* box;
        int left;
        std::uint32_t line;
    };
    const Case cases[] = {{"txtName", 10, 0x54A5D5}, {"txtOff", 100, 0xCCCCCC}};
    frmSkinTest form;
    form.Show();
    skin.SkinWindow(form.hWnd());
    desktop.Pump();
    // A fresh DC's background colour.
    constexpr std::uint32_t background = 0xFFFFFF;
    for (const Case& c : cases) {
        const int top = 50;
        const int right = c.left + 79;
        const int bottom = top + 19;
        for (const auto& [x, y] : {std::pair{c.left, top},
                                   {right, top},
                                   {c.left, bottom},
                                   {right, bottom},
                                   {c.left + 40, top},
                                   {c.left, top + 10}}) {
            EXPECT_EQ(Shown(form.hWnd(), x, y), c.line) << c.box << " " << x << "," << y;
        }
        // The inner ring of the old edge; the next one is the client area's own edge, which
        // the text box paints itself.
        EXPECT_EQ(Shown(form.hWnd(), c.left + 1, top + 10), background) << c.box;
        EXPECT_EQ(Shown(form.hWnd(), c.left + 40, bottom - 1), background) << c.box;
    }
}

TEST_F(SkinTest, SkinningAgainKeepsOneHookAndTheCounts) {
    frmSkinTest form;
    form.Show();
    skin.SkinWindow(form.hWnd());
    const HWND ok = form.cmdOk.hWnd();
    const win::LONG_PTR stored = Prop(ok, "PROCADDR");
    const win::LONG_PTR image = Prop(ok, "HDC0");
    const win::GdiObjectCounts objects = win::GdiLiveObjects();

    EXPECT_EQ(skin.SkinWindow(form.hWnd()), 0);
    EXPECT_EQ(skin.SkinWindow(ok), 0);
    EXPECT_EQ(skin.HookFlatBorder(form.txtName.hWnd()), 0);
    EXPECT_EQ(skin.ButtonCount(), 2);
    EXPECT_EQ(skin.ContainerCount(), 1);
    EXPECT_EQ(Prop(ok, "PROCADDR"), stored);
    EXPECT_EQ(Prop(ok, "HDC0"), image);
    EXPECT_EQ(win::GdiLiveObjects(), objects);
}

TEST_F(SkinTest, AWindowOfAnotherClassIsLeftAloneButHookedAsAChild) {
    frmSkinTest form;
    form.Show();
    const HWND picture = form.picPlain.hWnd();
    EXPECT_EQ(skin.SkinWindow(picture), 0);
    EXPECT_EQ(Prop(picture, "PROCADDR"), 0);
    EXPECT_EQ(skin.ButtonCount(), 0);

    skin.SkinWindow(form.hWnd());
    EXPECT_NE(Prop(picture, "PROCADDR"), 0);
    EXPECT_EQ(skin.ButtonCount(), 2);
    // Without a client edge the hook paints nothing of its own.
    const win::COLORREF face = win::GetSysColor(win::COLOR_BTNFACE);
    desktop.Pump();
    EXPECT_EQ(Shown(form.hWnd(), 10, 75), Rgb(face));
}

TEST_F(SkinTest, UnskinningLeavesNoObjectAndNoProperty) {
    frmSkinTest form;
    form.Show();
    const HWND ok = form.cmdOk.hWnd();
    const win::LONG_PTR own = win::GetWindowLongPtr(ok, win::GWL_WNDPROC);
    const win::LONG style = win::GetWindowLong(ok, win::GWL_STYLE);
    skin.SkinWindow(form.hWnd());
    const win::GdiObjectCounts skinned = win::GdiLiveObjects();
    // A fade is running when it goes.
    win::SetFocus(ok);
    ASSERT_TRUE(AnyTimerRuns(ok));

    EXPECT_EQ(skin.UnskinButton(ok), 1);
    EXPECT_EQ(win::EnumProps(ok, [](HWND, std::string_view, win::LONG_PTR) { return true; }), -1);
    const win::GdiObjectCounts after = win::GdiLiveObjects();
    EXPECT_EQ(after.dcs, skinned.dcs - 4);
    EXPECT_EQ(after.bitmaps, skinned.bitmaps - 4);
    EXPECT_EQ(after.regions, skinned.regions - 1);
    EXPECT_EQ(win::GetWindowLongPtr(ok, win::GWL_WNDPROC), own);
    EXPECT_EQ(win::GetWindowLong(ok, win::GWL_STYLE), style);
    EXPECT_EQ(skin.ButtonCount(), 1);
    EXPECT_EQ(skin.UnskinButton(ok), 0);
    // No fade tick reaches it any more.
    desktop.Advance(100);
    EXPECT_EQ(win::GetProp(ok, "ALPHALEVEL"), 0);
}

TEST_F(SkinTest, UnskinningMasksTheLowByteOfTheStyle) {
    struct Case {
        win::LONG before;
        win::LONG after;
    };
    const Case cases[] = {
        {win::WS_CHILD | win::WS_VISIBLE | 0x0B, win::WS_CHILD | win::WS_VISIBLE | 0x00},
        {win::WS_CHILD | win::WS_VISIBLE | 0x1B, win::WS_CHILD | win::WS_VISIBLE | 0x10},
        {win::WS_CHILD | win::WS_VISIBLE | 0xFB, win::WS_CHILD | win::WS_VISIBLE | 0xF0},
    };
    frmSkinTest form;
    form.Show();
    const HWND ok = form.cmdOk.hWnd();
    for (const Case& c : cases) {
        skin.SkinButton(ok);
        win::SetWindowLong(ok, win::GWL_STYLE, c.before);
        skin.UnskinButton(ok);
        EXPECT_EQ(win::GetWindowLong(ok, win::GWL_STYLE), c.after) << std::hex << c.before;
    }
}

TEST_F(SkinTest, TheLastButtonAndContainerFreeTheSkinAndTheNextSkinningBuildsIt) {
    const win::GdiObjectCounts before = win::GdiLiveObjects();
    {
        frmSkinTest form;
        form.Show();
        const win::GdiObjectCounts shown = win::GdiLiveObjects();
        skin.SkinWindow(form.hWnd());
        EXPECT_TRUE(skin.SkinDc());
        // The button goes first: the form still holds the skin.
        win::DestroyWindow(form.cmdOk.hWnd());
        win::DestroyWindow(form.cmdOff.hWnd());
        EXPECT_EQ(skin.ButtonCount(), 0);
        EXPECT_TRUE(skin.Initialised());
        EXPECT_EQ(win::GetObjectType(skin.SkinDc()), win::OBJ_MEMDC);
        form.Unload();
        EXPECT_EQ(skin.ContainerCount(), 0);
        EXPECT_FALSE(skin.Initialised());
        EXPECT_FALSE(skin.SkinDc());
        EXPECT_LE(win::GdiLiveObjects().Total(), shown.Total());
    }
    EXPECT_EQ(win::GdiLiveObjects(), before);

    frmSkinTest again("frmAgain");
    again.Show();
    EXPECT_EQ(skin.SkinWindow(again.hWnd()), 1);
    EXPECT_TRUE(skin.Initialised());
    EXPECT_EQ(SkinPixel(0, 4, 0), 0x1B8FD5u);
    EXPECT_EQ(StatePixel(again.cmdOk.hWnd(), 0, 4, 0), 0x1B8FD5u);
}

// A control's own procedure still hears of its destruction once the hook is gone.
TEST_F(SkinTest, DestructionReachesTheHookedWindowsOwnProcedure) {
    frmSkinTest form;
    form.Show();
    std::vector<std::string> heard;
    struct Watch {
        HWND window;
        std::string name;
        win::LONG_PTR own;
    };
    std::vector<Watch> watches = {{form.hWnd(), "form", 0},
                                  {form.cmdOk.hWnd(), "button", 0},
                                  {form.txtName.hWnd(), "text", 0}};
    std::vector<win::WindowProcedure> procedures;
    for (Watch& watch : watches) {
        watch.own = win::GetWindowLongPtr(watch.window, win::GWL_WNDPROC);
        procedures.emplace_back([&heard, watch](HWND window, win::UINT message, win::WPARAM wParam,
                                                win::LPARAM lParam) {
            if (message == win::WM_DESTROY) {
                heard.push_back(watch.name);
            }
            return win::CallWindowProc(win::WNDPROC::FromLongPtr(watch.own), window, message,
                                       wParam, lParam);
        });
        win::SetWindowLongPtr(watch.window, win::GWL_WNDPROC, procedures.back().Get().ToLongPtr());
    }
    skin.SkinWindow(form.hWnd());
    form.Unload();
    EXPECT_EQ(heard, (std::vector<std::string>{"form", "button", "text"}));
    EXPECT_EQ(skin.ContainerCount(), 0);
    EXPECT_EQ(skin.ButtonCount(), 0);
}

// Skinning spreads to every form the hooked one is activated or deactivated against.
TEST_F(SkinTest, ActivationAgainstAHookedFormSkinsTheOtherForm) {
    frmSkinTest hooked("frmHooked", 0);
    frmSkinTest later("frmLater", 300);
    frmSkinTest earlier("frmEarlier", 600);
    earlier.Show();
    hooked.Show();
    skin.SkinWindow(hooked.hWnd());
    later.Show();
    EXPECT_NE(Prop(later.hWnd(), "PROCADDR"), 0);
    EXPECT_NE(Prop(later.cmdOk.hWnd(), "PROCADDR"), 0);
    EXPECT_EQ(Prop(earlier.hWnd(), "PROCADDR"), 0);
    win::SetActiveWindow(hooked.hWnd());
    win::SetActiveWindow(earlier.hWnd());
    EXPECT_NE(Prop(earlier.cmdOk.hWnd(), "PROCADDR"), 0);
    EXPECT_EQ(skin.ContainerCount(), 3);
    EXPECT_EQ(skin.ButtonCount(), 6);
}

TEST_F(SkinTest, AHookedFormSkinsTheMessageBoxItIsDeactivatedAgainst) {
    frmSkinTest hooked;
    hooked.Show();
    skin.SkinWindow(hooked.hWnd());
    HWND box;
    std::string boxClass;
    win::LONG_PTR boxHook = 0;
    desktop.After(10, [&] {
        box = win::GetActiveWindow();
        boxClass = win::GetClassName(box);
        boxHook = Prop(box, "PROCADDR");
        desktop.TapKey(win::VK_RETURN);
    });
    win::MessageBox(hooked.hWnd(), "text", "caption", win::MB_OK);
    EXPECT_EQ(boxClass, "#32770");
    EXPECT_NE(boxHook, 0);
}

}  // namespace
}  // namespace quellan::test
