#pragma once

#include <string>
#include <string_view>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"

namespace win::controls {

// The font a control draws with: the one set by WM_SETFONT, else the default GUI font.
HFONT FontOrDefault(HFONT font);

// WM_COMMAND to the parent (the owner for a top-level window), as the standard controls notify.
void NotifyParent(HWND control, WORD code);

// The text a control keeps from WM_SETTEXT / CREATESTRUCT: valid UTF-8, read up to a NUL.
std::string TextFromLParam(LPARAM text);

// WM_GETTEXT: at most capacity - 1 bytes and a NUL, never a cut UTF-8 sequence; returns the
// bytes copied.
LRESULT CopyTextOut(std::string_view text, WPARAM capacity, LPARAM buffer);

// Client coordinates of a mouse message's long argument.
POINT PointFromLParam(LPARAM lParam);

bool IsInside(const RECT& rect, POINT point);

// Asks the parent for a background brush as WM_CTLCOLOR* does; the system colour when it
// returns none. The DC's text and background colours are set first to the defaults.
HBRUSH BackgroundBrush(HWND control, HDC dc, UINT ctlColorMessage, int defaultBackground,
                       int defaultText);

}  // namespace win::controls
