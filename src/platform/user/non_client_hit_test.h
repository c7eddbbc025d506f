#pragma once

#include "platform/gdi/win_types.h"
#include "platform/user/user_types.h"

namespace win::user {

class Session;
struct Window;

// DefWindowProc's answer to WM_NCHITTEST: which part of the window a screen point is on.
LRESULT DefaultHitTest(const Session& session, const Window& window, POINT screen);

// The non-client twin of a client mouse message (WM_MOUSEMOVE to WM_NCMOUSEMOVE, ...), and back.
UINT NonClientMouseMessage(UINT clientMessage);
UINT ClientMouseMessage(UINT nonClientMessage);
bool IsNonClientMouseMessage(UINT message);

}  // namespace win::user
