#include "platform/gdi/draw_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/area_fill.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/font.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pixel_access.h"
#include "platform/gdi/region.h"
#include "platform/gdi/text/builtin_text_engine.h"
#include "platform/gdi/text/utf8.h"

namespace win {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(200, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// A 60 x 24 white memory DC with the built-in font at cell height 16: Latin advance 8, wide 16,
// ascent 13; a glyph's ink spans rows top + 2 to top + 12 and the advance minus its last column.
class DrawTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        countsBefore_ = GdiLiveObjects();
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(dc_, 60, 24);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        const RECT all{0, 0, 60, 24};
        FillRect(dc_, &all, GetStockObject(WHITE_BRUSH).As<HBRUSH>());
        SelectFont(16);
        SetTextColor(dc_, kInk);
        SetBkMode(dc_, TRANSPARENT);
    }

    void TearDown() override {
        SelectObject(dc_, oldFont_);
        if (font_) {
            DeleteObject(font_);
        }
        SelectObject(dc_, oldBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
        EXPECT_EQ(GdiLiveObjects(), countsBefore_);
    }

    void SelectFont(int height, const char* face = "Tahoma", BYTE charSet = ANSI_CHARSET,
                    bool underline = false) {
        LOGFONT logFont;
        logFont.lfHeight = height;
        logFont.lfFaceName = face;
        logFont.lfCharSet = charSet;
        logFont.lfUnderline = underline ? 1 : 0;
        const HFONT font = CreateFontIndirect(&logFont);
        const HFONT previous = SelectObject(dc_, font);
        if (font_) {
            DeleteObject(font_);
        } else {
            oldFont_ = previous;
        }
        font_ = font;
    }

    int Draw(std::string_view text, RECT rect, UINT format) {
        return DrawText(dc_, text, -1, &rect, format);
    }

    RECT Calc(std::string_view text, RECT rect, UINT format, int* height = nullptr) {
        const int h = DrawText(dc_, text, -1, &rect, format | DT_CALCRECT);
        if (height) {
            *height = h;
        }
        return rect;
    }

    bool IsInk(int x, int y) const { return GetPixel(dc_, x, y) == kInk; }
    bool AllWhite() const {
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 60; ++x) {
                if (GetPixel(dc_, x, y) != kWhite) {
                    return false;
                }
            }
        }
        return true;
    }

    GdiObjectCounts countsBefore_;
    HDC dc_;
    HBITMAP bitmap_;
    HBITMAP oldBitmap_;
    HFONT font_;
    HFONT oldFont_;
};

TEST_F(DrawTextTest, CalcRectFitsTheTextWithoutDrawing) {
    int height = 0;
    EXPECT_EQ(Calc("abc", {0, 0, 200, 100}, DT_SINGLELINE, &height), (RECT{0, 0, 24, 16}));
    EXPECT_EQ(height, 16);
    EXPECT_EQ(Calc("aaa bbb ccc", {0, 0, 60, 0}, DT_WORDBREAK, &height), (RECT{0, 0, 56, 32}));
    EXPECT_EQ(height, 32);
    // The widest of several lines; offsets are kept.
    EXPECT_EQ(Calc("ab\nabcd\na", {10, 5, 11, 6}, 0), (RECT{10, 5, 42, 53}));
    EXPECT_EQ(Calc("网络流量", {0, 0, 40, 0}, DT_WORDBREAK | DT_CENTER), (RECT{0, 0, 32, 32}));
    EXPECT_EQ(Calc("E&xit &&", {0, 0, 0, 0}, DT_SINGLELINE), (RECT{0, 0, 48, 16}));
    EXPECT_EQ(Calc("Hello world", {0, 0, 60, 0}, DT_SINGLELINE | DT_END_ELLIPSIS),
              (RECT{0, 0, 56, 16}));
    EXPECT_EQ(Calc("ab", {0, 0, 0, 0}, DT_SINGLELINE | DT_VCENTER, &height), (RECT{0, 0, 16, 16}));
    EXPECT_EQ(height, 16);
    EXPECT_EQ(Calc("", {3, 4, 50, 50}, DT_WORDBREAK, &height), (RECT{3, 4, 3, 4}));
    EXPECT_EQ(height, 0);
    EXPECT_TRUE(AllWhite());
}

