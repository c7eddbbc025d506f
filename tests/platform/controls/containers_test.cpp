#include "control_test.h"
#include "platform/controls/button.h"
#include "platform/controls/frame.h"
#include "platform/controls/picture_box.h"

namespace win::controls::test {
namespace {

using ContainersTest = ControlTest;

TEST_F(ContainersTest, FrameHasAnEtchedBorderAndPassesNotificationsOn) {
    const HWND frame = MakeChild(kFrameClassName, "", 0, {10, 10, 210, 110}, 20);
    EXPECT_EQ(PixelOf(frame, 0, 0), SysPixel(COLOR_3DSHADOW));
    EXPECT_EQ(PixelOf(frame, 1, 1), SysPixel(COLOR_3DHILIGHT));
    EXPECT_EQ(PixelOf(frame, 100, 50), SysPixel(COLOR_3DFACE));
    const HWND button = CreateWindowEx(0, kButtonClassName, "内", WS_CHILD | WS_VISIBLE, 10, 10, 80,
                                       24, frame, HMENU::FromValue(21));
    desktop.Pump();
    EXPECT_EQ(PixelOf(frame, 50, 22), SysPixel(COLOR_BTNFACE));
    ClickAt(button, 40, 12);
    EXPECT_EQ(TakeNotifications(), (std::vector<Notification>{{BN_CLICKED, button}}));
}

TEST_F(ContainersTest, PictureBoxKeepsWhatWasDrawnOnItsSurface) {
    const GdiObjectCounts before = GdiLiveObjects();
    const HWND picture =
        MakeChild(kPictureBoxClassName, "", 0, {10, 10, 110, 60}, 22, WS_EX_CLIENTEDGE);
    SendMessage(picture, PBM_SETBKCOLOR, RGB(0, 0, 0), 0);
    const HDC surface = GetPictureBoxSurface(picture);
    ASSERT_TRUE(surface);
    const HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    const RECT line{10, 10, 30, 12};
    FillRect(surface, &line, green);
    DeleteObject(green);
    InvalidateRect(picture, nullptr, false);
    desktop.Pump();
    EXPECT_EQ(PixelOf(picture, 15, 11), 0x00FF00u);
    EXPECT_EQ(PixelOf(picture, 50, 30), 0x000000u);

    // Painted over by something else and repainted: the drawing comes back from the surface.
    const HDC window = GetDC(picture);
    const RECT all{0, 0, 96, 46};
    FillRect(window, &all, GetSysColorBrush(COLOR_HIGHLIGHT));
    ReleaseDC(picture, window);
    InvalidateRect(picture, nullptr, true);
    desktop.Pump();
    EXPECT_EQ(PixelOf(picture, 15, 11), 0x00FF00u);

    // The single border is a sunken edge outside the client area.
    RECT frame;
    GetWindowRect(picture, &frame);
    EXPECT_EQ(Pixel(frame.left - kFormOrigin.x, frame.top - kFormOrigin.y),
              SysPixel(COLOR_3DSHADOW));

    // Growing keeps the drawing and gives the new part the background.
    MoveWindow(picture, 10, 10, 200, 100, true);
    desktop.Pump();
    EXPECT_EQ(PixelOf(picture, 15, 11), 0x00FF00u);
    EXPECT_EQ(PixelOf(picture, 150, 80), 0x000000u);

    SendMessage(picture, PBM_SETBKCOLOR, RGB(0, 0, 255), 0);
    desktop.Pump();
    EXPECT_EQ(PixelOf(picture, 15, 11), 0x0000FFu);
    SendMessage(picture, PBM_SETBKCOLOR, 0x80000000u | COLOR_HIGHLIGHT, 0);
    desktop.Pump();
    EXPECT_EQ(PixelOf(picture, 15, 11), SysPixel(COLOR_HIGHLIGHT));
    EXPECT_EQ(GetPictureBoxSurface(form), HDC());
    DestroyWindow(picture);
    desktop.Pump();
    EXPECT_EQ(GdiLiveObjects(), before);
}

}  // namespace
}  // namespace win::controls::test
