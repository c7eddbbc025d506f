#include "button/render/picture_compositor.h"

#include <gtest/gtest.h>

#include <vector>

#include "button/render/effect_tables.h"
#include "button/render/picture_drawing.h"
#include "platform/forms/std_picture.h"
#include "platform/gdi/gdi_test_canvas.h"
#include "render_test_support.h"
#include "stand_in_button.h"

namespace quellan::testing {
namespace {

using win::testing::Canvas;

constexpr win::COLORREF kNone = win::CLR_INVALID;

// A 24-bit picture bitmap from top-down 0x00RRGGBB pixels.
struct Picture24 {
    explicit Picture24(int w, int h, const std::vector<std::uint32_t>& pixels)
        : bitmap(win::CreatePictureBitmap(w, h, 24, pixels)) {}
    explicit Picture24(int w, int h, std::uint32_t pixel)
        : Picture24(w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w * h), pixel)) {}
    ~Picture24() { win::DeleteObject(bitmap); }
    win::HBITMAP bitmap;
};

struct BlendCase {
    const char* name;
    std::uint32_t background;  // 0x00RRGGBB
    std::uint32_t source;      // 0x00RRGGBB
    BlendSettings settings;
    win::COLORREF colour;
    std::uint32_t expected;
};

TEST(BlendPicture24, OpacityEffectsGreyAndSilhouettes) {
    static const EffectTable brighten = BrightenTable();
    static const EffectTable darken = DarkenTable();
    const BlendCase cases[] = {
        // (0 * 128 + 255 * 127) div 256
        {"half opacity over white", 0xFFFFFF, 0x000000, {128, nullptr, false}, kNone, 0x7E7E7E},
        {"full opacity replaces", 0xFFFFFF, 0x123456, {255, nullptr, false}, kNone, 0x123456},
        {"zero opacity keeps", 0x0A0B0C, 0x123456, {0, nullptr, false}, kNone, 0x0A0B0C},
        // 200 -> 229, 255 -> 255, 100 -> 114
        {"brighten", 0x000000, 0xC8FF64, {255, &brighten, false}, kNone, 0xE5FF72},
        {"darken", 0x000000, 0xFF6400, {255, &darken, false}, kNone, 0xD95500},
        // grey of (100, 150, 200): round(88.5 + 30 + 22) = 140; (255 * 64 + 191 * 140) div 256
        {"greyscale at 191", 0xFFFFFF, 0x6496C8, {191, nullptr, true}, kNone, 0xA8A8A8},
        // 0.3 * 5 = 1.5 rounds to 2 first: round(0 + 2 + 0) = 2
        {"grey rounds red first", 0x000000, 0x050000, {255, nullptr, true}, kNone, 0x020202},
        // blue (64 * 100 + 255 * 155) div 256 = 179, red and green (255 * 155) div 256 = 154
        {"silhouette", 0xFFFFFF, 0x123456, {100, nullptr, false}, 0x400000, 0x9A9AB3},
        {"solid silhouette", 0xFFFFFF, 0x123456, {255, nullptr, false}, 0x010203, 0x030201},
    };
    for (const BlendCase& c : cases) {
        Canvas canvas(4, 2);
        canvas.Fill(
            win::RGB((c.background >> 16) & 0xFF, (c.background >> 8) & 0xFF, c.background & 0xFF));
        Picture24 picture(2, 1, c.source);
        const win::GdiObjectCounts before = win::GdiLiveObjects();
        BlendPicture24(canvas.Dc(), 1, 1, 2, 1, PictureSource{picture.bitmap, false}, kNone, false,
                       c.colour, c.settings);
        EXPECT_EQ(win::GdiLiveObjects(), before) << c.name;
        EXPECT_EQ(canvas.Pixel(1, 1), c.expected) << c.name;
        EXPECT_EQ(canvas.Pixel(2, 1), c.expected) << c.name;
        EXPECT_EQ(canvas.Pixel(1, 0), c.background) << c.name;
        EXPECT_EQ(canvas.Pixel(3, 1), c.background) << c.name;
    }
}

TEST(BlendPicture24, MaskColourIsLeftOutOnlyWhenUsed) {
    const std::uint32_t mask = 0xE0E0E0;
    for (bool useMask : {true, false}) {
        Canvas canvas(2, 1, win::RGB(0, 0, 255));
        Picture24 picture(2, 1, {mask, 0x00FF00});
        BlendPicture24(canvas.Dc(), 0, 0, 2, 1, PictureSource{picture.bitmap, false}, 0xE0E0E0,
                       useMask, kNone, {255, nullptr, false});
        EXPECT_EQ(canvas.Pixel(0, 0), useMask ? 0x0000FFu : mask);
        EXPECT_EQ(canvas.Pixel(1, 0), 0x00FF00u);
    }
}

TEST(BlendPicture24, RowsOfAnOddWidthPictureStayInPlace) {
    // 15 pixels: 45 bytes of a 24-bit row, padded to 48.
    constexpr int kW = 15;
    constexpr int kH = 3;
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            pixels.push_back(static_cast<std::uint32_t>((y * 40 + 10) << 16 | (x * 10) << 8));
        }
    }
    Picture24 picture(kW, kH, pixels);
    Canvas canvas(kW + 2, kH + 2);
    BlendPicture24(canvas.Dc(), 1, 1, kW, kH, PictureSource{picture.bitmap, false}, kNone, false,
                   kNone, {255, nullptr, false});
    for (int y = 0; y < kH; ++y) {
        for (int x : {0, 7, kW - 1}) {
            EXPECT_EQ(canvas.Pixel(x + 1, y + 1), pixels[static_cast<std::size_t>(y * kW + x)])
                << x << "," << y;
        }
        EXPECT_EQ(canvas.Pixel(kW + 1, y + 1), win::testing::kWhitePixel);
    }
}

