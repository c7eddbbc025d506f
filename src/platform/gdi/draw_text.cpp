#include "platform/gdi/draw_text.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <vector>

#include "platform/gdi/internal/device_context_state.h"
#include "platform/gdi/text/text_layout.h"
#include "platform/gdi/text/text_painter.h"
#include "platform/gdi/text/utf8.h"

namespace win {
namespace {

using gdi::DeviceContext;

std::u32string CharactersToUse(std::string_view text, int count) {
    if (count < 0) {
        text = text.substr(0, text.find('\0'));
    }
    std::u32string characters = text::DecodeUtf8(text);
    if (count >= 0 && static_cast<std::size_t>(count) < characters.size()) {
        characters.resize(static_cast<std::size_t>(count));
    }
    return characters;
}

int ClampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

std::vector<text::LayoutBox> VisiblePieces(const DeviceContext& dc, const RECT* rect, UINT format) {
    const RECT area =
        (format & DT_NOCLIP) != 0 ? dc.Surface()->Bounds() : dc.LogicalToSurface(*rect);
    std::vector<text::LayoutBox> pieces;
    dc.EffectiveClip().ForEachPieceIn(area, [&pieces](int top, int bottom, int left, int right) {
        pieces.push_back({left, top, right, bottom});
    });
    return pieces;
}

void Paint(DeviceContext& dc, const text::TextLayout& layout, const RECT* rect, UINT format) {
    const std::vector<text::LayoutBox> visible = VisiblePieces(dc, rect, format);
    if (visible.empty()) {
        return;
    }
    const LOGFONT& logFont = dc.Font().LogFont();
    text::TextPaint paint;
    paint.textPixel = gdi::PixelFromColor(dc.TextColor());
    paint.backPixel = gdi::PixelFromColor(dc.BkColor());
    paint.opaque = dc.BkMode() == OPAQUE;
    paint.underline = logFont.lfUnderline != 0;
    paint.strikeOut = logFont.lfStrikeOut != 0;
    paint.originX = ClampToInt(dc.SurfaceX(0));
    paint.originY = ClampToInt(dc.SurfaceY(0));
    gdi::PixelBitmap& surface = *dc.Surface();
    text::PixelSurface pixels{surface.Pixels(), surface.Width(), surface.Height()};
    text::PaintTextLayout(layout, dc.Font().Matched(), paint, visible, pixels);
}

}  // namespace

int DrawText(HDC hdc, std::string_view text, int count, RECT* rect, UINT format) {
    DeviceContext* dc = DeviceContext::From(hdc);
    if (dc == nullptr || rect == nullptr) {
        return 0;
    }
    const std::u32string characters = CharactersToUse(text, count);
    const text::LayoutBox box{rect->left, rect->top, rect->right, rect->bottom};
    const text::TextLayout layout = text::LayoutText(characters, box, format, dc->Font().Matched());
    if ((format & DT_CALCRECT) != 0) {
        rect->right = ClampToInt(std::int64_t{rect->left} + layout.width);
        rect->bottom = ClampToInt(std::int64_t{rect->top} + layout.height);
        return layout.height;  // the rectangle was only measured: nothing was placed in it
    }
    if (dc->Surface() != nullptr && !layout.lines.empty()) {
        Paint(*dc, layout, rect, format);
    }
    return layout.drawnHeight;
}

bool GetTextExtentPoint32(HDC hdc, std::string_view text, int count, SIZE* size) {
    DeviceContext* dc = DeviceContext::From(hdc);
    if (dc == nullptr || size == nullptr) {
        return false;
    }
    const text::MatchedFont& font = dc->Font().Matched();
    std::vector<int> advances;
    font.Advances(text::EncodeUtf8(CharactersToUse(text, count)), advances);
    const std::int64_t width =
        std::accumulate(advances.begin(), advances.end(), std::int64_t{0},
                        [](std::int64_t sum, int advance) { return sum + std::max(0, advance); });
    size->cx = ClampToInt(width);
    size->cy = font.Metrics().height;
    return true;
}

bool GetTextMetrics(HDC hdc, TEXTMETRIC* metrics) {
    DeviceContext* dc = DeviceContext::From(hdc);
    if (dc == nullptr || metrics == nullptr) {
        return false;
    }
    const text::FontMetrics m = dc->Font().Matched().Metrics();
    const LOGFONT& logFont = dc->Font().LogFont();
    TEXTMETRIC out;
    out.tmHeight = m.height;
    out.tmAscent = m.ascent;
    out.tmDescent = m.descent;
    out.tmInternalLeading = m.internalLeading;
    out.tmExternalLeading = m.externalLeading;
    out.tmAveCharWidth = m.averageCharWidth;
    out.tmMaxCharWidth = m.maxCharWidth;
    out.tmWeight = m.weight;
    out.tmItalic = logFont.lfItalic != 0 ? 1 : 0;
    out.tmUnderlined = logFont.lfUnderline != 0 ? 1 : 0;
    out.tmStruckOut = logFont.lfStrikeOut != 0 ? 1 : 0;
    out.tmPitchAndFamily = logFont.lfPitchAndFamily;
    out.tmCharSet = m.charSet;
    *metrics = out;
    return true;
}

}  // namespace win
