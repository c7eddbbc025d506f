#include "platform/gdi/text/builtin_text_engine.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/gdi/text/box_glyphs.h"
#include "platform/gdi/text/character_class.h"
#include "platform/gdi/text/glyph_cell.h"
#include "platform/gdi/text/symbol_glyphs.h"
#include "platform/gdi/text/utf8.h"

namespace win::text {
namespace {

constexpr int kNormalWeight = 400;
constexpr int kBoldThreshold = 600;

int ClampCell(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 1, BuiltinTextEngine::kMaxCellHeight));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool IsSymbolFace(const FontDescription& font) {
    return font.charSet == kSymbolCharSet || EqualsIgnoringCase(font.faceName, "Marlett");
}

FontMetrics ComputeMetrics(const FontDescription& font) {
    FontMetrics m;
    const std::int64_t requested = font.height;
    if (requested > 0) {
        m.height = ClampCell(requested);
        m.internalLeading = m.height / 8;
    } else if (requested < 0) {
        const int em = ClampCell(-requested);
        m.internalLeading = em / 7;
        m.height = ClampCell(em + m.internalLeading);
    } else {
        m.height = BuiltinTextEngine::kDefaultCellHeight;
        m.internalLeading = m.height / 8;
    }
    m.descent = m.height / 5;
    m.ascent = m.height - m.descent;
    const bool symbol = IsSymbolFace(font);
    const int narrow = font.width > 0 ? std::min(font.width, BuiltinTextEngine::kMaxCellHeight)
                                      : std::max(1, m.height / 2);
    m.averageCharWidth = symbol ? m.height : narrow;
    m.maxCharWidth = symbol ? m.height : 2 * narrow;
    m.weight = font.weight == 0 ? kNormalWeight : font.weight;
    m.underlineThickness = std::max(1, m.height / 16);
    m.underlinePosition = std::max(0, std::min(1, m.descent - m.underlineThickness));
    m.strikeOutPosition = m.ascent * 3 / 8;
    m.charSet = font.charSet;
    return m;
}

class BuiltinFont final : public MatchedFont {
public:
    explicit BuiltinFont(const FontDescription& font)
        : metrics_(ComputeMetrics(font)),
          symbol_(IsSymbolFace(font)),
          bold_(metrics_.weight >= kBoldThreshold),
          italic_(font.italic) {}

    FontMetrics Metrics() const override { return metrics_; }

    void Advances(std::string_view utf8, std::vector<int>& advances) const override {
        advances.clear();
        for (char32_t ch : DecodeUtf8(utf8)) {
            advances.push_back(AdvanceOf(ch));
        }
    }

    void DrawRun(std::string_view utf8, int x, int baseline, CoverageMask& mask) const override {
        // Glyphs wholly outside the mask are skipped, which also keeps the arithmetic below far
        // from the int limits whatever position a caller passes.
        const std::int64_t maskRight = std::int64_t{mask.Left()} + mask.Width();
        const std::int64_t maskBottom = std::int64_t{mask.Top()} + mask.Height();
        if (std::int64_t{baseline} + metrics_.descent <= mask.Top() ||
            std::int64_t{baseline} - metrics_.ascent >= maskBottom) {
            return;
        }
        GlyphCell cell;
        cell.cellTop = baseline - metrics_.ascent;
        cell.baseline = baseline;
        cell.cellBottom = baseline + metrics_.descent;
        cell.inkTop = baseline - std::max(1, metrics_.ascent - metrics_.internalLeading);
        cell.stroke = bold_ ? 2 : 1;
        cell.italic = italic_;
        std::int64_t pen = x;
        for (char32_t ch : DecodeUtf8(utf8)) {
            if (pen >= maskRight) {
                break;
            }
            const int advance = AdvanceOf(ch);
            if (pen + advance + metrics_.height > mask.Left()) {
                cell.left = static_cast<int>(pen);
                cell.advance = advance;
                if (!(symbol_ && DrawSymbolGlyph(ch, cell, mask))) {
                    DrawBoxGlyph(ch, cell, mask);
                }
            }
            pen += advance;
        }
    }

private:
    int AdvanceOf(char32_t ch) const {
        if (IsZeroWidthCharacter(ch) || (ch < 0x20 && ch != U'\t')) {
            return 0;
        }
        if (symbol_) {
            return metrics_.averageCharWidth;
        }
        return IsWideCharacter(ch) ? metrics_.maxCharWidth : metrics_.averageCharWidth;
    }

    FontMetrics metrics_;
    bool symbol_;
    bool bold_;
    bool italic_;
};

}  // namespace

std::shared_ptr<const MatchedFont> BuiltinTextEngine::MatchFont(const FontDescription& font) {
    return std::make_shared<BuiltinFont>(font);
}

}  // namespace win::text
