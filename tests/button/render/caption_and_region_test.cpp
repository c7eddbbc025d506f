#include <gtest/gtest.h>

#include <set>
#include <string>

#include "button/render/button_region.h"
#include "button/render/caption_drawing.h"
#include "button/render/redraw_button.h"
#include "platform/user/icon_drawing.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"
#include "render_test_support.h"
#include "stand_in_button.h"

namespace quellan::testing {
namespace {

constexpr int kW = 105;
constexpr int kH = 25;

std::set<std::uint32_t> Colours(const StandInButton& button) {
    std::set<std::uint32_t> colours;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            colours.insert(button.Pixel(x, y));
        }
    }
    return colours;
}

bool SameSurface(const StandInButton& a, const StandInButton& b) {
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            if (a.Pixel(x, y) != b.Pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

// The caption "WWW" drawn with an effect on a cleared surface of the given colour.
void DrawWithEffect(StandInButton& button, win::COLORREF back, std::int32_t effect, bool enabled) {
    button.surfaceBackColor = back;
    button.backColor = back;
    button.caption = "WWW";
    button.captionEffects = effect;
    button.enabled = enabled;
    button.foreColor = 0x0000FF;
    button.ClearSurface();
    win::SetBkMode(button.SurfaceDC(), win::TRANSPARENT);
    DrawCaptionEffects(button, win::RECT{30, 5, 75, 20});
}

TEST(CaptionEffects, EachEffectDrawsItsCopiesInItsColour) {
    const struct {
        std::int32_t effect;
        win::COLORREF back;
        win::COLORREF copy;
    } cases[] = {
        {CaptionEffectEmbossed, 0x808080, ShiftColor(0x808080, 0.14f)},
        {CaptionEffectEngraved, 0x808080, ShiftColor(0x808080, 0.14f)},
        {CaptionEffectShadow, 0x808080, 0xC0C0C0},
        {CaptionEffectRaised, 0x808080, ShiftColor(0x808080, 0.1f)},
        {CaptionEffectOutline, 0x808080, ShiftColor(0x808080, -0.1f)},
    };
    for (const auto& c : cases) {
        StandInButton button(kW, kH);
        DrawWithEffect(button, c.back, c.effect, true);
        const auto colours = Colours(button);
        EXPECT_TRUE(colours.contains(Raw(c.copy))) << c.effect;
        EXPECT_TRUE(colours.contains(Raw(0x0000FF))) << c.effect;
    }
}

TEST(CaptionEffects, CopiesThatMatchTheBackgroundVanish) {
    // Engraved on white: 255 + 35.7 clamps to white. Outline on black: the copies are black.
    for (auto [effect, back] : {std::pair{CaptionEffectEngraved, win::COLORREF{0xFFFFFF}},
                                {CaptionEffectOutline, win::COLORREF{0}}}) {
        StandInButton with(kW, kH);
        StandInButton without(kW, kH);
        DrawWithEffect(with, back, effect, true);
        DrawWithEffect(without, back, CaptionEffectNone, true);
        EXPECT_TRUE(SameSurface(with, without)) << effect;
    }
}

TEST(CaptionEffects, DisabledShadowIsSilverUnderGreyText) {
    StandInButton button(kW, kH);
    DrawWithEffect(button, 0xFFFFFF, CaptionEffectShadow, false);
    const auto colours = Colours(button);
    EXPECT_TRUE(colours.contains(0xC0C0C0u));
    EXPECT_TRUE(colours.contains(Raw(Sys(win::COLOR_GRAYTEXT))));
    EXPECT_FALSE(colours.contains(Raw(0x0000FF)));
}

TEST(CaptionText, LeavesTheTextColourAndReleasesEverything) {
    StandInButton button(kW, kH);
    button.caption = "A && B";
    win::SetTextColor(button.SurfaceDC(), 0x123456);
    const win::GdiObjectCounts before = win::GdiLiveObjects();
    DrawCaptionText(button, win::RECT{0, 0, kW, kH}, 0x0000FF, 1, 1);
    EXPECT_EQ(win::GetTextColor(button.SurfaceDC()), 0x123456u);
    EXPECT_EQ(win::GdiLiveObjects(), before);
}

TEST(DropDownSymbol, FirstDigitOfTheValueChoosesTheGlyph) {
    auto draw = [](StandInButton& button, std::int32_t symbol) {
        button.ClearSurface();
        win::SetTextColor(button.SurfaceDC(), 0);
        win::SetBkMode(button.SurfaceDC(), win::TRANSPARENT);
        const win::GdiObjectCounts before = win::GdiLiveObjects();
        DrawDropDownSymbol(button, win::RECT{kW - 15, 6, kW, 20}, symbol);
        EXPECT_EQ(win::GdiLiveObjects(), before);
    };
    StandInButton three(kW, kH);
    StandInButton thirtySix(kW, kH);
    StandInButton six(kW, kH);
    draw(three, 3);
    draw(thirtySix, 36);
    draw(six, 6);
    EXPECT_TRUE(SameSurface(three, thirtySix));
    EXPECT_FALSE(SameSurface(three, six));
    EXPECT_TRUE(Colours(six).contains(0u));
}

TEST(SymbolFont, IsMarlettInTheSymbolSet) {
    const win::HFONT font = CreateSymbolFont(14);
    win::LOGFONT description;
    ASSERT_NE(win::GetObject(font, &description), 0);
    EXPECT_EQ(description.lfFaceName, "Marlett");
    EXPECT_EQ(description.lfHeight, 14);
    EXPECT_EQ(description.lfCharSet, win::SYMBOL_CHARSET);
    EXPECT_EQ(description.lfWeight, 0);
    win::DeleteObject(font);
}

TEST(DrawIconEx, FlickerFreeBrushShowsWhereTheIconIsTransparent) {
    StandInButton surface(4, 1);
    surface.ClearSurface();
    win::png::PngImage image{2, 1, 32, {0x00000000, 0xFF00FF00}};
    const auto icon = win::forms::StdPicture::FromImage(image, win::forms::PictureType::Icon);
    const win::HBRUSH brush = win::CreateSolidBrush(0x0000FF);
    const win::GdiObjectCounts before = win::GdiLiveObjects();
    EXPECT_TRUE(
        win::DrawIconEx(surface.SurfaceDC(), 1, 0, icon->Handle(), 2, 1, 0, brush, win::DI_NORMAL));
    EXPECT_EQ(win::GdiLiveObjects(), before);
    win::DeleteObject(brush);
    EXPECT_EQ(surface.Pixel(1, 0), 0xFF0000u);
    EXPECT_EQ(surface.Pixel(2, 0), 0x00FF00u);
    EXPECT_EQ(surface.Pixel(3, 0), Raw(Sys(win::COLOR_BTNFACE)));
    EXPECT_TRUE(win::DrawIconEx(surface.SurfaceDC(), 0, 0, icon->Handle(), 0, 0, 0, nullptr,
                                win::DI_NORMAL));
    EXPECT_EQ(surface.Pixel(0, 0), Raw(Sys(win::COLOR_BTNFACE)));
}

// ---- the window region, on a real window

win::LRESULT PlainProcedure(win::HWND window, win::UINT message, win::WPARAM wParam,
                            win::LPARAM lParam) {
    return win::DefWindowProc(window, message, wParam, lParam);
}

class ButtonRegionTest : public ::testing::Test {
protected:
    ButtonRegionTest() {
        win::WNDCLASS windowClass;
        windowClass.lpfnWndProc = &PlainProcedure;
        windowClass.lpszClassName = "RegionProbe";
        win::RegisterClass(windowClass);
        window = win::CreateWindowEx(0, "RegionProbe", "", win::WS_POPUP, 0, 0, kW, kH, nullptr);
    }
    ~ButtonRegionTest() override {
        win::DestroyWindow(window);
        win::UnregisterClass("RegionProbe");
    }
    // The shape the platform gives a round rectangle of this corner size; kept in one place so
    // it follows the platform's corner rule.
    static win::HRGN ExpectedShape(int ellipse) {
        return ellipse == 0 ? win::CreateRectRgn(0, 0, kW, kH)
                            : win::CreateRoundRectRgn(0, 0, kW + 1, kH + 1, ellipse, ellipse);
    }
    bool HasShape(int ellipse) const {
        const win::HRGN actual = win::CreateRectRgn(0, 0, 0, 0);
        const win::HRGN expected = ExpectedShape(ellipse);
        const bool same =
            win::GetWindowRgn(window, actual) != win::ERROR && win::EqualRgn(actual, expected);
        win::DeleteObject(actual);
        win::DeleteObject(expected);
        return same;
    }

    win::testing::HeadlessDesktop desktop;
    win::HWND window;
};

TEST_F(ButtonRegionTest, EachStyleShapesTheWindowAtItsNormalPaint) {
    const struct {
        std::int32_t style;
        int ellipse;
    } cases[] = {{StyleStandard, 0},     {StyleFlat, 0},           {StyleRoundedGradient, 3},
                 {StyleBlueGradient, 3}, {StyleAmberHighlight, 0}, {StyleSoftPanel, 4},
                 {StyleSteelFrame, 3},   {StyleWhiteGloss, 3},     {StyleSoftGloss, 4},
                 {StyleFlatHotEdge, 0},  {StyleFlatThinEdge, 0}};
    for (const auto& c : cases) {
        StandInButton button(kW, kH, window);
        win::SetWindowRgn(window, nullptr, false);
        button.buttonStyle = c.style;
        const int regionsBefore = win::GdiLiveObjects(win::GdiObjectKind::Region);
        RedrawButton(button);
        EXPECT_TRUE(HasShape(c.ellipse)) << c.style;
        // The window holds exactly the one region it was given.
        EXPECT_EQ(win::GdiLiveObjects(win::GdiObjectKind::Region), regionsBefore + 1) << c.style;
        if (c.ellipse != 0) {
            const win::HRGN shape = win::CreateRectRgn(0, 0, 0, 0);
            win::GetWindowRgn(window, shape);
            EXPECT_FALSE(win::PtInRegion(shape, 0, 0)) << c.style;
            EXPECT_TRUE(win::PtInRegion(shape, kW / 2, kH / 2)) << c.style;
            win::DeleteObject(shape);
        }
    }
}

TEST_F(ButtonRegionTest, StylesThatKeepTheirRegionLeaveItAlone) {
    for (std::int32_t style : {StyleToolbarHighlight, StyleOrangeGloss}) {
        StandInButton button(kW, kH, window);
        button.buttonStyle = StyleSoftPanel;
        ApplyButtonRegion(button);
        button.buttonStyle = style;
        RedrawButton(button);
        EXPECT_TRUE(HasShape(4)) << style;
    }
}

TEST_F(ButtonRegionTest, FlatToSoftPanelRoundsAtTheNextNormalPaint) {
    StandInButton button(kW, kH, window);
    button.buttonStyle = StyleFlat;
    RedrawButton(button);
    EXPECT_TRUE(HasShape(0));
    button.buttonStyle = StyleSoftPanel;
    button.drawState = StateHot;
    RedrawButton(button);
    EXPECT_TRUE(HasShape(0));
    button.drawState = StateNormal;
    RedrawButton(button);
    EXPECT_TRUE(HasShape(4));
}

TEST(ButtonRegion, WithoutAWindowTheRegionIsNotLeaked) {
    StandInButton button(kW, kH);
    button.buttonStyle = StyleSoftGloss;
    const win::GdiObjectCounts before = win::GdiLiveObjects();
    ApplyButtonRegion(button);
    EXPECT_EQ(win::GdiLiveObjects(), before);
}

}  // namespace
}  // namespace quellan::testing
