#include "platform/gdi/text/box_glyphs.h"

#include <algorithm>

#include "platform/gdi/text/character_class.h"

namespace win::text {
namespace {

// Italic faces lean right by one pixel every four rows above the baseline.
int ItalicShift(const GlyphCell& cell, int y) {
    return cell.italic ? std::max(0, (cell.baseline - 1 - y) / 4) : 0;
}

void InkSpan(const GlyphCell& cell, CoverageMask& mask, int y, int x0, int x1) {
    const int shift = ItalicShift(cell, y);
    mask.CoverRect(x0 + shift, y, x1 + shift, y + 1, 255);
}

void InkRect(const GlyphCell& cell, CoverageMask& mask, int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y) {
        InkSpan(cell, mask, y, x0, x1);
    }
}

}  // namespace

bool IsInklessCharacter(char32_t ch) {
    return ch < 0x20 || ch == 0x7F || IsBreakingBlank(ch) || IsZeroWidthCharacter(ch) || ch == 0xA0;
}

void DrawBoxGlyph(char32_t ch, const GlyphCell& cell, CoverageMask& mask) {
    if (IsInklessCharacter(ch)) {
        return;
    }
    // One column of each advance stays empty so that neighbours do not merge.
    const int x0 = cell.left;
    const int x1 = cell.left + std::max(1, cell.advance - 1);
    const int y0 = std::min(cell.inkTop, cell.baseline - 1);
    const int y1 = cell.baseline;
    const int s = cell.stroke;

    InkRect(cell, mask, x0, y0, x1, std::min(y0 + s, y1));
    InkRect(cell, mask, x0, std::max(y1 - s, y0), x1, y1);
    InkRect(cell, mask, x0, y0, std::min(x0 + s, x1), y1);
    InkRect(cell, mask, std::max(x1 - s, x0), y0, x1, y1);

    const int midY = (y0 + y1 - s) / 2;
    const int midX = (x0 + x1 - s) / 2;
    if (ch & 1U) {
        InkRect(cell, mask, x0, midY, x1, midY + s);
    }
    if (ch & 2U) {
        InkRect(cell, mask, midX, y0, midX + s, y1);
    }
}

}  // namespace win::text
