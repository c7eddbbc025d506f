#pragma once

#include <functional>
#include <string_view>

#include "platform/user/user_types.h"

namespace win {

using PROPENUMPROC = std::function<bool(HWND, std::string_view, LONG_PTR)>;

// Every property of the window, most recently added last (names as stored: lower case), until
// the callback returns false. -1 when the window has no property or does not exist, else the
// callback's last answer.
int EnumProps(HWND hWnd, const PROPENUMPROC& lpEnumFunc);

}  // namespace win
