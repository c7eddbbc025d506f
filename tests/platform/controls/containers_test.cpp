#include "control_test.h"
#include "platform/controls/button.h"
#include "platform/controls/frame.h"
#include "platform/controls/message_box.h"
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
    EXPECT_EQ(GetPictureBoxSurface(form), HDC());
    DestroyWindow(picture);
    desktop.Pump();
    EXPECT_EQ(GdiLiveObjects(), before);
}

class MessageBoxTest : public ControlTest {
protected:
    static HWND Box() { return FindWindow(kMessageBoxClassName, "Quellan"); }
    void WhileShown(std::int64_t after, std::function<void()> step) {
        desktop.Host().At(desktop.Host().NowMilliseconds() + after, std::move(step));
    }
};

TEST_F(MessageBoxTest, ModalUntilEnterWithTimersRunning) {
    int ticks = 0;
    onFormMessage = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        ticks += message == WM_TIMER ? 1 : 0;
        return std::nullopt;
    };
    SetTimer(form, 3, 100, nullptr);
    bool ownerDisabled = false;
    std::uint32_t iconPixel = 0;
    WhileShown(500, [&] {
        const HWND box = Box();
        ownerDisabled = IsWindow(box) && !IsWindowEnabled(form);
        iconPixel = desktop.PresentedPixel(box, 12 + 4, 12 + 16);
        desktop.Host().KeyDown(VK_RETURN);
        desktop.Host().KeyUp(VK_RETURN);
    });
    EXPECT_EQ(MessageBox(form, "无法保存流量总数。", "Quellan", MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_EQ(iconPixel, 0x0054E3u);
    EXPECT_GE(ticks, 4);
    EXPECT_FALSE(Box());
    EXPECT_TRUE(IsWindowEnabled(form));
    KillTimer(form, 3);
}

TEST_F(MessageBoxTest, ItsButtonClosesIt) {
    WhileShown(50, [&] {
        HWND ok;
        EnumChildWindows(
            Box(),
            [&](HWND child, LPARAM) {
                ok = child;
                return false;
            },
            0);
        EXPECT_EQ(GetWindowText(ok), "确定");
        EXPECT_EQ(GetFocus(), ok);
        const POINT centre = ScreenPoint(ok, 30, 10);
        desktop.Host().Click({centre.x, centre.y});
    });
    EXPECT_EQ(MessageBox(form, "text", "Quellan", MB_OK), IDOK);
    EXPECT_FALSE(Box());
}

TEST_F(MessageBoxTest, EscapeAndTheCloseBoxCloseItToo) {
    WhileShown(50, [&] {
        desktop.Host().KeyDown(VK_ESCAPE);
        desktop.Host().KeyUp(VK_ESCAPE);
    });
    EXPECT_EQ(MessageBox(nullptr, "a", "Quellan", MB_OK), IDOK);
    WhileShown(50, [&] { PostMessage(Box(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(MessageBox(form, "b", "Quellan", MB_OK), IDOK);
    EXPECT_FALSE(Box());
}

}  // namespace
}  // namespace win::controls::test
