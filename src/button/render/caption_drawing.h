#pragma once

// The caption, its relief effects and the drop-down symbol.

#include <cstdint>

#include "button/render/button_view.h"
#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace quellan {

// The caption centred in `rect` moved by (dx, dy), in `colour`; the surface's text colour is
// restored afterwards.
void DrawCaptionText(const ButtonView& view, const win::RECT& rect, win::COLORREF colour, int dx,
                     int dy);
// The effect's copies, then the plain caption in the enabled or disabled text colour.
void DrawCaptionEffects(const ButtonView& view, const win::RECT& rect);
// "Marlett" in the symbol character set; the caller deletes it.
win::HFONT CreateSymbolFont(int height);
// The glyph of the first character of the value's decimal text, at the top-left of `rect`, in
// the surface's text colour.
void DrawDropDownSymbol(const ButtonView& view, const win::RECT& rect, std::int32_t symbol);

}  // namespace quellan
