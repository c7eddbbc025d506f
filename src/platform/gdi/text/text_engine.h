#pragma once

#include <compare>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace win::text {

inline constexpr std::uint8_t kSymbolCharSet = 2;

// What a logical font asks for. `height` follows the logical-font sign rule: negative is the
// character height, positive the cell height, zero the engine's default.
struct FontDescription {
    std::string faceName;
    int height = 0;
    int width = 0;
    int weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charSet = 0;

    auto operator<=>(const FontDescription&) const = default;
};

// Pixel metrics of a matched font. height == ascent + descent; positions are relative to the
// baseline, underline downwards and strike-out upwards.
struct FontMetrics {
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
    int maxCharWidth = 0;
    int weight = 0;
    int underlinePosition = 1;
    int underlineThickness = 1;
    int strikeOutPosition = 0;
    std::uint8_t charSet = 0;
};

// An 8-bit coverage mask covering [left, left + width) x [top, top + height) of the drawing's
// device space; rows are `width` bytes. Writes outside are dropped, overlapping ink keeps the
// larger coverage.
class CoverageMask {
public:
    CoverageMask(int left, int top, int width, int height, std::span<std::uint8_t> alpha);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void Cover(int x, int y, std::uint8_t coverage);
    void CoverRect(int left, int top, int right, int bottom, std::uint8_t coverage);
    std::uint8_t At(int x, int y) const;

private:
    int left_;
    int top_;
    int width_;
    int height_;
    std::span<std::uint8_t> alpha_;
};

// One font as the engine matched it.
class MatchedFont {
public:
    virtual ~MatchedFont() = default;

    virtual FontMetrics Metrics() const = 0;
    // One advance per code point of the run, appended to `advances` after clearing it.
    virtual void Advances(std::string_view utf8, std::vector<int>& advances) const = 0;
    // Draws the run with its pen starting at x on the given baseline. Underline and strike-out
    // are drawn by gdi from the metrics, not by the engine.
    virtual void DrawRun(std::string_view utf8, int x, int baseline, CoverageMask& mask) const = 0;
};

class TextEngine {
public:
    virtual ~TextEngine() = default;

    // Never fails: an unknown face is substituted, as a desktop's font mapper would.
    virtual std::shared_ptr<const MatchedFont> MatchFont(const FontDescription& font) = 0;
};

// The process-wide engine: the host installs its own at start; the built-in one until then.
// Passing nullptr restores the built-in engine.
TextEngine& CurrentTextEngine();
void SetCurrentTextEngine(std::shared_ptr<TextEngine> engine);
// Changes whenever the engine is replaced, so caches of matched fonts know to drop them.
std::uint64_t TextEngineGeneration();

}  // namespace win::text
