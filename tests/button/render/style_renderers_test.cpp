#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "button/render/redraw_button.h"
#include "render_test_support.h"
#include "stand_in_button.h"

namespace quellan::testing {
namespace {

constexpr int kW = 105;
constexpr int kH = 25;

struct Probe {
    int x;
    int y;
    win::COLORREF colour;
};

struct StyleCase {
    std::string name;
    std::int32_t style;
    win::COLORREF back;
    std::int32_t state;
    std::function<void(StandInButton&)> setup;
    std::vector<Probe> probes;
};

void Checked(StandInButton& b) {
    b.mode = ModeCheck;
    b.value = true;
}
void Disabled(StandInButton& b) {
    b.enabled = false;
}
void Focused(StandInButton& b) {
    b.hasFocus = true;
}
void Plain(StandInButton&) {}

win::COLORREF S(win::COLORREF c, float f) {
    return ShiftColor(c, f);
}

std::vector<StyleCase> StandardFamilyCases() {
    const win::COLORREF face = Sys(win::COLOR_BTNFACE);
    const win::COLORREF light = Sys(win::COLOR_3DLIGHT);
    const win::COLORREF dark = Sys(win::COLOR_3DDKSHADOW);
    const win::COLORREF hilight = Sys(win::COLOR_BTNHIGHLIGHT);
    const win::COLORREF shadow = Sys(win::COLOR_BTNSHADOW);
    const win::COLORREF grey = Sys(win::COLOR_GRAYTEXT);
    const win::COLORREF appWorkspace = Sys(win::COLOR_APPWORKSPACE);
    const win::COLORREF red = 0x0000FF;
    return {
        {"standard normal",
         StyleStandard,
         face,
         StateNormal,
         Plain,
         {{50, 0, light}, {50, 1, hilight}, {50, 24, dark}, {50, 12, face}}},
        {"standard hot",
         StyleStandard,
         face,
         StateHot,
         Plain,
         {{50, 0, light}, {50, 24, dark}, {50, 12, face}}},
        {"standard down",
         StyleStandard,
         face,
         StateDown,
         Plain,
         {{50, 0, 0}, {50, 1, 0x99A8AC}, {104, 12, 0}, {50, 12, face}}},
        {"standard default button",
         StyleStandard,
         face,
         StateNormal,
         [](StandInButton& b) { b.displayAsDefault = true; },
         {{50, 0, 0},
          {104, 12, 0},
          {103, 12, appWorkspace},
          {50, 23, appWorkspace},
          {50, 24, 0},
          {50, 1, hilight}}},
        {"standard pressed default keeps the pressed frame",
         StyleStandard,
         face,
         StateDown,
         [](StandInButton& b) { b.displayAsDefault = true; },
         {{50, 1, 0x99A8AC}, {103, 12, 0x99A8AC}}},
        {"standard checked",
         StyleStandard,
         face,
         StateNormal,
         Checked,
         {{50, 12, S(face, 0.02f)}, {50, 0, shadow}, {50, 1, dark}}},
        {"standard checked with focus",
         StyleStandard,
         face,
         StateNormal,
         [](StandInButton& b) {
             Checked(b);
             b.hasFocus = b.showFocusRect = true;
         },
         {{50, 4, appWorkspace}, {4, 12, appWorkspace}, {101, 12, appWorkspace}}},
        {"standard disabled shows the cleared surface",
         StyleStandard,
         red,
         StateNormal,
         Disabled,
         {{50, 12, face}, {50, 0, light}}},
        {"flat normal",
         StyleFlat,
         face,
         StateNormal,
         Plain,
         {{50, 0, hilight}, {50, 24, shadow}, {50, 12, face}}},
        {"flat hot", StyleFlat, face, StateHot, Plain, {{50, 0, hilight}, {50, 24, shadow}}},
        {"flat down",
         StyleFlat,
         face,
         StateDown,
         Plain,
         {{50, 0, grey}, {0, 12, grey}, {104, 12, kWhite}, {50, 24, kWhite}}},
        {"flat checked",
         StyleFlat,
         face,
         StateNormal,
         Checked,
         {{50, 12, S(face, 0.02f)}, {50, 0, shadow}}},
        {"hot edge normal",
         StyleFlatHotEdge,
         face,
         StateNormal,
         Plain,
         {{50, 0, face}, {50, 24, face}}},
        {"hot edge hot", StyleFlatHotEdge, face, StateHot, Plain, {{50, 0, light}, {50, 24, dark}}},
        {"hot edge down",
         StyleFlatHotEdge,
         face,
         StateDown,
         Plain,
         {{50, 0, shadow}, {50, 1, dark}, {50, 24, hilight}}},
        {"hot edge disabled",
         StyleFlatHotEdge,
         red,
         StateNormal,
         Disabled,
         {{50, 0, face}, {50, 12, face}}},
        {"thin edge normal", StyleFlatThinEdge, face, StateNormal, Plain, {{50, 0, face}}},
        {"thin edge hot", StyleFlatThinEdge, face, StateHot, Plain, {{50, 0, hilight}}},
        {"thin edge down",
         StyleFlatThinEdge,
         face,
         StateDown,
         Plain,
         {{50, 0, grey}, {50, 24, kWhite}}},
        {"thin edge checked is only the lighter fill",
         StyleFlatThinEdge,
         face,
         StateNormal,
         Checked,
         {{50, 0, S(face, 0.02f)}, {50, 12, S(face, 0.02f)}, {104, 24, S(face, 0.02f)}}},
    };
}

std::vector<StyleCase> GradientFamilyCases() {
    const win::COLORREF face = Sys(win::COLOR_BTNFACE);
    const win::COLORREF rounded = 0xE7EBEC;
    const win::COLORREF blue = 0xFDECE0;
    const win::COLORREF amber = 0xFCE1CA;
    const win::COLORREF orange = 0xFFD1AD;
    const win::COLORREF frame = 0x743C00;
    return {
        {"rounded normal",
         StyleRoundedGradient,
         rounded,
         StateNormal,
         Plain,
         {{50, 0, frame},
          {1, 1, S(frame, 0.3f)},
          {50, 10, Ramp(S(rounded, 0.07f), rounded, 25, 10)},
          {50, 2, Ramp(S(rounded, 0.1f), S(rounded, 0.08f), 4, 2)},
          {50, 23, S(rounded, -0.09f)},
          {50, 22, S(rounded, -0.05f)},
          {50, 21, S(rounded, -0.01f)},
          {103, 10, S(rounded, -0.08f)},
          {1, 10, AverageColors(kWhite, rounded)}}},
        {"rounded hot",
         StyleRoundedGradient,
         rounded,
         StateHot,
         Plain,
         {{50, 1, 0xCFF0FF},
          {50, 2, 0x89D8FD},
          {1, 10, 0x49BDF9},
          {103, 10, 0x49BDF9},
          {2, 10, 0x7AD2FC},
          {50, 22, 0x30B3F8},
          {50, 23, 0x0097E5},
          {50, 10, Ramp(S(rounded, 0.07f), rounded, 25, 10)},
          {50, 24, frame}}},
        {"rounded down",
         StyleRoundedGradient,
         rounded,
         StateDown,
         Plain,
         {{50, 10, S(rounded, -0.05f)},
          {50, 1, S(rounded, -0.16f)},
          {50, 2, S(rounded, -0.1f)},
          {50, 23, S(rounded, 0.01f)},
          {103, 10, S(rounded, 0.04f)},
          {50, 0, frame},
          {103, 23, S(frame, 0.3f)}}},
        {"rounded disabled",
         StyleRoundedGradient,
         rounded,
         StateNormal,
         Disabled,
         {{50, 12, AverageColors(face, S(rounded, 0.1f))},
          {50, 0, S(rounded, -0.1f)},
          {1, 1, S(rounded, -0.1f)}}},
        {"rounded focus glow",
         StyleRoundedGradient,
         rounded,
         StateNormal,
         Focused,
         {{50, 2, 0xF6D4BC}, {50, 1, 0xFFE7CE}, {1, 10, 0xE6AF8E}, {2, 10, 0xF4D1B8}}},
        {"rounded focus glow only while the parent is active",
         StyleRoundedGradient,
         rounded,
         StateNormal,
         [](StandInButton& b) {
             b.hasFocus = true;
             b.parentActive = false;
         },
         {{50, 1, Ramp(S(rounded, 0.1f), S(rounded, 0.08f), 4, 1)}}},
        {"rounded olive frame",
         StyleRoundedGradient,
         0xDBEEF3,
         StateNormal,
         [](StandInButton& b) { b.colorScheme = ColorSchemeOlive; },
         {{50, 0, 0x066237}, {1, 1, S(0x066237, 0.3f)}}},
        {"rounded silver normal",
         StyleRoundedGradient,
         0xFCF1F0,
         StateNormal,
         [](StandInButton& b) { b.colorScheme = ColorSchemeSilver; },
         {{50, 5, Ramp(S(0xFCF1F0, 0.22f), 0xFCF1F0, 12, 5)},
          {50, 15, Ramp(S(0xFCF1F0, -0.01f), S(0xFCF1F0, -0.15f), 12, 3)},
          {1, 10, kWhite},
          {103, 10, kWhite}}},
        {"blue normal",
         StyleBlueGradient,
         blue,
         StateNormal,
         Plain,
         {{50, 5, Ramp(S(blue, 0.05f), blue, 25, 4)},
          {50, 15, Ramp(S(blue, -0.02f), S(blue, -0.15f), 23, 3)},
          {50, 0, 0x707070},
          {50, 1, kWhite},
          {1, 1, 0xBE965F}}},
        {"blue hot",
         StyleBlueGradient,
         blue,
         StateHot,
         Plain,
         {{50, 5, Ramp(0xFFF7E4, 0xFFF3DA, 12, 4)},
          {3, 5, Ramp(0xFFEECD, 0xFFF7E4, 5, 2)},
          {101, 5, Ramp(0xFFF7E4, 0xFFEECD, 5, 2)},
          {50, 0, 0xA77532},
          {50, 1, kWhite},
          {103, 23, 0xBE965F}}},
        {"blue down",
         StyleBlueGradient,
         blue,
         StateDown,
         Plain,
         {{50, 1, 0xB39C71},
          {50, 2, 0xD6C6A9},
          {50, 8, 0xF6E4C2},
          {50, 15, 0xF0D29A},
          {50, 0, 0x5C411D},
          {1, 1, 0xBE965F}}},
        {"blue disabled",
         StyleBlueGradient,
         blue,
         StateNormal,
         Disabled,
         {{50, 12, S(blue, 0.03f)},
          {50, 0, S(blue, -0.25f)},
          {50, 1, S(blue, 0.25f)},
          {1, 1, S(blue, -0.03f)}}},
        {"blue focused",
         StyleBlueGradient,
         blue,
         StateNormal,
         Focused,
         {{50, 0, 0xA77532}, {50, 1, 0xFBD848}}},
        {"toolbar normal",
         StyleToolbarHighlight,
         face,
         StateNormal,
         Plain,
         {{50, 12, face}, {50, 0, face}}},
        {"toolbar hot",
         StyleToolbarHighlight,
         face,
         StateHot,
         Plain,
         {{50, 12, S(0xEED2C1, 0.03f)}, {50, 0, 0xC56A31}}},
        {"toolbar down",
         StyleToolbarHighlight,
         face,
         StateDown,
         Plain,
         {{50, 12, S(0xEED2C1, -0.08f)}, {104, 12, 0xC56A31}}},
        {"toolbar checked",
         StyleToolbarHighlight,
         face,
         StateNormal,
         Checked,
         {{50, 12, S(0xEED2C1, -0.05f)}, {50, 24, 0xC56A31}}},
        {"toolbar checked under the cursor",
         StyleToolbarHighlight,
         face,
         StateNormal,
         [](StandInButton& b) {
             Checked(b);
             b.cursorOver = true;
         },
         {{50, 12, S(0xEED2C1, -0.01f)}, {50, 0, 0xC56A31}}},
        {"toolbar custom scheme",
         StyleToolbarHighlight,
         0x336699,
         StateHot,
         [](StandInButton& b) { b.colorScheme = ColorSchemeCustom; },
         {{50, 12, S(0x336699, 0.03f)}, {50, 0, S(0x336699, -0.12f)}}},
        {"amber normal",
         StyleAmberHighlight,
         amber,
         StateNormal,
         Plain,
         {{50, 5, Ramp(AverageColors(kWhite, S(amber, 0.08f)), amber, 12, 5)},
          {50, 0, AverageColors(kWhite, S(amber, 0.08f))},
          {50, 20, Ramp(amber, S(amber, -0.15f), 14, 8)}}},
        {"amber hot",
         StyleAmberHighlight,
         amber,
         StateHot,
         Plain,
         {{50, 10, Ramp(0xCCF4FF, 0x91D0FF, 25, 10)}, {50, 0, 0x800000}}},
        {"amber down",
         StyleAmberHighlight,
         amber,
         StateDown,
         Plain,
         {{50, 10, Ramp(0x4E91FE, 0x8ED3FF, 25, 10)}, {50, 24, 0x800000}}},
        {"amber checked",
         StyleAmberHighlight,
         amber,
         StateNormal,
         Checked,
         {{50, 10, Ramp(0x8CD5FF, 0x55ADFF, 25, 10)}, {50, 0, 0x800000}}},
        {"soft panel normal",
         StyleSoftPanel,
         face,
         StateNormal,
         Plain,
         {{50, 12, face}, {50, 0, face}}},
        {"soft panel hot",
         StyleSoftPanel,
         face,
         StateHot,
         Plain,
         {{50, 5, Ramp(0xFDFEFE, 0xEEF4F4, 12, 5)},
          {50, 0, 0xC3CECE},
          {50, 23, 0xC6D2D7},
          {1, 1, S(0xC9D4D4, -0.05f)}}},
        {"soft panel down",
         StyleSoftPanel,
         face,
         StateDown,
         Plain,
         {{50, 12, 0xDDE4E5},
          {50, 1, S(0xD1DADC, -0.02f)},
          {50, 0, 0x929D9D},
          {1, 1, S(0xABB4B5, -0.2f)}}},
        {"soft panel checked",
         StyleSoftPanel,
         face,
         StateNormal,
         Checked,
         {{50, 12, 0xFEFEFE}, {50, 0, 0xAF987A}, {1, 1, S(0xC1B3A0, -0.2f)}}},
        {"steel normal has no frame",
         StyleSteelFrame,
         face,
         StateNormal,
         Plain,
         {{50, 12, face}, {50, 0, face}, {1, 1, face}}},
        {"steel hot",
         StyleSteelFrame,
         face,
         StateHot,
         Plain,
         {{50, 5, Ramp(0xFDF9F1, 0xF8ECD0, 23, 4)},
          {50, 18, 0xF8ECD0},
          {50, 0, 0xCA9E61},
          {50, 1, kWhite},
          {1, 1, S(0xCA9E61, 0.3f)}}},
        {"steel down",
         StyleSteelFrame,
         face,
         StateDown,
         Plain,
         {{50, 5, Ramp(0xF1DEB0, 0xF9F1DB, 23, 4)}, {50, 0, 0xCA9E61}}},
        {"steel disabled",
         StyleSteelFrame,
         0x0000FF,
         StateNormal,
         Disabled,
         {{50, 12, 0x0000FF}, {1, 1, 0x0000FF}}},
        {"orange normal",
         StyleOrangeGloss,
         orange,
         StateNormal,
         Plain,
         {{50, 4,
           Ramp(AverageColors(S(orange, 0.09f), kWhite), AverageColors(S(orange, 0.07f), orange), 9,
                4)},
          {50, 15, Ramp(orange, S(orange, 0.03f), 16, 6)},
          {50, 0, S(orange, -0.34f)},
          {1, 1,
           Ramp(AverageColors(S(orange, 0.09f), kWhite), AverageColors(S(orange, 0.07f), orange), 9,
                1)}}},
        {"orange hot",
         StyleOrangeGloss,
         orange,
         StateHot,
         Plain,
         {{50, 4, Ramp(0xE1FFFF, 0xACEAFF, 9, 4)},
          {50, 15, Ramp(0x67D7FF, 0x99E4FF, 16, 6)},
          {104, 12, S(orange, -0.34f)}}},
        {"orange down",
         StyleOrangeGloss,
         orange,
         StateDown,
         Plain,
         {{50, 4, Ramp(0x58C1FF, 0x51AFFF, 9, 4)}, {50, 15, Ramp(0x468FFF, 0x5FD3FF, 16, 6)}}},
        {"orange checked",
         StyleOrangeGloss,
         orange,
         StateNormal,
         Checked,
         {{50, 4, Ramp(0xA9D9FF, 0x6FC0FF, 9, 4)}, {50, 15, Ramp(0x3FABFF, 0x75E1FF, 16, 6)}}},
        {"orange checked under the cursor",
         StyleOrangeGloss,
         orange,
         StateNormal,
         [](StandInButton& b) {
             Checked(b);
             b.cursorOver = true;
         },
         {{50, 4, Ramp(0x58C1FF, 0x51AFFF, 9, 4)}, {50, 0, S(orange, -0.34f)}}},
        {"white gloss normal",
         StyleWhiteGloss,
         orange,
         StateNormal,
         Plain,
         {{50, 5, Ramp(kWhite, orange, 12, 5)},
          {50, 18, orange},
          {50, 0, S(orange, -0.2f)},
          {50, 1, kWhite},
          {50, 24, S(orange, -0.25f)},
          {1, 1, S(orange, 0.05f)}}},
        {"white gloss down",
         StyleWhiteGloss,
         orange,
         StateDown,
         Plain,
         {{50, 5, Ramp(kWhite, S(orange, -0.1f), 12, 5)},
          {50, 18, Ramp(S(orange, -0.1f), S(orange, -0.05f), 25, 6)},
          {50, 0, S(orange, -0.23f)},
          {50, 24, S(orange, -0.4f)},
          {103, 23, S(orange, 0.05f)}}},
        {"white gloss disabled looks normal",
         StyleWhiteGloss,
         orange,
         StateNormal,
         Disabled,
         {{50, 5, Ramp(kWhite, orange, 12, 5)}, {50, 0, S(orange, -0.2f)}}},
        {"soft gloss normal",
         StyleSoftGloss,
         orange,
         StateNormal,
         Plain,
         {{50, 5, S(orange, -0.03f)},
          {50, 2, Ramp(S(AverageColors(orange, kWhite), 0.1f), orange, 5, 2)},
          {50, 10, Ramp(S(orange, -0.05f), AverageColors(kWhite, S(orange, 0.1f)), 24, 4)},
          {50, 0, S(orange, -0.33f)},
          {1, 1, S(orange, -0.36f)}}},
        {"soft gloss hot",
         StyleSoftGloss,
         orange,
         StateHot,
         Plain,
         {{50, 2, Ramp(S(AverageColors(orange, kWhite), 0.15f), orange, 5, 2)},
          {50, 0, S(orange, -0.28f)}}},
        {"soft gloss down",
         StyleSoftGloss,
         orange,
         StateDown,
         Plain,
         {{50, 10, Ramp(S(orange, -0.08f), AverageColors(kWhite, S(orange, 0.05f)), 24, 4)},
          {50, 0, S(orange, -0.36f)}}},
        {"soft gloss disabled",
         StyleSoftGloss,
         orange,
         StateNormal,
         Disabled,
         {{50, 5, orange}, {50, 0, S(orange, -0.2f)}, {1, 1, S(orange, -0.23f)}}},
    };
}

void RunCases(const std::vector<StyleCase>& cases) {
    for (const StyleCase& c : cases) {
        StandInButton button(kW, kH);
        button.buttonStyle = c.style;
        button.backColor = c.back;
        button.drawState = c.state;
        c.setup(button);
        const win::GdiObjectCounts before = win::GdiLiveObjects();
        RedrawButton(button);
        EXPECT_EQ(win::GdiLiveObjects(), before) << c.name;
        for (const Probe& p : c.probes) {
            EXPECT_EQ(button.Pixel(p.x, p.y), Raw(p.colour))
                << c.name << " at " << p.x << "," << p.y;
        }
    }
}

TEST(StyleRenderers, StandardFamily) {
    RunCases(StandardFamilyCases());
}

TEST(StyleRenderers, GradientAndHighlightFamilies) {
    RunCases(GradientFamilyCases());
}

TEST(StyleRenderers, FocusRectangleOnlyWhileTheParentIsActive) {
    const struct {
        std::int32_t style;
        int inset;
    } styles[] = {{StyleStandard, 4},        {StyleFlat, 3},
                  {StyleFlatHotEdge, 4},     {StyleFlatThinEdge, 3},
                  {StyleRoundedGradient, 2}, {StyleWhiteGloss, 3}};
    for (const auto& s : styles) {
        for (bool active : {true, false}) {
            StandInButton button(kW, kH);
            button.buttonStyle = s.style;
            button.backColor = 0xE7EBEC;
            button.hasFocus = button.showFocusRect = true;
            button.parentActive = active;
            StandInButton unfocused(kW, kH);
            unfocused.buttonStyle = s.style;
            unfocused.backColor = 0xE7EBEC;
            unfocused.parentActive = active;
            RedrawButton(button);
            RedrawButton(unfocused);
            // Along the top line of the rectangle, away from the corners.
            for (int x = 20; x < 24; ++x) {
                const int y = s.inset;
                const win::RECT focus{s.inset, s.inset, kW - s.inset, kH - s.inset};
                const bool dotted = active && FocusDotted(focus, x, y);
                const std::uint32_t plain = unfocused.Pixel(x, y);
                if (s.style == StyleRoundedGradient || s.style == StyleStandard) {
                    // These also draw a focus glow or default frame; only compare dots.
                    EXPECT_EQ(button.Pixel(x, y) != button.Pixel(x + 1, y), active)
                        << s.style << " at " << x;
                    continue;
                }
                EXPECT_EQ(button.Pixel(x, y), dotted ? (plain ^ 0xFFFFFFu) & 0xFFFFFFu : plain)
                    << s.style << " at " << x << (active ? " active" : " inactive");
            }
        }
    }
}

TEST(StyleRenderers, FocusRectangleIsARunTimeMark) {
    StandInButton button(kW, kH);
    button.hasFocus = button.showFocusRect = true;
    button.buttonStyle = StyleFlat;
    button.userMode = false;
    RedrawButton(button);
    EXPECT_EQ(button.Pixel(20, 3), Raw(Sys(win::COLOR_BTNFACE)));
    EXPECT_EQ(button.Pixel(21, 3), Raw(Sys(win::COLOR_BTNFACE)));
}

TEST(StyleRenderers, ThemedStyleWithoutAThemeBecomesTheRoundedStyleForGood) {
    StandInButton button(kW, kH);
    button.buttonStyle = StyleSystemTheme;
    button.backColor = 0x00FF00;
    RedrawButton(button);
    EXPECT_EQ(button.fallBacks, 1);
    EXPECT_EQ(button.buttonStyle, StyleRoundedGradient);
    EXPECT_EQ(button.colorScheme, ColorSchemeBlue);
    EXPECT_EQ(button.Pixel(50, 0), Raw(0x743C00));
    EXPECT_EQ(button.Pixel(50, 10), Raw(Ramp(S(0xE7EBEC, 0.07f), 0xE7EBEC, 25, 10)));
    RedrawButton(button);
    EXPECT_EQ(button.fallBacks, 1);
}

TEST(StyleRenderers, CheckedButtonsSettlePressedExceptTheTwoThatDrawItThemselves) {
    const struct {
        std::int32_t style;
        std::int32_t settled;
    } cases[] = {{StyleStandard, StateHot},
                 {StyleSoftPanel, StateHot},
                 {StyleFlat, StateDown},
                 {StyleOrangeGloss, StateDown},
                 {StyleToolbarHighlight, StateDown}};
    for (const auto& c : cases) {
        StandInButton button(kW, kH);
        button.buttonStyle = c.style;
        button.drawState = StateHot;
        Checked(button);
        RedrawButton(button);
        EXPECT_EQ(button.drawState, c.settled) << c.style;
    }
}

TEST(StyleRenderers, SoftPanelSetsTheCaptionColourByState) {
    const struct {
        std::int32_t state;
        bool checked;
        win::OLE_COLOR expected;
    } cases[] = {{StateNormal, false, Sys(win::COLOR_BTNTEXT)},
                 {StateDown, false, kWhite},
                 {StateHot, true, Sys(win::COLOR_BTNTEXT)}};
    for (const auto& c : cases) {
        StandInButton button(kW, kH);
        button.buttonStyle = StyleSoftPanel;
        button.foreColor = 0x123456;
        button.drawState = c.state;
        if (c.checked) {
            Checked(button);
        }
        RedrawButton(button);
        EXPECT_EQ(button.foreColor, c.expected) << c.state;
    }
}

TEST(StyleRenderers, UnknownStyleLeavesTheClearedSurface) {
    StandInButton button(kW, kH);
    button.buttonStyle = 14;
    button.caption = "X";
    RedrawButton(button);
    for (auto [x, y] : {std::pair{0, 0}, {52, 12}, {104, 24}}) {
        EXPECT_EQ(button.Pixel(x, y), Raw(Sys(win::COLOR_BTNFACE)));
    }
}

}  // namespace
}  // namespace quellan::testing
