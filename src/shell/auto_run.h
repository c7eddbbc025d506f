#pragma once

// Start at logon, as the tray menu's item asks for it: the entry is written by a process of its
// own that gets the executable's path as an argument (never through a shell), started hidden and
// not waited for; its result is ignored, as the item reports nothing.

#include <filesystem>

#include "platform/files/shipped_files.h"

namespace quellan::shell {

inline constexpr const char* kAutostartWriterName = "quellan_autostart";

// `executable` is the real file of the running program; the writer is the one shipped with it.
void RegisterAutoRun(const std::filesystem::path& executable = win::files::RunningExecutable());

}  // namespace quellan::shell
