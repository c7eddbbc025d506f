#pragma once

#include <string_view>

#include "button/render/button_view.h"

namespace quellan {

// A visual-styles background filling the button, with the window shaped to the part; nothing
// when the theme has no data for the classes.
void DrawThemedBackground(const ButtonView& view, std::string_view classList, int part, int state);

}  // namespace quellan
