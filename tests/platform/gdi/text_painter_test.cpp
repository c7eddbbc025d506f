#include "platform/gdi/text/text_painter.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/text/builtin_text_engine.h"
#include "platform/gdi/text/draw_text_flags.h"
#include "platform/gdi/text/utf8.h"

namespace win::text {
namespace {

constexpr std::uint32_t kPaper = 0x00102030;
constexpr std::uint32_t kInk = 0x00FF0000;
constexpr std::uint32_t kBack = 0x0000FF00;

// A 40 x 20 surface and the built-in font at cell height 16 (ascent 13, Latin advance 8).
class TextPainterTest : public ::testing::Test {
protected:
    TextPainterTest() : pixels_(40 * 20, kPaper) {
        surface_.pixels = pixels_;
        surface_.width = 40;
        surface_.height = 20;
        FontDescription font;
        font.height = 16;
        font_ = BuiltinTextEngine{}.MatchFont(font);
    }

    void Paint(std::string_view utf8, const TextPaint& paint,
               std::vector<LayoutBox> visible = {{0, 0, 40, 20}}) {
        const TextLayout layout =
            LayoutText(DecodeUtf8(utf8), {0, 0, 40, 20}, DT_SINGLELINE, *font_);
        PaintTextLayout(layout, *font_, paint, visible, surface_);
    }

    std::uint32_t At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * 40 + x]; }

    std::vector<std::uint32_t> pixels_;
    PixelSurface surface_;
    std::shared_ptr<const MatchedFont> font_;
};

TEST_F(TextPainterTest, TransparentTextLeavesTheBackgroundBetweenStrokes) {
    TextPaint paint;
    paint.textPixel = kInk;
    paint.backPixel = kBack;
    Paint("d", paint);
    EXPECT_EQ(At(0, 2), kInk);    // frame corner
    EXPECT_EQ(At(3, 6), kPaper);  // inside the frame
    EXPECT_EQ(At(7, 6), kPaper);  // the empty column
    EXPECT_EQ(At(3, 0), kPaper);  // above the ink, inside the cell
    EXPECT_EQ(At(10, 5), kPaper);
}

TEST_F(TextPainterTest, OpaqueTextFillsExactlyTheLineCell) {
    TextPaint paint;
    paint.textPixel = kInk;
    paint.backPixel = kBack;
    paint.opaque = true;
    Paint("de", paint);  // 16 wide, 16 high
    EXPECT_EQ(At(0, 2), kInk);
    EXPECT_EQ(At(3, 6), kBack);
    EXPECT_EQ(At(0, 0), kBack);
    EXPECT_EQ(At(15, 15), kBack);
    EXPECT_EQ(At(16, 0), kPaper);
    EXPECT_EQ(At(0, 16), kPaper);
}

TEST_F(TextPainterTest, NothingOutsideTheVisibleRectanglesIsTouched) {
    TextPaint paint;
    paint.textPixel = kInk;
    paint.opaque = true;
    paint.backPixel = kBack;
    Paint("dddd", paint, {{2, 2, 4, 4}, {20, 10, 22, 30}});
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inside =
                (x >= 2 && x < 4 && y >= 2 && y < 4) || (x >= 20 && x < 22 && y >= 10 && y < 16);
            if (!inside) {
                ASSERT_EQ(At(x, y), kPaper) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(At(2, 2), kInk);
    EXPECT_EQ(At(3, 3), kBack);
}

TEST_F(TextPainterTest, PrefixUnderlineSpansOnlyItsCharacterOneRowBelowTheBaseline) {
    TextPaint paint;
    paint.textPixel = kInk;
    Paint("a&bc", paint);
    const int row = 13 + 1;
    EXPECT_EQ(At(7, row), kPaper);
    EXPECT_EQ(At(8, row), kInk);
    EXPECT_EQ(At(15, row), kInk);
    EXPECT_EQ(At(16, row), kPaper);
    EXPECT_EQ(At(8, row + 1), kPaper);

    paint.underline = true;
    Paint("xyz", paint);
    EXPECT_EQ(At(0, row), kInk);
    EXPECT_EQ(At(23, row), kInk);
    EXPECT_EQ(At(24, row), kPaper);
}

TEST_F(TextPainterTest, OriginShiftsTheDrawing) {
    TextPaint paint;
    paint.textPixel = kInk;
    paint.originX = 5;
    paint.originY = 1;
    Paint("d", paint);
    EXPECT_EQ(At(0, 2), kPaper);
    EXPECT_EQ(At(5, 3), kInk);
}

// Partial coverage blends with the surface, rounded to nearest.
class HalfInkFont final : public MatchedFont {
public:
    FontMetrics Metrics() const override {
        FontMetrics m;
        m.height = 4;
        m.ascent = 3;
        m.descent = 1;
        return m;
    }
    void Advances(std::string_view utf8, std::vector<int>& advances) const override {
        advances.assign(DecodeUtf8(utf8).size(), 2);
    }
    void DrawRun(std::string_view, int x, int baseline, CoverageMask& mask) const override {
        mask.Cover(x, baseline - 1, 128);
    }
};

TEST_F(TextPainterTest, PartialCoverageBlends) {
    HalfInkFont font;
    const TextLayout layout = LayoutText(U"x", {0, 0, 40, 20}, DT_SINGLELINE, font);
    TextPaint paint;
    paint.textPixel = 0x00FFFFFF;
    const std::vector<LayoutBox> visible{{0, 0, 40, 20}};
    PaintTextLayout(layout, font, paint, visible, surface_);
    // per channel: (255 * 128 + c * 127 + 127) / 255
    EXPECT_EQ(At(0, 2), 0x00889098u);
    EXPECT_EQ(At(1, 2), kPaper);
}

}  // namespace
}  // namespace win::text
