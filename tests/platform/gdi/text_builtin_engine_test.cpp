#include "platform/gdi/text/builtin_text_engine.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/gdi/text/utf8.h"

namespace win::text {
namespace {

FontDescription Font(int height, std::string face = "Tahoma", std::uint8_t charSet = 0) {
    FontDescription font;
    font.faceName = std::move(face);
    font.height = height;
    font.charSet = charSet;
    return font;
}

// Renders a run into a fresh mask and returns it as rows of '#' and '.'.
std::vector<std::string> Render(const MatchedFont& font, std::string_view utf8, int width,
                                int height, int baseline) {
    std::vector<std::uint8_t> alpha(static_cast<std::size_t>(width * height), 0);
    CoverageMask mask(0, 0, width, height, alpha);
    font.DrawRun(utf8, 0, baseline, mask);
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            row += mask.At(x, y) ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(BuiltinTextEngine, MetricsFollowTheHeightSignRule) {
    BuiltinTextEngine engine;
    const FontMetrics cell = engine.MatchFont(Font(16))->Metrics();
    EXPECT_EQ(cell.height, 16);
    EXPECT_EQ(cell.internalLeading, 2);
    EXPECT_EQ(cell.ascent, 13);
    EXPECT_EQ(cell.descent, 3);
    EXPECT_EQ(cell.averageCharWidth, 8);
    EXPECT_EQ(cell.maxCharWidth, 16);

    // Negative: the character height; the cell adds the internal leading.
    const FontMetrics character = engine.MatchFont(Font(-11))->Metrics();
    EXPECT_EQ(character.height - character.internalLeading, 11);
    EXPECT_EQ(character.height, 12);
    EXPECT_EQ(character.ascent + character.descent, character.height);
    EXPECT_EQ(character.averageCharWidth, 6);

    EXPECT_EQ(engine.MatchFont(Font(0))->Metrics().height, BuiltinTextEngine::kDefaultCellHeight);
    EXPECT_EQ(engine.MatchFont(Font(INT_MIN))->Metrics().height, BuiltinTextEngine::kMaxCellHeight);
    EXPECT_EQ(engine.MatchFont(Font(INT_MAX))->Metrics().height, BuiltinTextEngine::kMaxCellHeight);
    EXPECT_EQ(engine.MatchFont(Font(1))->Metrics().averageCharWidth, 1);
}

TEST(BuiltinTextEngine, WideCharactersTakeTwiceTheLatinAdvance) {
    BuiltinTextEngine engine;
    std::vector<int> advances;
    engine.MatchFont(Font(16))->Advances("a网 b\u200B\xFF", advances);
    EXPECT_EQ(advances, (std::vector<int>{8, 16, 8, 8, 0, 8}));

    FontDescription narrow = Font(16);
    narrow.width = 5;
    engine.MatchFont(narrow)->Advances("a网", advances);
    EXPECT_EQ(advances, (std::vector<int>{5, 10}));
}

TEST(BuiltinTextEngine, GlyphsAreFramesWithCodePointBarsAndAnEmptyColumn) {
    BuiltinTextEngine engine;
    const auto font = engine.MatchFont(Font(16));
    // 'a' (0x61) has a middle bar; 'b' (0x62) a vertical one; baseline at 13, ink from row 2.
    const auto rows = Render(*font, "ab ", 24, 16, 13);
    EXPECT_EQ(rows[1], "........................");
    EXPECT_EQ(rows[2], "#######.#######.........");
    EXPECT_EQ(rows[4], "#.....#.#..#..#.........");
    EXPECT_EQ(rows[7], "#######.#..#..#.........");
    EXPECT_EQ(rows[12], "#######.#######.........");
    EXPECT_EQ(rows[13], "........................");
}

TEST(BuiltinTextEngine, BoldStrokesAreTwoPixelsAndItalicLeans) {
    BuiltinTextEngine engine;
    FontDescription bold = Font(16);
    bold.weight = 700;
    const auto boldRows = Render(*engine.MatchFont(bold), "d", 8, 16, 13);  // 0x64: no bars
    EXPECT_EQ(boldRows[3], "#######.");
    EXPECT_EQ(boldRows[5], "##...##.");

    FontDescription italic = Font(16);
    italic.italic = true;
    const auto italicRows = Render(*engine.MatchFont(italic), "d", 12, 16, 13);
    EXPECT_EQ(italicRows[12], "#######.....");  // the baseline row does not move
    EXPECT_EQ(italicRows[2], "..#######...");   // ten rows up: two pixels right
}

TEST(BuiltinTextEngine, SymbolFacesDrawArrowsInACellSquare) {
    BuiltinTextEngine engine;
    const auto marlett = engine.MatchFont(Font(14, "Marlett", kSymbolCharSet));
    std::vector<int> advances;
    marlett->Advances("6u", advances);
    EXPECT_EQ(advances, (std::vector<int>{14, 14}));

    const FontMetrics m = marlett->Metrics();
    const auto down = Render(*marlett, "u", 14, 14, m.ascent);
    EXPECT_EQ(down[4], "..............");
    EXPECT_EQ(down[5], "....#######...");
    EXPECT_EQ(down[6], ".....#####....");
    EXPECT_EQ(down[7], "......###.....");
    EXPECT_EQ(down[8], ".......#......");
    EXPECT_EQ(down[9], "..............");
    EXPECT_EQ(Render(*marlett, "6", 14, 14, m.ascent), down);
    EXPECT_NE(Render(*marlett, "5", 14, 14, m.ascent), down);
    EXPECT_NE(Render(*marlett, "3", 14, 14, m.ascent), Render(*marlett, "4", 14, 14, m.ascent));

    // The face alone or the character set alone selects the symbols.
    EXPECT_EQ(Render(*engine.MatchFont(Font(14, "marlett")), "u", 14, 14, m.ascent), down);
    EXPECT_EQ(Render(*engine.MatchFont(Font(14, "Other", kSymbolCharSet)), "u", 14, 14, m.ascent),
              down);
    EXPECT_NE(Render(*engine.MatchFont(Font(14)), "u", 14, 14, m.ascent), down);
}

TEST(BuiltinTextEngine, DrawingNeverLeavesTheMask) {
    BuiltinTextEngine engine;
    const auto font = engine.MatchFont(Font(40));
    std::vector<std::uint8_t> alpha(4 * 4 + 8, 0);
    CoverageMask mask(0, 0, 4, 4, std::span(alpha).first(16));
    font->DrawRun("abc网", -10, 20, mask);
    font->DrawRun("abc", INT_MAX - 10, INT_MAX - 5, mask);
    for (std::size_t i = 16; i < alpha.size(); ++i) {
        EXPECT_EQ(alpha[i], 0);
    }
}

class NullEngine final : public TextEngine {
public:
    std::shared_ptr<const MatchedFont> MatchFont(const FontDescription& font) override {
        return fallback_.MatchFont(font);
    }

private:
    BuiltinTextEngine fallback_;
};

TEST(CurrentTextEngine, TheHostReplacesItAndNullRestoresTheBuiltInOne) {
    EXPECT_NE(dynamic_cast<BuiltinTextEngine*>(&CurrentTextEngine()), nullptr);
    const std::uint64_t before = TextEngineGeneration();
    auto custom = std::make_shared<NullEngine>();
    SetCurrentTextEngine(custom);
    EXPECT_EQ(&CurrentTextEngine(), custom.get());
    EXPECT_NE(TextEngineGeneration(), before);
    SetCurrentTextEngine(nullptr);
    EXPECT_NE(dynamic_cast<BuiltinTextEngine*>(&CurrentTextEngine()), nullptr);
}

TEST(Utf8, MalformedBytesBecomeOneReplacementEach) {
    EXPECT_EQ(DecodeUtf8("a\xE7\xBD\x91"), U"a网");
    EXPECT_EQ(DecodeUtf8("\xE7\xBD"), U"\uFFFD");        // truncated
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), U"\uFFFD");        // overlong
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80x"), U"\uFFFDx");  // surrogate
    EXPECT_EQ(DecodeUtf8("\xFFx"), U"\uFFFDx");
    EXPECT_EQ(EncodeUtf8(U"网\U0001F600"), "网\U0001F600");
}

}  // namespace
}  // namespace win::text
