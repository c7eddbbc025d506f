#pragma once

// Which windows the skinning treats as buttons and which as containers (forms and dialogs),
// by class name in lower case.

#include <string>

#include "platform/user/user_types.h"

namespace quellan {

// The class name cut at 255 characters, in lower case.
std::string LowerCaseClassName(win::HWND hWnd);
bool IsSkinButtonClass(const std::string& lowerCaseClass);
bool IsSkinContainerClass(const std::string& lowerCaseClass);

}  // namespace quellan
