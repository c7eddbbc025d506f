#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/user/user_types.h"

namespace win {

inline constexpr LONG_PTR SE_ERR_NOASSOC = 31;
inline constexpr LONG_PTR SE_ERR_FILE_NOT_FOUND = 2;

// The "open" verb (or none): hands the address or file to the desktop's opener, never through a
// shell. Parameters are not supported there and fail. Above 32 on success, as its namesake.
LONG_PTR ShellExecute(HWND hwnd, std::string_view lpOperation, std::string_view lpFile,
                      std::string_view lpParameters, std::string_view lpDirectory, int nShowCmd);

// Starts argv[0] with the other arguments as they are, never through a shell, and does not wait
// for it; nShowCmd (SW_*) says how its first window shows. Above 32 when it started.
LONG_PTR ShellExecuteProcess(HWND hwnd, const std::vector<std::string>& argv, int nShowCmd);

}  // namespace win
