#include "platform/host/qt/qt_text_engine.h"

#include <QFontInfo>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/gdi/text/character_class.h"
#include "platform/gdi/text/utf8.h"
#include "platform/host/qt/font_registry.h"

namespace win::host::desktop {

namespace {

constexpr int kDefaultCellHeight = 16;
constexpr int kMaxPixelSize = 2048;
constexpr int kNormalWeight = 400;
// Runs up to this size (a caption or a box's text) are kept; longer ones are drawn each time.
constexpr long long kMostCachedRunPixels = 64 * 1024;

QFont BaseFont(const win::text::FontDescription& description) {
    QFont font(
        ResolveFamily(description.faceName, description.charSet == win::text::kSymbolCharSet));
    const int weight = description.weight <= 0 ? kNormalWeight : description.weight;
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.setItalic(description.italic);
    // Coverage is composed by us, so grey anti-aliasing only; no kerning, since our layout
    // places characters one by one.
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    font.setKerning(false);
    return font;
}

// The em size for a logical-font height: negative is the character height (the em), positive
// the cell height (ascent plus descent), zero a default cell.
int PixelSizeFor(QFont font, int height) {
    if (height < 0) {
        return std::clamp(-height, 1, kMaxPixelSize);
    }
    const int cell = std::clamp(height == 0 ? kDefaultCellHeight : height, 1, kMaxPixelSize);
    font.setPixelSize(cell);
    const QFontMetricsF probe(font);
    const double probeCell = probe.ascent() + probe.descent();
    if (probeCell <= 0) {
        return cell;
    }
    return std::clamp(static_cast<int>(std::lround(cell * cell / probeCell)), 1, kMaxPixelSize);
}

QFont MatchQtFont(const win::text::FontDescription& description) {
    QFont font = BaseFont(description);
    font.setPixelSize(PixelSizeFor(font, description.height));
    if (description.width > 0) {
        const double natural = QFontMetricsF(font).averageCharWidth();
        if (natural > 0) {
            font.setStretch(std::clamp(
                static_cast<int>(std::lround(100.0 * description.width / natural)), 1, 4000));
        }
    }
    return font;
}

win::text::FontMetrics MetricsOf(const QFont& font, const QFontMetricsF& metrics,
                                 const win::text::FontDescription& description) {
    win::text::FontMetrics result;
    result.ascent = std::max(1, static_cast<int>(std::ceil(metrics.ascent())));
    result.descent = std::max(0, static_cast<int>(std::ceil(metrics.descent())));
    result.height = result.ascent + result.descent;
    result.internalLeading = std::max(0, result.height - font.pixelSize());
    result.externalLeading = std::max(0, static_cast<int>(std::lround(metrics.leading())));
    result.averageCharWidth =
        std::max(1, static_cast<int>(std::lround(metrics.averageCharWidth())));
    result.maxCharWidth =
        std::max(result.averageCharWidth, static_cast<int>(std::lround(metrics.maxWidth())));
    result.weight = description.weight <= 0 ? kNormalWeight : description.weight;
    result.underlinePosition = std::max(1, static_cast<int>(std::lround(metrics.underlinePos())));
    result.underlineThickness = std::max(1, static_cast<int>(std::lround(metrics.lineWidth())));
    result.strikeOutPosition = static_cast<int>(std::lround(metrics.strikeOutPos()));
    result.charSet = description.charSet;
    return result;
}

QString StringOf(char32_t ch) {
    return QString::fromUcs4(&ch, 1);
}

bool HasNoAdvance(char32_t ch) {
    return win::text::IsZeroWidthCharacter(ch) || (ch < 0x20 && ch != U'\t');
}

}  // namespace

QtMatchedFont::QtMatchedFont(const win::text::FontDescription& description)
    : font_(MatchQtFont(description)),
      qtMetrics_(font_),
      metrics_(MetricsOf(font_, qtMetrics_, description)) {}

QString QtMatchedFont::ResolvedFamily() const {
    return QFontInfo(font_).family();
}

int QtMatchedFont::AdvanceOf(char32_t ch) const {
    if (HasNoAdvance(ch)) {
        return 0;
    }
    if (auto found = advanceCache_.find(ch); found != advanceCache_.end()) {
        return found->second;
    }
    // A tab is drawn as a blank; expanding tab stops is the layout's business.
    const char32_t measured = ch == U'\t' ? U' ' : ch;
    const int advance =
        static_cast<int>(std::lround(qtMetrics_.horizontalAdvance(StringOf(measured))));
    advanceCache_.emplace(ch, advance);
    return advance;
}

void QtMatchedFont::Advances(std::string_view utf8, std::vector<int>& advances) const {
    advances.clear();
    for (char32_t ch : win::text::DecodeUtf8(utf8)) {
        advances.push_back(AdvanceOf(ch));
    }
}

void QtMatchedFont::DrawRun(std::string_view utf8, int x, int baseline,
                            win::text::CoverageMask& mask) const {
    const RunCoverage* run = runs_.Find(utf8);
    RunCoverage uncached;
    if (run == nullptr) {
        const std::u32string text = win::text::DecodeUtf8(utf8);
        const RunBox box = BoxOf(text);
        if (static_cast<long long>(box.right - box.left) * (box.bottom - box.top) <=
            kMostCachedRunPixels) {
            run = &runs_.Insert(std::string(utf8), DrawCoverage(text, box));
        } else {
            // A long text is mostly clipped away: draw only the visible part, as it is.
            const RunBox visible{std::max(box.left, mask.Left() - x),
                                 std::max(box.top, mask.Top() - baseline),
                                 std::min(box.right, mask.Left() + mask.Width() - x),
                                 std::min(box.bottom, mask.Top() + mask.Height() - baseline)};
            if (visible.right <= visible.left || visible.bottom <= visible.top) {
                return;
            }
            uncached = DrawCoverage(text, visible);
            run = &uncached;
        }
    }
    const int runLeft = x + run->left;
    const int runTop = baseline + run->top;
    const int left = std::max(mask.Left(), runLeft);
    const int right = std::min(mask.Left() + mask.Width(), runLeft + run->width);
    const int top = std::max(mask.Top(), runTop);
    const int bottom = std::min(mask.Top() + mask.Height(), runTop + run->height);
    for (int y = top; y < bottom; ++y) {
        const std::uint8_t* row =
            run->alpha.data() + static_cast<std::ptrdiff_t>(y - runTop) * run->width;
        for (int column = left; column < right; ++column) {
            if (const std::uint8_t alpha = row[column - runLeft]; alpha != 0) {
                mask.Cover(column, y, alpha);
            }
        }
    }
}

QtMatchedFont::RunBox QtMatchedFont::BoxOf(std::u32string_view text) const {
    int runWidth = 0;
    for (char32_t ch : text) {
        runWidth += AdvanceOf(ch);
    }
    if (text.empty()) {
        return {};
    }
    // Ink may overhang the advances (italics, wide strokes) by part of the em on either side.
    const int overhang = font_.pixelSize() / 2 + 2;
    return {-overhang, -metrics_.ascent - overhang, runWidth + overhang,
            metrics_.descent + overhang};
}

QtMatchedFont::RunCoverage QtMatchedFont::DrawCoverage(std::u32string_view text,
                                                       const RunBox& part) const {
    RunCoverage run{part.left, part.top, part.right - part.left, part.bottom - part.top, {}};
    if (run.width <= 0 || run.height <= 0) {
        return {};
    }
    if (scratch_.width() < run.width || scratch_.height() < run.height) {
        scratch_ =
            QImage(std::max(scratch_.width(), run.width), std::max(scratch_.height(), run.height),
                   QImage::Format_ARGB32_Premultiplied);
    }
    scratch_.fill(Qt::transparent);
    {
        QPainter painter(&scratch_);
        painter.setFont(font_);
        painter.setPen(Qt::black);
        int pen = -part.left;
        for (char32_t ch : text) {
            const int advance = AdvanceOf(ch);
            if (advance > 0 && ch != U'\t' && ch != U' ') {
                painter.drawText(QPointF(pen, -part.top), StringOf(ch));
            }
            pen += advance;
        }
    }
    run.alpha.resize(static_cast<std::size_t>(run.width) * static_cast<std::size_t>(run.height));
    for (int row = 0; row < run.height; ++row) {
        const auto* pixels = reinterpret_cast<const QRgb*>(scratch_.constScanLine(row));
        std::uint8_t* alpha = run.alpha.data() + static_cast<std::ptrdiff_t>(row) * run.width;
        for (int column = 0; column < run.width; ++column) {
            alpha[column] = static_cast<std::uint8_t>(qAlpha(pixels[column]));
        }
    }
    return run;
}

QtTextEngine::QtTextEngine() {
    LoadBundledFonts();
}

std::shared_ptr<const win::text::MatchedFont> QtTextEngine::MatchFont(
    const win::text::FontDescription& font) {
    if (const auto* found = matched_.Find(font)) {
        return *found;
    }
    return matched_.Insert(font, std::make_shared<QtMatchedFont>(font));
}

}  // namespace win::host::desktop
