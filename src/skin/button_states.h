#pragma once

// The four images of one skinned button, composed from the skin at the button's own size.

#include "platform/gdi/gdi_handle.h"
#include "platform/user/user_types.h"

namespace quellan {

// Renders the images of states 0 to 3 into the button's memory DCs "HDC0" to "HDC3": the skin's
// tile of the state stretched by nine pieces over the whole button, the caption in the button's
// font (grey for the disabled state), and the focus rectangle while the button has the focus.
void DrawButtonStates(win::HWND hWnd, win::HDC skinDc);

}  // namespace quellan
