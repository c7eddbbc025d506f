#pragma once

#include "platform/gdi/gdi_handle.h"
#include "platform/user/session.h"

namespace win::user {

// Where a window may draw, in its top-level window's backing-store coordinates: its client area
// (or whole window), cut by its own and its ancestors' regions and client areas, by siblings
// above it where WS_CLIPSIBLINGS says so, and by its children under WS_CLIPCHILDREN. Empty when
// it or an ancestor is hidden. The caller deletes the region.
HRGN VisibleRegion(const Session& session, const Window& window, bool clientOnly);

// The window's area (rectangle cut by its region) in backing-store coordinates.
HRGN WindowArea(const Session& session, const Window& window);

}  // namespace win::user
