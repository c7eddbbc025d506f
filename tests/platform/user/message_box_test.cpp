#include <gtest/gtest.h>

#include "recording_window.h"

namespace win::test {
namespace {

class MessageBoxTest : public RecordingTest {
protected:
    MessageBoxTest() { owner = Make("owner", WS_POPUP | WS_VISIBLE, {100, 100, 500, 400}); }

    static HWND Box() { return FindWindow("#32770", "提示"); }
    void At(std::int64_t when, std::function<void()> action) {
        desktop.Host().At(desktop.Host().NowMilliseconds() + when, std::move(action));
    }
    void Key(int key) {
        desktop.Host().KeyDown(key);
        desktop.Host().KeyUp(key);
    }

    HWND owner;
};

TEST_F(MessageBoxTest, ModalUntilOkAndTheOwnerComesBack) {
    bool ownerDisabledMeanwhile = false;
    bool boxActive = false;
    RECT boxRect{};
    At(10, [&] {
        ownerDisabledMeanwhile = !IsWindowEnabled(owner);
        boxActive = GetActiveWindow() == Box();
        GetWindowRect(Box(), &boxRect);
        Key(VK_RETURN);
    });
    EXPECT_EQ(MessageBox(owner, "无法保存流量总数", "提示", MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_TRUE(ownerDisabledMeanwhile);
    EXPECT_TRUE(boxActive);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_FALSE(Box());
    // Centred on its owner.
    EXPECT_EQ((boxRect.left + boxRect.right) / 2, 300);
    EXPECT_EQ((boxRect.top + boxRect.bottom) / 2, 250);
}

TEST_F(MessageBoxTest, ClicksOnTheOwnerAreRefusedWhileItIsOpen) {
    int ownerClicks = 0;
    onMessage = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (window == owner && message == WM_LBUTTONDOWN) {
            ++ownerClicks;
        }
        return std::nullopt;
    };
    At(10, [&] {
        RECT rect;
        GetWindowRect(Box(), &rect);
        // Away from the box, on the owner.
        desktop.Host().Click({rect.left - 50 > 100 ? rect.left - 50 : 110, 110});
    });
    At(20, [&] { desktop.Host().RequestClose(desktop.NativeOf(Box())); });
    EXPECT_EQ(MessageBox(owner, "text", "提示", MB_OK), IDOK);
    EXPECT_EQ(ownerClicks, 0);
}

TEST_F(MessageBoxTest, OkCancelAnswersWithTheButtonPressed) {
    At(10, [&] { Key(VK_ESCAPE); });
    EXPECT_EQ(MessageBox(owner, "text", "提示", MB_OKCANCEL), IDCANCEL);
    At(10, [&] {
        RECT client;
        GetClientRect(Box(), &client);
        // The OK button, left of the gap in the middle of the bottom row.
        POINT ok{client.right / 2 - 4 - 75 / 2, client.bottom - 12 - 11};
        ClientToScreen(Box(), &ok);
        desktop.Host().Click({ok.x, ok.y});
    });
    EXPECT_EQ(MessageBox(owner, "text", "提示", MB_OKCANCEL), IDOK);
    EXPECT_EQ(MessageBox(owner, "text", "提示", 3), 0);
}

TEST_F(MessageBoxTest, TheTextAndIconAreDrawn) {
    std::uint32_t iconPixel = 0;
    int inked = 0;
    At(10, [&] {
        const HWND box = Box();
        RECT client;
        GetClientRect(box, &client);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        const std::uint32_t background = (std::uint32_t{GetRValue(face)} << 16) |
                                         (std::uint32_t{GetGValue(face)} << 8) | GetBValue(face);
        // Content coordinates of a decorated window start at its client area.
        iconPixel = desktop.PresentedPixel(box, 12 + 16, 12 + 4);
        for (int x = 56; x < client.right - 12; ++x) {
            for (int y = 12; y < 26; ++y) {
                inked += desktop.PresentedPixel(box, x, y) != background ? 1 : 0;
            }
        }
        Key(VK_SPACE);
    });
    MessageBox(owner, "文本", "提示", MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(iconPixel, 0x0046C8u);
    EXPECT_GT(inked, 10);
}

}  // namespace
}  // namespace win::test
