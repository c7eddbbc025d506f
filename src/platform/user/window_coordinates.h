#pragma once

#include "platform/gdi/win_types.h"
#include "platform/host/host.h"
#include "platform/user/session.h"

namespace win::user {

// A top-level window with a caption gets its title bar and frame from the desktop.
bool IsHostDecorated(const Window& window);
// A top-level window the host shows as a pop-up: never activated, above everything, off the
// taskbar (menus, drop-down lists, tooltips).
bool IsHostPopup(const Window& window);
// The client area Windows' default non-client calculation gives a window of this style and
// size, in window coordinates.
RECT DefaultClientArea(const Session& session, const Window& window, int width, int height);

Window* TopLevelOf(const Session& session, Window& window);
// Screen position of the window's top-left corner and of its client area's.
POINT WindowOrigin(const Session& session, const Window& window);
POINT ClientOrigin(const Session& session, const Window& window);
// The part of a top-level window our pixels cover (all of it unless the desktop decorates it),
// in screen coordinates.
RECT ContentRect(const Session& session, const Window& topLevel);
// Where the window's (0, 0) lies in its top-level window's backing store.
POINT SurfaceOffset(const Session& session, const Window& window);

RECT ToRect(const host::Rect& rect);
host::Rect ToHostRect(const RECT& rect);
int Width(const RECT& rect);
int Height(const RECT& rect);
RECT Offset(RECT rect, int dx, int dy);
RECT Intersect(const RECT& a, const RECT& b);
bool IsEmpty(const RECT& rect);
bool Contains(const RECT& rect, POINT point);

}  // namespace win::user
