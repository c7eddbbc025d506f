#include "platform/host/qt/qt_text_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "platform/host/qt/font_registry.h"
#include "tests/platform/host/qt/support/host_fixture.h"

namespace win::host::desktop {
namespace {

using win::text::CoverageMask;
using win::text::FontDescription;

class QtTextEngineTest : public ::testing::Test {
protected:
    std::shared_ptr<const QtMatchedFont> Match(const std::string& face, int height,
                                               int weight = 400, std::uint8_t charSet = 0) {
        FontDescription description;
        description.faceName = face;
        description.height = height;
        description.weight = weight;
        description.charSet = charSet;
        return std::static_pointer_cast<const QtMatchedFont>(engine_.MatchFont(description));
    }

    struct Ink {
        std::vector<std::uint8_t> alpha;
        int width = 0;
        int covered = 0;
        bool partial = false;  // some pixel between none and full: anti-aliased
    };

    static Ink Draw(const QtMatchedFont& font, const std::string& text, int width, int height) {
        Ink ink;
        ink.width = width;
        ink.alpha.assign(static_cast<std::size_t>(width) * height, 0);
        CoverageMask mask(0, 0, width, height, ink.alpha);
        font.DrawRun(text, 2, font.Metrics().ascent + 2, mask);
        for (std::uint8_t a : ink.alpha) {
            ink.covered += a > 0;
            ink.partial |= a > 0 && a < 255;
        }
        return ink;
    }

    // First: the engine needs the application object.
    QtHost& host_ = testing::SharedHost();
    QtTextEngine engine_;
};

TEST_F(QtTextEngineTest, FacesResolveToTheBundledFamilies) {
    EXPECT_TRUE(LoadBundledFonts().contains("Tahoma"));
    EXPECT_TRUE(LoadBundledFonts().contains("Marlett"));
    EXPECT_EQ(Match("Tahoma", -11)->ResolvedFamily(), "Tahoma");
    EXPECT_EQ(Match("tahoma", -11, 700)->ResolvedFamily(), "Tahoma");
    EXPECT_EQ(Match("SimSun", -12)->ResolvedFamily(), "WenQuanYi Micro Hei");
    EXPECT_EQ(Match("宋体", -12)->ResolvedFamily(), "WenQuanYi Micro Hei");
    EXPECT_EQ(Match("Arial", -12)->ResolvedFamily(), "Liberation Sans");
    EXPECT_EQ(Match("Marlett", -12)->ResolvedFamily(), "Marlett");
    EXPECT_EQ(Match("", -12, 400, win::text::kSymbolCharSet)->ResolvedFamily(), "Marlett");
}

TEST_F(QtTextEngineTest, HeightsFollowTheLogicalFontSignRule) {
    const auto character = Match("Tahoma", -12)->Metrics();
    EXPECT_EQ(character.height - character.internalLeading, 12);
    EXPECT_EQ(character.height, character.ascent + character.descent);

    const auto cell = Match("Tahoma", 20)->Metrics();
    EXPECT_NEAR(cell.height, 20, 1);

    const auto fallback = Match("Tahoma", 0)->Metrics();
    EXPECT_NEAR(fallback.height, 16, 1);

    EXPECT_GT(Match("Tahoma", -24)->Metrics().height, character.height);
    EXPECT_EQ(Match("Tahoma", -12, 700)->Metrics().weight, 700);
    EXPECT_EQ(Match("Tahoma", -12, 0)->Metrics().weight, 400);
}

TEST_F(QtTextEngineTest, AdvancesArePerCharacterAndChineseIsWide) {
    const auto font = Match("Tahoma", -12);
    std::vector<int> advances;
    font->Advances("iW中\t\x01", advances);
    ASSERT_EQ(advances.size(), 5u);
    EXPECT_GT(advances[0], 0);
    EXPECT_GT(advances[1], advances[0]);
    EXPECT_GE(advances[2], 11);  // an ideograph is about one em wide
    EXPECT_GT(advances[3], 0);   // a tab measures as a blank
    EXPECT_EQ(advances[4], 0);   // control characters take no room

    font->Advances("", advances);
    EXPECT_TRUE(advances.empty());
}

TEST_F(QtTextEngineTest, ChineseIsDrawnAntiAliasedWithRealGlyphs) {
    const auto font = Match("SimSun", -16);
    const Ink zhong = Draw(*font, "中", 24, 24);
    const Ink guo = Draw(*font, "国", 24, 24);
    EXPECT_GT(zhong.covered, 20);
    EXPECT_TRUE(zhong.partial);
    // Missing glyphs would all be the same box.
    EXPECT_NE(zhong.alpha, guo.alpha);
    const Ink missing = Draw(*font, "\xF3\xB0\x80\x80", 24, 24);  // U+F0000, private use
    EXPECT_NE(zhong.alpha, missing.alpha);
    // Chinese inside a Latin face falls back to the Chinese face, not to nothing.
    const Ink fallback = Draw(*Match("Tahoma", -16), "中", 24, 24);
    EXPECT_EQ(std::accumulate(fallback.alpha.begin(), fallback.alpha.end(), 0),
              std::accumulate(zhong.alpha.begin(), zhong.alpha.end(), 0));
}

TEST_F(QtTextEngineTest, MarlettDrawsItsSymbols) {
    const auto marlett = Match("Marlett", -13, 400, win::text::kSymbolCharSet);
    // "6" is the down arrow of a drop-down, "r" the close cross.
    const Ink arrow = Draw(*marlett, "6", 20, 20);
    const Ink cross = Draw(*marlett, "r", 20, 20);
    EXPECT_GT(arrow.covered, 5);
    EXPECT_GT(cross.covered, 5);
    EXPECT_NE(arrow.alpha, cross.alpha);
}

TEST_F(QtTextEngineTest, DrawingStaysInsideTheMaskAndAtThePen) {
    const auto font = Match("Tahoma", -12);
    std::vector<std::uint8_t> alpha(40 * 20, 0);
    // The mask starts at x = 100; a run drawn at 100 must ink its left part only.
    CoverageMask mask(100, 50, 40, 20, alpha);
    font->DrawRun("HHHHHHHHHHHHHHHH", 100, 65, mask);
    int leftInk = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 8; ++x) {
            leftInk += alpha[static_cast<std::size_t>(y) * 40 + x] > 0;
        }
    }
    EXPECT_GT(leftInk, 0);

