#include "tests/support/started_processes.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace desktop_testing {
namespace {

constexpr const char* kTagName = "QUELLAN_TEST_STARTED_BY";

std::string Tag() {
    return std::string(kTagName) + "=" + std::to_string(::getpid());
}

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// NUL-separated entries, as /proc keeps environments and command lines.
bool HasEntry(const std::string& block, const std::string& entry) {
    std::size_t at = 0;
    while (at < block.size()) {
        const std::size_t end = block.find('\0', at);
        const std::size_t stop = end == std::string::npos ? block.size() : end;
        if (block.compare(at, stop - at, entry) == 0) {
            return true;
        }
        at = stop + 1;
    }
    return false;
}

std::vector<std::string> TaggedProcesses() {
    const std::string tag = Tag();
    const std::string self = std::to_string(::getpid());
    std::vector<std::string> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name == self || name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        // A process that has ended but is not yet reaped has an empty environment.
        if (HasEntry(ReadAll(entry.path() / "environ"), tag)) {
            std::string command = ReadAll(entry.path() / "cmdline");
            for (char& c : command) {
                c = c == '\0' ? ' ' : c;
            }
            found.push_back(name + ": " + command);
        }
    }
    return found;
}

}  // namespace

void TagStartedProcesses() {
    setenv(kTagName, std::to_string(::getpid()).c_str(), 1);
}

std::vector<std::string> ProcessesLeftAfter(std::chrono::milliseconds patience,
                                            const std::function<void()>& meanwhile) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::vector<std::string> left = TaggedProcesses();
    while (!left.empty() && std::chrono::steady_clock::now() < deadline) {
        if (meanwhile) {
            meanwhile();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        left = TaggedProcesses();
    }
    return left;
}

}  // namespace desktop_testing
