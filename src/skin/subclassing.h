#pragma once

// Replacing a window's procedure, keeping the replaced one in the window's "PROCADDR" property,
// and putting it back.

#include "platform/user/user_types.h"
#include "platform/user/window_procedure.h"

namespace quellan {

void InstallProcedure(win::HWND hWnd, win::WNDPROC procedure);
// Removes "PROCADDR" and gives the window its stored procedure again.
void RestoreProcedure(win::HWND hWnd);
// The stored procedure; messages a hook does not keep go there.
win::LRESULT ForwardToStored(win::HWND hWnd, win::UINT uMsg, win::WPARAM wParam,
                             win::LPARAM lParam);

}  // namespace quellan