    // Drawn past the mask: nothing lands and nothing breaks.
    std::fill(alpha.begin(), alpha.end(), 0);
    font->DrawRun("HH", 400, 65, mask);
    EXPECT_EQ(std::accumulate(alpha.begin(), alpha.end(), 0), 0);
}

TEST_F(QtTextEngineTest, ARunDrawnAgainInksTheSamePixelsWhereverItLands) {
    const auto font = Match("Tahoma", -12);
    constexpr int kWidth = 60;
    constexpr int kHeight = 20;
    auto draw = [&](const std::string& text, int maskLeft, int maskWidth, int pen) {
        std::vector<std::uint8_t> alpha(static_cast<std::size_t>(maskWidth) * kHeight, 0);
        CoverageMask mask(maskLeft, 0, maskWidth, kHeight, alpha);
        font->DrawRun(text, pen, 15, mask);
        return alpha;
    };
    const auto first = draw("123 KB", 0, kWidth, 5);
    ASSERT_GT(std::accumulate(first.begin(), first.end(), 0), 0);
    EXPECT_EQ(draw("123 KB", 0, kWidth, 5), first);
    EXPECT_EQ(draw("123 KB", 20, kWidth, 25), first) << "moved with its mask";
    EXPECT_NE(draw("124 KB", 0, kWidth, 5), first);

    const auto clipped = draw("123 KB", 0, 12, 5);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(clipped[static_cast<std::size_t>(y) * 12 + x],
                      first[static_cast<std::size_t>(y) * kWidth + x]);
        }
    }

    // A text far wider than the mask is drawn only where it shows, with the same ink.
    EXPECT_EQ(draw(std::string(5000, 'H'), 0, kWidth, 5), draw(std::string(10, 'H'), 0, kWidth, 5));
}

TEST_F(QtTextEngineTest, InvalidUtf8IsDrawnAsReplacementNotSkipped) {
    const auto font = Match("Tahoma", -12);
    std::vector<int> advances;
    font->Advances(
        "a\xFF"
        "b",
        advances);
    EXPECT_EQ(advances.size(), 3u);
}

}  // namespace
}  // namespace win::host::desktop
