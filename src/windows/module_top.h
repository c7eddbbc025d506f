#pragma once

#include <cstdint>

#include "platform/user/user_types.h"

namespace quellan::ModuleTop {

// Puts the window into the topmost band, or takes it out. Returns SetWindowPos's result when
// putting it in, and 0 when taking it out.
std::int32_t SetTopMost(win::HWND hwnd, bool onTop);

}  // namespace quellan::ModuleTop
