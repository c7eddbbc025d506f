#pragma once

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win::controls {

// The title icons of a tip, 16 × 16 at (x, y): information (a blue disc with "i"), warning (a
// yellow triangle with "!") and error (a red disc with a cross). Other numbers draw nothing.
void DrawTitleIcon(HDC dc, int x, int y, int icon);

}  // namespace win::controls
