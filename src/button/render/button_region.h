#pragma once

#include "button/render/button_view.h"

namespace quellan {

// Shapes the button's window for its style and current size: rounded corners for the soft
// styles, the plain rectangle for the others. The window owns the region from then on.
void ApplyButtonRegion(const ButtonView& view);

}  // namespace quellan
