#pragma once

#include "platform/gdi/text/glyph_cell.h"
#include "platform/gdi/text/text_engine.h"

namespace win::text {

// The built-in symbol face: window-control and arrow glyphs at the character codes a symbol font
// uses ("6" and "u" the drop-down arrow, "3"/"4"/"5" left/right/up, "0"/"1"/"2" minimise,
// maximise and restore, "r" the close cross, "a" a check mark). Returns false for codes without
// a symbol so the caller can fall back to an ordinary glyph.
bool DrawSymbolGlyph(char32_t ch, const GlyphCell& cell, CoverageMask& mask);

}  // namespace win::text
