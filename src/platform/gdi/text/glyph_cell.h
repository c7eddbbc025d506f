#pragma once

namespace win::text {

// Where the built-in engine puts one glyph: the pen's advance box and the font's vertical cell.
struct GlyphCell {
    int left = 0;
    int advance = 0;
    int cellTop = 0;
    int baseline = 0;
    int cellBottom = 0;
    int inkTop = 0;  // top of capital letters
    int stroke = 1;  // 2 for bold faces
    bool italic = false;
};

}  // namespace win::text
