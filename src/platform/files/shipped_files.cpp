#include "platform/files/shipped_files.h"

#include <unistd.h>

#include <array>
#include <system_error>

namespace win::files {

namespace {

namespace fs = std::filesystem;

bool IsRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool IsExecutableFile(const fs::path& path) {
    return IsRegularFile(path) && ::access(path.c_str(), X_OK) == 0;
}

template <class Test, std::size_t N>
std::optional<fs::path> FirstOf(const std::array<fs::path, N>& candidates, Test test) {
    for (const fs::path& candidate : candidates) {
        // Lexically, so that bin/.. needs no bin folder to resolve.
        const fs::path normal = candidate.lexically_normal();
        if (!candidate.empty() && test(normal)) {
            return normal;
        }
    }
    return std::nullopt;
}

}  // namespace

fs::path RunningExecutable() {
    std::error_code error;
    fs::path path = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : path;
}

std::optional<fs::path> FindShippedData(std::string_view relativePath, const fs::path& executable) {
    const fs::path relative(relativePath);
    if (relative.empty() || relative.is_absolute()) {
        return std::nullopt;
    }
    const fs::path bin = executable.parent_path();
    const std::array candidates{
        bin.empty() ? fs::path() : bin / ".." / "share" / "quellan" / relative,
        fs::path(QUELLAN_SOURCE_ASSETS) / relative,
    };
    return FirstOf(candidates, IsRegularFile);
}

std::optional<fs::path> FindShippedHelper(std::string_view name, const fs::path& executable) {
    const fs::path file(name);
    if (file.empty() || file.has_parent_path() || executable.empty()) {
        return std::nullopt;
    }
    const fs::path bin = executable.parent_path();
    const std::array candidates{bin / ".." / "libexec" / "quellan" / file, bin / file};
    return FirstOf(candidates, IsExecutableFile);
}

}  // namespace win::files
