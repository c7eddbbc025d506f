#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "button/render/button_content.h"
#include "button/render/redraw_button.h"
#include "platform/host/headless/headless_host.h"
#include "platform/user/module_exports.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"
#include "render_test_support.h"
#include "stand_in_button.h"

namespace quellan::testing {
namespace {

constexpr int kW = 105;
constexpr int kH = 25;

// A visual style that paints each push-button state in its own flat colour and cuts the top
// row's two end pixels off its shape.
class FlatTheme final : public win::host::Theme {
public:
    static std::uint32_t ColourOf(win::host::PushButtonState state) {
        return 0x102030u * (static_cast<std::uint32_t>(state) + 1);
    }
    void DrawPushButton(win::host::PixelTarget target, win::host::Rect bounds,
                        win::host::PushButtonState state) override {
        for (int y = bounds.top; y < bounds.bottom; ++y) {
            for (int x = bounds.left; x < bounds.right; ++x) {
                target.pixels[y * target.stride + x] = ColourOf(state);
            }
        }
    }
    std::vector<win::host::Span> PushButtonShape(win::host::Size size,
                                                 win::host::PushButtonState) override {
        std::vector<win::host::Span> spans{{0, 1, size.width - 1}};
        for (int y = 1; y < size.height; ++y) {
            spans.push_back({y, 0, size.width});
        }
        return spans;
    }
};

win::LRESULT PlainProcedure(win::HWND window, win::UINT message, win::WPARAM wParam,
                            win::LPARAM lParam) {
    return win::DefWindowProc(window, message, wParam, lParam);
}

class ThemedStyleTest : public ::testing::Test {
protected:
    ThemedStyleTest() {
        desktop.Host().SetTheme(&theme);
        win::WNDCLASS windowClass;
        windowClass.lpfnWndProc = &PlainProcedure;
        windowClass.lpszClassName = "ThemeProbe";
        win::RegisterClass(windowClass);
        window = win::CreateWindowEx(0, "ThemeProbe", "", win::WS_POPUP, 0, 0, kW, kH, nullptr);
    }
    ~ThemedStyleTest() override {
        win::DestroyWindow(window);
        win::UnregisterClass("ThemeProbe");
        desktop.Host().SetTheme(nullptr);
    }

    win::testing::HeadlessDesktop desktop;
    FlatTheme theme;
    win::HWND window;
};

TEST_F(ThemedStyleTest, EachStatePaintsItsThemePart) {
    using win::host::PushButtonState;
    const struct {
        const char* name;
        std::int32_t state;
        bool enabled;
        bool focus;
        bool parentActive;
        PushButtonState expected;
    } cases[] = {
        {"normal", StateNormal, true, false, true, PushButtonState::Normal},
        {"hot", StateHot, true, false, true, PushButtonState::Hot},
        {"down", StateDown, true, false, true, PushButtonState::Pressed},
        {"disabled", StateHot, false, false, true, PushButtonState::Disabled},
        {"default", StateNormal, true, true, true, PushButtonState::Default},
        {"focused in an inactive window", StateNormal, true, true, false, PushButtonState::Normal},
    };
    for (const auto& c : cases) {
        StandInButton button(kW, kH, window);
        button.buttonStyle = StyleSystemTheme;
        button.themeInUse = true;
        button.surfaceBackColor = 0x0000FF;
        button.drawState = c.state;
        button.enabled = c.enabled;
        button.hasFocus = c.focus;
        button.parentActive = c.parentActive;
        win::SetWindowRgn(window, nullptr, false);
        const win::GdiObjectCounts before = win::GdiLiveObjects();
        RedrawButton(button);
        EXPECT_EQ(button.Pixel(50, 12), FlatTheme::ColourOf(c.expected)) << c.name;
        EXPECT_EQ(button.Pixel(0, 0), FlatTheme::ColourOf(c.expected)) << c.name;
        EXPECT_EQ(button.surfaceBackColor, Sys(win::COLOR_BTNFACE)) << c.name;
        EXPECT_EQ(button.buttonStyle, StyleSystemTheme);
        EXPECT_EQ(button.fallBacks, 0);
        // The window now owns one region; nothing else is left behind.
        win::GdiObjectCounts after = win::GdiLiveObjects();
        EXPECT_EQ(after.regions, before.regions + 1) << c.name;
        after.regions = before.regions;
        EXPECT_EQ(after, before) << c.name;
    }
}

TEST_F(ThemedStyleTest, WindowTakesTheShapeOfTheEnlargedPart) {
    StandInButton button(kW, kH, window);
    button.buttonStyle = StyleSystemTheme;
    button.themeInUse = true;
    RedrawButton(button);
    const win::HRGN region = win::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(win::GetWindowRgn(window, region), win::ERROR);
    // The part covers (-1, -1, W + 1, H + 2); its top row lacks its two end pixels.
    win::RECT box;
    win::GetRgnBox(region, &box);
    EXPECT_EQ(box, (win::RECT{-1, -1, kW + 1, kH + 2}));
    EXPECT_FALSE(win::PtInRegion(region, -1, -1));
    EXPECT_TRUE(win::PtInRegion(region, 0, -1));
    EXPECT_FALSE(win::PtInRegion(region, kW, -1));
    EXPECT_TRUE(win::PtInRegion(region, -1, 0));
    win::DeleteObject(region);
}

TEST_F(ThemedStyleTest, ThemeLibraryExportsItsCallsWhileThereIsATheme) {
    const win::HMODULE library = win::LoadLibrary("uxtheme.dll");
    ASSERT_TRUE(library);
    for (const char* name : {"IsAppThemed", "OpenThemeData", "CloseThemeData",
                             "GetThemeBackgroundRegion", "DrawThemeBackground"}) {
        EXPECT_NE(win::GetProcAddress(library, name), nullptr) << name;
    }
    win::FreeLibrary(library);
    EXPECT_TRUE(win::IsAppThemed());
    EXPECT_FALSE(win::OpenThemeData(window, "Edit"));
    const win::HTHEME theme = win::OpenThemeData(window, "Edit; Button");
    ASSERT_TRUE(theme);
    EXPECT_EQ(win::CloseThemeData(theme), win::S_OK);
    EXPECT_NE(win::CloseThemeData(theme), win::S_OK);
    desktop.Host().SetTheme(nullptr);
    EXPECT_FALSE(win::IsAppThemed());
    EXPECT_FALSE(win::OpenThemeData(window, "Button"));
}

TEST(ThemedCaption, StaysFourPixelsInsideTheEdge) {
    StandInButton button(kW, kH);
    button.buttonStyle = StyleSystemTheme;
    button.caption = "A caption far too long for this button";
    button.captionAlign = CaptionLeft;
    const ContentLayout layout = DrawButtonContent(button, StateNormal);
    EXPECT_EQ(layout.caption.left, 4);
    EXPECT_GE(layout.caption.top, 4);
    EXPECT_LE(layout.caption.right, kW - 4);
    EXPECT_LE(layout.caption.bottom, kH - 4);
    button.buttonStyle = StyleRoundedGradient;
    EXPECT_EQ(DrawButtonContent(button, StateNormal).caption.left, 2);
}

}  // namespace
}  // namespace quellan::testing