TEST_F(DrawTextTest, CentredTextSitsInTheMiddleOfTheRectangle) {
    // "d" is 8 x 16: left (60 - 8) / 2 = 26, top (24 - 16) / 2 = 4, ink from row 6.
    EXPECT_EQ(Draw("d", {0, 0, 60, 24}, DT_CENTER | DT_VCENTER | DT_SINGLELINE), 20);
    EXPECT_TRUE(IsInk(26, 6));
    EXPECT_TRUE(IsInk(32, 16));
    EXPECT_FALSE(IsInk(25, 6));
    EXPECT_FALSE(IsInk(26, 5));
    EXPECT_FALSE(IsInk(33, 6));
    EXPECT_FALSE(IsInk(26, 17));
    EXPECT_EQ(GetPixel(dc_, 26, 6), kInk);
}

TEST_F(DrawTextTest, OpaqueLineBesideTheVisiblePartPaintsNothing) {
    // Centred in a rectangle far wider than the bitmap, the line's cell lies right of all that
    // can be seen on the rows it shares with it.
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, kGreen);
    for (UINT format : {UINT{DT_CENTER | DT_SINGLELINE}, UINT{DT_RIGHT | DT_SINGLELINE}}) {
        EXPECT_EQ(Draw("abc", {0, 0, 768, 16}, format), 16);
        EXPECT_TRUE(AllWhite()) << format;
    }
    EXPECT_EQ(Draw("abc", {-768, 0, 40, 16}, DT_LEFT | DT_SINGLELINE), 16);
    EXPECT_TRUE(AllWhite());
}

TEST_F(DrawTextTest, RightAlignedAndRightToLeftLinesEndAtTheRightEdge) {
    Draw("d", {0, 0, 50, 24}, DT_RIGHT | DT_SINGLELINE);
    EXPECT_TRUE(IsInk(42, 2));
    EXPECT_FALSE(IsInk(41, 2));
    Draw("d", {0, 0, 30, 24}, DT_RTLREADING | DT_SINGLELINE);
    EXPECT_TRUE(IsInk(22, 2));
}

