#pragma once

#include "button/render/button_view.h"

namespace quellan {

// The one way the button is drawn: clears the surface, settles the draw state and runs the
// renderer of the current style.
void RedrawButton(ButtonView& view);

}  // namespace quellan
