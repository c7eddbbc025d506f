#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace win::host::desktop {

// Starts `argv` without waiting and without a shell; false when it could not be started.
bool StartDetached(const std::vector<std::string>& argv);
// Hands the address to the desktop's opener as one argument.
bool OpenWithDesktop(std::string_view url);

}  // namespace win::host::desktop
