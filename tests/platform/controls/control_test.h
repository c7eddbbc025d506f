#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls/standard_controls.h"
#include "platform/gdi/gdi.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"

namespace win::controls::test {

// One notification the form heard: WM_COMMAND's code and the control that sent it.
struct Notification {
    WORD code = 0;
    HWND control;
    bool operator==(const Notification&) const = default;
};

// A visible form at (100, 100) on a headless desktop, with the standard controls registered.
// It records the WM_COMMAND notifications it gets and lets a test answer any message.
class ControlTest : public ::testing::Test {
protected:
    static constexpr POINT kFormOrigin{100, 100};

    ControlTest();
    ~ControlTest() override;

    HWND MakeChild(const char* className, const std::string& text, DWORD style, RECT rect,
                   int id = 100, DWORD exStyle = 0);
    // Pixel of the form's backing store as the desktop shows it, form coordinates.
    std::uint32_t Pixel(int x, int y) { return desktop.PresentedPixel(form, x, y); }
    std::uint32_t PixelOf(HWND control, int x, int y);
    POINT ScreenPoint(HWND control, int x, int y);
    void ClickAt(HWND control, int x, int y);
    void Press(int key);
    void PressWith(int modifier, int key);
    std::vector<Notification> TakeNotifications();

    testing::HeadlessDesktop desktop;
    HWND form;
    std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> onFormMessage;

private:
    static LRESULT FormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static ControlTest* current_;
    std::vector<Notification> notifications_;
};

// 0x00RRGGBB as pixels are stored, from a COLORREF.
std::uint32_t PixelColour(COLORREF colour);
std::uint32_t SysPixel(int index);

}  // namespace win::controls::test
