#include "tests/app/gui/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "tests/support/desktop_probe.h"

namespace quellan::gui_testing {

using namespace desktop_testing;
namespace {

void RedirectTo(const std::filesystem::path& file, int descriptor) {
    const int opened = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (opened >= 0) {
        ::dup2(opened, descriptor);
    }
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, std::vector<std::string> arguments,
                           const std::filesystem::path& folder, const std::string& name)
    : errors_(folder / (name + ".err")) {
    const std::filesystem::path output = folder / (name + ".out");
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_ = ::fork();
    if (pid_ == 0) {
        const int null = ::open("/dev/null", O_RDONLY);
        ::dup2(null, STDIN_FILENO);
        RedirectTo(output, STDOUT_FILENO);
        RedirectTo(errors_, STDERR_FILENO);
        // Only sanitizer builds read it; a setting of the caller's own is kept.
        ::setenv("LSAN_OPTIONS", "suppressions=" QUELLAN_DESKTOP_LEAK_SUPPRESSIONS, 0);
        if (::chdir(folder.c_str()) != 0) {
            ::_exit(126);
        }
        ::execvp(program.c_str(), argv.data());
        ::_exit(127);
    }
}

ChildProcess::~ChildProcess() {
    if (Running()) {
        ::kill(pid_, SIGKILL);
        Reap(true);
    }
}

bool ChildProcess::Reap(bool block) {
    if (pid_ <= 0 || status_) {
        return true;
    }
    int status = 0;
    if (::waitpid(pid_, &status, block ? 0 : WNOHANG) != pid_) {
        return false;
    }
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return true;
}

bool ChildProcess::Running() {
    return pid_ > 0 && !Reap(false);
}

void ChildProcess::Signal(int signalNumber) const {
    if (pid_ > 0 && !status_) {
        ::kill(pid_, signalNumber);
    }
}

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds timeout) {
    PollUntil([this] { return !Running(); }, timeout);
    return status_;
}

std::string ChildProcess::Errors() const {
    std::ifstream in(errors_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace quellan::gui_testing
