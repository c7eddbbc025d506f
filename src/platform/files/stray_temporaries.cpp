#include "platform/files/stray_temporaries.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace quellan::files {
namespace {

bool IsDecimal(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process id in "<pid>.<n>.<n>", or nothing when the text is not of that form.
std::optional<pid_t> ProcessOfCounters(std::string_view counters) {
    std::size_t first = counters.find('.');
    std::size_t second = first == std::string_view::npos ? first : counters.find('.', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view pid = counters.substr(0, first);
    std::string_view serial = counters.substr(first + 1, second - first - 1);
    std::string_view attempt = counters.substr(second + 1);
    if (!IsDecimal(pid) || !IsDecimal(serial) || !IsDecimal(attempt)) {
        return std::nullopt;
    }
    pid_t value = 0;
    auto [end, error] = std::from_chars(pid.data(), pid.data() + pid.size(), value);
    if (error != std::errc() || end != pid.data() + pid.size() || value <= 0) {
        return std::nullopt;  // 0 would name our own process group in kill()
    }
    return value;
}

std::optional<pid_t> ProcessOfTemporary(std::string_view name, std::string_view targetName) {
    constexpr std::string_view kSuffix = ".tmp";
    if (name.size() < 1 + targetName.size() + 1 + kSuffix.size() || name.front() != '.' ||
        name.substr(1, targetName.size()) != targetName || name[1 + targetName.size()] != '.' ||
        !name.ends_with(kSuffix)) {
        return std::nullopt;
    }
    name.remove_prefix(targetName.size() + 2);
    name.remove_suffix(kSuffix.size());
    return ProcessOfCounters(name);
}

// A process we may not signal still runs; only "no such process" means it has ended.
bool ProcessHasEnded(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

bool IsPlainFile(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

std::size_t RemoveStrayTemporaries(const std::filesystem::path& target) {
    std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    std::string targetName = target.filename().string();
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    std::size_t removed = 0;
    for (auto end = std::filesystem::directory_iterator(); !error && entries != end;
         entries.increment(error)) {
        const std::filesystem::path& path = entries->path();
        auto pid = ProcessOfTemporary(path.filename().string(), targetName);
        if (pid && ProcessHasEnded(*pid) && IsPlainFile(path) && ::unlink(path.c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace quellan::files
