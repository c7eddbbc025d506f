#pragma once

#include "platform/gdi/text/glyph_cell.h"
#include "platform/gdi/text/text_engine.h"

namespace win::text {

// The built-in engine's ordinary glyphs: a frame per character with bars chosen by the code
// point, so pixel probes can tell ink from background and neighbouring characters apart.
void DrawBoxGlyph(char32_t ch, const GlyphCell& cell, CoverageMask& mask);

// Characters drawn with no ink at all (blanks, controls, zero-width marks).
bool IsInklessCharacter(char32_t ch);

}  // namespace win::text