TEST(BlendPicture24, IconsSitOnSilverUnlessTheMaskTakesItOut) {
    // A transparent pixel and an opaque red one.
    win::png::PngImage image{2, 1, 32, {0x00000000, 0xFFFF0000}};
    const auto icon = win::forms::StdPicture::FromImage(image, win::forms::PictureType::Icon);
    ASSERT_TRUE(icon);
    for (bool useMask : {true, false}) {
        StandInButton button(4, 2);
        button.ClearSurface();
        button.useMaskColor = useMask;
        ContentLayout layout;
        layout.picture = icon;
        layout.pictureWidth = 2;
        layout.pictureHeight = 1;
        const win::GdiObjectCounts before = win::GdiLiveObjects();
        DrawPictureAt(button, layout, win::RECT{1, 1, 3, 2}, kNone, StateNormal);
        EXPECT_EQ(win::GdiLiveObjects(), before);
        EXPECT_EQ(button.Pixel(1, 1), useMask ? Raw(Sys(win::COLOR_BTNFACE)) : 0xC0C0C0u);
        EXPECT_EQ(button.Pixel(2, 1), 0xFF0000u);
    }
}

struct Blend32Case {
    const char* name;
    std::uint32_t source;  // 0xAARRGGBB
    BlendSettings settings;
    std::uint32_t expected;
};

TEST(BlendPicture32, AlphaScalesTheOpacity) {
    static const EffectTable brighten = BrightenTable();
    const Blend32Case cases[] = {
        {"alpha 0 changes nothing", 0x00123456, {255, nullptr, false}, 0xFFFFFF},
        {"alpha 255 at full opacity copies", 0xFF123456, {255, nullptr, false}, 0x123456},
        // g = 128 * 255 div 255 = 128; effect forces the blend: (0 * 128 + 255 * 127) div 256
        {"half alpha with an effect blends", 0x80000000, {255, &brighten, false}, 0x7E7E7E},
        // g = 255 * 128 div 255 = 128
        {"opaque at half opacity", 0xFF000000, {128, nullptr, false}, 0x7E7E7E},
        // g = 200 * 100 div 255 = 78: (0 * 78 + 255 * 177) div 256 = 176
        {"both scale", 0xC8000000, {100, nullptr, false}, 0xB0B0B0},
    };
    for (const Blend32Case& c : cases) {
        Canvas canvas(3, 1);
        const std::vector<std::uint32_t> pixels(2, c.source);
        const win::HBITMAP picture = win::CreatePictureBitmap(2, 1, 32, pixels);
        BlendPicture32(canvas.Dc(), 1, 0, 2, 1, picture, kNone, c.settings);
        EXPECT_EQ(canvas.Pixel(1, 0) & 0xFFFFFF, c.expected) << c.name;
        EXPECT_EQ(canvas.Pixel(0, 0), win::testing::kWhitePixel) << c.name;
        win::DeleteObject(picture);
    }
}

TEST(PictureBlendSettings, OpacityByStateAndDisabledMode) {
    const struct {
        std::int32_t state;
        bool enabled;
        std::int32_t disabledMode;
        std::uint8_t opacity;
        bool greyscale;
    } cases[] = {
        {StateNormal, true, DisabledTranslucent, 200, false},
        {StateHot, true, DisabledTranslucent, 90, false},
        {StateNormal, false, DisabledTranslucent, 52, false},
        {StateNormal, false, DisabledGreyscale, 150, true},  // 200 * 0.75
        {StateNormal, false, 7, 0, false},
    };
    for (const auto& c : cases) {
        StandInButton button(4, 4);
        button.pictureOpacity = 200;
        button.pictureOpacityOnOver = 90;
        button.enabled = c.enabled;
        button.disabledPictureMode = c.disabledMode;
        const BlendSettings settings = PictureBlendSettings(button, c.state);
        EXPECT_EQ(settings.opacity, c.opacity);
        EXPECT_EQ(settings.greyscale, c.greyscale);
    }
    StandInButton button(4, 4);
    button.enabled = false;
    button.disabledPictureMode = DisabledGreyscale;
    button.pictureOpacity = 255;
    EXPECT_EQ(PictureBlendSettings(button, StateNormal).opacity, 191);  // 191.25
    button.pictureOpacity = 2;
    EXPECT_EQ(PictureBlendSettings(button, StateNormal).opacity, 2);  // 1.5 to even
    button.enabled = true;
    button.pictureEffectOnOver = EffectBrighten;
    button.pictureEffectOnDown = EffectDarken;
    EXPECT_EQ(PictureBlendSettings(button, StateHot).effect, &button.BrightenTable());
    EXPECT_EQ(PictureBlendSettings(button, StateDown).effect, &button.DarkenTable());
    EXPECT_EQ(PictureBlendSettings(button, StateNormal).effect, nullptr);
}

}  // namespace
}  // namespace quellan::testing
