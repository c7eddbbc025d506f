#pragma once

#include "platform/user/user_types.h"

namespace win::controls {

// A tooltip's watch on a tool window: the tool window's procedure is hooked so that its mouse
// messages reach every tooltip watching it (as TTM_RELAYEVENT) before the window's own handling.
// One hook per tool window, shared by its tooltips. When the last tooltip lets go the hook comes
// off if it is still the outermost procedure; otherwise it stays, passing everything on, until
// the tool window dies, so a hook installed after ours never loses its chain.
void WatchTool(HWND tool, HWND tooltip);
void UnwatchTool(HWND tool, HWND tooltip);
// Every watch of a tooltip that is going away.
void UnwatchAllOf(HWND tooltip);

}  // namespace win::controls
