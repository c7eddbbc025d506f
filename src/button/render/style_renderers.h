#pragma once

// One renderer per look; each paints the background, runs the content pass once and then
// paints its borders and marks over the content.

#include "button/render/style_paint.h"

namespace quellan {

// StyleStandard, StyleFlat, StyleFlatHotEdge and StyleFlatThinEdge.
void DrawStandardFamily(const StylePaint& p);
void DrawRoundedGradient(const StylePaint& p);
void DrawBlueGradient(const StylePaint& p);
void DrawToolbarHighlight(const StylePaint& p);
void DrawAmberHighlight(const StylePaint& p);
void DrawSoftPanel(const StylePaint& p);
void DrawSteelFrame(const StylePaint& p);
void DrawOrangeGloss(const StylePaint& p);
void DrawWhiteGloss(const StylePaint& p);
void DrawSoftGloss(const StylePaint& p);
void DrawSystemTheme(const StylePaint& p);

}  // namespace quellan