TEST_F(DrawTextTest, OpaqueModeFillsTheTextCellTransparentModeDoesNot) {
    SetBkColor(dc_, kGreen);
    Draw("d", {0, 0, 60, 24}, DT_SINGLELINE);
    EXPECT_EQ(GetPixel(dc_, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(dc_, 3, 6), kWhite);

    SetBkMode(dc_, OPAQUE);
    Draw("dd", {20, 0, 60, 24}, DT_SINGLELINE);
    EXPECT_EQ(GetPixel(dc_, 20, 0), kGreen);
    EXPECT_EQ(GetPixel(dc_, 23, 6), kGreen);  // inside the glyph's frame
    EXPECT_EQ(GetPixel(dc_, 20, 2), kInk);
    EXPECT_EQ(GetPixel(dc_, 35, 15), kGreen);
    EXPECT_EQ(GetPixel(dc_, 36, 0), kWhite);   // past the text
    EXPECT_EQ(GetPixel(dc_, 20, 16), kWhite);  // below the cell
}

TEST_F(DrawTextTest, TextIsClippedToTheRectangleUnlessNoClip) {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, kGreen);
    Draw("dddd", {0, 0, 20, 10}, DT_SINGLELINE);
    EXPECT_TRUE(IsInk(16, 2));
    EXPECT_EQ(GetPixel(dc_, 20, 2), kWhite);
    EXPECT_EQ(GetPixel(dc_, 0, 10), kWhite);

    Draw("dddd", {30, 0, 40, 10}, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_TRUE(IsInk(54, 2));
    EXPECT_EQ(GetPixel(dc_, 30, 15), kGreen);
}

TEST_F(DrawTextTest, TheClipRegionAndTheViewportOriginApply) {
    const HRGN clip = CreateRectRgn(10, 0, 20, 24);
    SelectClipRgn(dc_, clip);
    DeleteObject(clip);
    Draw("ddd", {0, 0, 60, 24}, DT_SINGLELINE);
    EXPECT_FALSE(IsInk(0, 2));
    EXPECT_FALSE(IsInk(6, 2));
    EXPECT_TRUE(IsInk(10, 2));
    EXPECT_TRUE(IsInk(16, 2));
    EXPECT_FALSE(IsInk(22, 2));
    SelectClipRgn(dc_, nullptr);

    SetViewportOrgEx(dc_, 5, 3, nullptr);
    Draw("d", {30, 0, 60, 24}, DT_SINGLELINE);
    SetViewportOrgEx(dc_, 0, 0, nullptr);  // probe in pixels
    EXPECT_TRUE(IsInk(35, 5));
    EXPECT_FALSE(IsInk(35, 4));
    EXPECT_FALSE(IsInk(34, 5));
}

TEST_F(DrawTextTest, PrefixUnderlinesTheNextCharacterAndDoubleAmpersandDrawsOne) {
    Draw("a&dc", {0, 0, 60, 24}, DT_SINGLELINE);
    const int underline = 13 + 1;
    EXPECT_FALSE(IsInk(7, underline));
    EXPECT_TRUE(IsInk(8, underline));
    EXPECT_TRUE(IsInk(15, underline));
    EXPECT_FALSE(IsInk(16, underline));
    EXPECT_TRUE(IsInk(16, 2));  // "c" follows directly: the "&" took no room

    const RECT all{0, 0, 60, 24};
    FillRect(dc_, &all, GetStockObject(WHITE_BRUSH).As<HBRUSH>());
    Draw("&&d", {0, 0, 60, 24}, DT_SINGLELINE);
    EXPECT_TRUE(IsInk(0, 2));  // one "&"
    EXPECT_TRUE(IsInk(8, 2));  // then "d"
    EXPECT_FALSE(IsInk(16, 2));
    EXPECT_FALSE(IsInk(0, underline));

    FillRect(dc_, &all, GetStockObject(WHITE_BRUSH).As<HBRUSH>());
    Draw("&d", {0, 0, 60, 24}, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_TRUE(IsInk(8, 2));
    EXPECT_FALSE(IsInk(0, underline));
}

TEST_F(DrawTextTest, AnUnderlinedFontUnderlinesTheWholeLine) {
    SelectFont(16, "Tahoma", ANSI_CHARSET, true);
    Draw("dd", {0, 0, 60, 24}, DT_SINGLELINE);
    EXPECT_TRUE(IsInk(0, 14));
    EXPECT_TRUE(IsInk(15, 14));
    EXPECT_FALSE(IsInk(16, 14));
}

TEST_F(DrawTextTest, TheSymbolFontDrawsTheDropDownArrowAtTheTopLeft) {
    SelectFont(14, "Marlett", SYMBOL_CHARSET);
    SetTextColor(dc_, kInk);
    // First character only, as a caption's symbol digit is drawn.
    RECT symbolRect{30, 4, 45, 19};
    EXPECT_EQ(DrawText(dc_, "63", 1, &symbolRect, DT_WORDBREAK), 14);
    // The arrow: 7, 5, 3, 1 pixels wide from row 4 + 5, centred on x = 30 + 7.
    EXPECT_TRUE(IsInk(34, 9));
    EXPECT_TRUE(IsInk(40, 9));
    EXPECT_FALSE(IsInk(33, 9));
    EXPECT_FALSE(IsInk(41, 9));
    EXPECT_TRUE(IsInk(37, 12));
    EXPECT_FALSE(IsInk(36, 12));
    EXPECT_FALSE(IsInk(37, 13));
    EXPECT_FALSE(IsInk(37, 8));
}

TEST_F(DrawTextTest, DrawingCreatesNoObjectsAndFailsCleanly) {
    const GdiObjectCounts before = GdiLiveObjects();
    RECT rect{0, 0, 60, 24};
    DrawText(dc_, "网络 &abc", -1, &rect, DT_WORDBREAK | DT_CENTER);
    DrawText(dc_, "abc", -1, &rect, DT_CALCRECT);
    EXPECT_EQ(GdiLiveObjects(), before);

    EXPECT_EQ(DrawText(dc_, "abc", -1, nullptr, 0), 0);
    EXPECT_EQ(DrawText(HDC{}, "abc", -1, &rect, 0), 0);
    const HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    EXPECT_EQ(DrawText(gone, "abc", -1, &rect, 0), 0);
}

TEST_F(DrawTextTest, CountsAreCharactersAndNegativeStopsAtNul) {
    const std::string withNul("ab\0cd", 5);
    RECT rect{0, 0, 0, 0};
    DrawText(dc_, withNul, -1, &rect, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(rect.right, 16);
    rect = {0, 0, 0, 0};
    DrawText(dc_, "网络流量", 3, &rect, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(rect.right, 48);
    rect = {0, 0, 0, 0};
    DrawText(dc_, "ab", 10, &rect, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(rect.right, 16);
}

TEST_F(DrawTextTest, ExtentAndMetricsComeFromTheSelectedFont) {
    SIZE size;
    ASSERT_TRUE(GetTextExtentPoint32(dc_, "a网&", -1, &size));
    EXPECT_EQ(size, (SIZE{32, 16}));
    ASSERT_TRUE(GetTextExtentPoint32(dc_, "a网&", 1, &size));
    EXPECT_EQ(size, (SIZE{8, 16}));
    ASSERT_TRUE(GetTextExtentPoint(dc_, "", 0, &size));
    EXPECT_EQ(size, (SIZE{0, 16}));
    EXPECT_FALSE(GetTextExtentPoint32(HDC{}, "a", 1, &size));
    EXPECT_FALSE(GetTextExtentPoint32(dc_, "a", 1, nullptr));

    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(dc_, &tm));
    EXPECT_EQ(tm.tmHeight, 16);
    EXPECT_EQ(tm.tmAscent, 13);
    EXPECT_EQ(tm.tmDescent, 3);
    EXPECT_EQ(tm.tmInternalLeading, 2);
    EXPECT_EQ(tm.tmAveCharWidth, 8);
    EXPECT_EQ(tm.tmWeight, FW_NORMAL);
}

// Layout is ours on every engine: another engine's advances change the break points only.
class ThreePixelEngine final : public text::TextEngine {
public:
    class Font final : public text::MatchedFont {
    public:
        text::FontMetrics Metrics() const override {
            text::FontMetrics m;
            m.height = 5;
            m.ascent = 4;
            m.descent = 1;
            m.averageCharWidth = 3;
            return m;
        }
        void Advances(std::string_view utf8, std::vector<int>& advances) const override {
            advances.assign(text::DecodeUtf8(utf8).size(), 3);
        }
        void DrawRun(std::string_view, int, int, text::CoverageMask&) const override {}
    };
    std::shared_ptr<const text::MatchedFont> MatchFont(const text::FontDescription&) override {
        return std::make_shared<Font>();
    }
};

TEST_F(DrawTextTest, AnotherEngineIsUsedAsSoonAsItIsInstalled) {
    EXPECT_EQ(Calc("aaa bbb", {0, 0, 60, 0}, DT_WORDBREAK), (RECT{0, 0, 56, 16}));
    text::SetCurrentTextEngine(std::make_shared<ThreePixelEngine>());
    EXPECT_EQ(Calc("aaa bbb", {0, 0, 60, 0}, DT_WORDBREAK), (RECT{0, 0, 21, 5}));
    EXPECT_EQ(Calc("aaa bbb", {0, 0, 20, 0}, DT_WORDBREAK), (RECT{0, 0, 9, 10}));
    text::SetCurrentTextEngine(nullptr);
    EXPECT_EQ(Calc("abc", {0, 0, 0, 0}, DT_SINGLELINE).right, 24);
}

}  // namespace
}  // namespace win
