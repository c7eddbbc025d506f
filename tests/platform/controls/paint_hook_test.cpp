#include <string>

#include "control_test.h"
#include "platform/controls/button.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/frame.h"
#include "platform/controls/picture_box.h"

namespace win::controls::test {
namespace {

// Replaces each control's WM_PAINT and passes everything else to the class procedure, the way
// the skinning hooks do.
WNDPROC gClassProcedure;
int gHookedPaints = 0;

LRESULT YellowPaintHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) {
        return CallWindowProc(gClassProcedure, window, message, wParam, lParam);
    }
    ++gHookedPaints;
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
    FillRect(dc, &client, yellow);
    DeleteObject(yellow);
    EndPaint(window, &paint);
    return 0;
}

class PaintHookTest : public ControlTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(PaintHookTest, HookSeesAndReplacesThePainting) {
    const HWND control = MakeChild(GetParam(), "", 0, {20, 20, 140, 44}, 40);
    ASSERT_TRUE(control);
    EXPECT_NE(PixelOf(control, 60, 12), 0xFFFF00u);
    gHookedPaints = 0;
    gClassProcedure = WNDPROC::FromLongPtr(
        SetWindowLongPtr(control, GWL_WNDPROC, WNDPROC(&YellowPaintHook).ToLongPtr()));
    InvalidateRect(control, nullptr, true);
    desktop.Pump();
    EXPECT_GT(gHookedPaints, 0);
    EXPECT_EQ(PixelOf(control, 60, 12), 0xFFFF00u);
    // The class still answers what the hook passes on.
    EXPECT_EQ(SendMessage(control, WM_GETFONT, 0, 0), 0);
    SetWindowLongPtr(control, GWL_WNDPROC, gClassProcedure.ToLongPtr());
    InvalidateRect(control, nullptr, true);
    desktop.Pump();
    EXPECT_NE(PixelOf(control, 60, 12), 0xFFFF00u);
}

INSTANTIATE_TEST_SUITE_P(StandardClasses, PaintHookTest,
                         ::testing::Values(kButtonClassName, kEditClassName, kComboBoxClassName,
                                           kFrameClassName, kPictureBoxClassName));

}  // namespace
}  // namespace win::controls::test
