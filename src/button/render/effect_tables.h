#pragma once

// The picture effects' lookup tables, filled once per control.

#include "button/render/button_view.h"

namespace quellan {

// Entry v is min(255, v * 293 div 255).
EffectTable BrightenTable();
// Entry v is v * 217 div 255.
EffectTable DarkenTable();

}  // namespace quellan
