#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/gdi/text/recent_cache.h"
#include "platform/gdi/text/text_engine.h"

namespace win::host::desktop {

// One logical font matched by Qt. Advances are whole pixels per character and DrawRun places
// each character at exactly those positions, so our own layout and the drawing agree.
class QtMatchedFont final : public win::text::MatchedFont {
public:
    explicit QtMatchedFont(const win::text::FontDescription& description);

    win::text::FontMetrics Metrics() const override { return metrics_; }
    void Advances(std::string_view utf8, std::vector<int>& advances) const override;
    void DrawRun(std::string_view utf8, int x, int baseline,
                 win::text::CoverageMask& mask) const override;

    // The family Qt actually chose, for tests and diagnostics.
    QString ResolvedFamily() const;
    const QFont& Font() const { return font_; }

private:
    // Coverage of a run, or of part of it, relative to the pen start on the baseline.
    struct RunCoverage {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> alpha;
    };
    // Relative to the pen start on the baseline: every advance and the ink that may overhang.
    struct RunBox {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };

    int AdvanceOf(char32_t ch) const;
    RunBox BoxOf(std::u32string_view text) const;
    RunCoverage DrawCoverage(std::u32string_view text, const RunBox& part) const;

    QFont font_;
    QFontMetricsF qtMetrics_;
    win::text::FontMetrics metrics_;
    mutable std::unordered_map<char32_t, int> advanceCache_;
    mutable win::text::RecentCache<std::string, RunCoverage> runs_{32};
    mutable QImage scratch_;
};

// The text engine of the desktop host: Wine's Tahoma and Marlett, WenQuanYi Micro Hei for
// Chinese, Liberation for the common Latin faces; anti-aliased coverage in logical pixels.
class QtTextEngine final : public win::text::TextEngine {
public:
    QtTextEngine();

    std::shared_ptr<const win::text::MatchedFont> MatchFont(
        const win::text::FontDescription& font) override;

private:
    // Fonts are made and deleted around drawing; matching one again is the costly part.
    win::text::RecentCache<win::text::FontDescription, std::shared_ptr<const QtMatchedFont>>
        matched_{16};
};

}  // namespace win::host::desktop
