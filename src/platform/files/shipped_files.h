#pragma once

// Files the program ships: its pages and artwork, and helper programs. They are found relative
// to the running executable, first as installed (bin/../share/quellan, bin/../libexec/quellan),
// then as built (the helpers beside the executable, the data in the source tree's assets/), so a
// relocated install and the build tree both work.

#include <filesystem>
#include <optional>
#include <string_view>

namespace win::files {

// The real file of the running program (/proc/self/exe), empty when it cannot be read.
std::filesystem::path RunningExecutable();

// A data file by its path below share/quellan (the same path below assets/ in the source tree).
std::optional<std::filesystem::path> FindShippedData(
    std::string_view relativePath, const std::filesystem::path& executable = RunningExecutable());

// A helper program by its file name.
std::optional<std::filesystem::path> FindShippedHelper(
    std::string_view name, const std::filesystem::path& executable = RunningExecutable());

}  // namespace win::files
