#pragma once

#include <string_view>

#include "platform/user/user_types.h"

namespace win {

using HMODULE = UserHandle<struct ModuleHandleTag>;
using FARPROC = void (*)();

// The system libraries the program probes by name ("User32", "ComCtl32", "uxtheme.dll", ...) are
// stand-ins: each names a set of entry points our platform provides. Names are matched without
// case and with or without ".dll". Entries the host cannot back (the theme library without a
// visual-styles theme) are not there.
//
// GetModuleHandle finds the libraries every process has loaded (User32, Kernel32, Gdi32);
// LoadLibrary also loads the others and counts its loads, FreeLibrary releases one.
HMODULE GetModuleHandle(std::string_view lpModuleName);
HMODULE LoadLibrary(std::string_view lpLibFileName);
bool FreeLibrary(HMODULE hLibModule);
// The entry point, or null when the library does not export it.
FARPROC GetProcAddress(HMODULE hModule, std::string_view lpProcName);

}  // namespace win
