#pragma once

// A program the test starts in a folder of its own, with its output kept in files there.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quellan::gui_testing {

class ChildProcess {
public:
    // `program` is looked up on PATH when it has no slash. Standard output and error go to
    // `<name>.out` and `<name>.err` in `folder`, where the program runs.
    ChildProcess(const std::string& program, std::vector<std::string> arguments,
                 const std::filesystem::path& folder, const std::string& name);
    // A program still running is killed.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    bool Running();
    void Signal(int signalNumber) const;
    // Its exit code once it has ended within `timeout` (-1 when a signal ended it); nullopt
    // while it still runs.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);
    // What it wrote on standard error so far.
    std::string Errors() const;

private:
    bool Reap(bool block);

    pid_t pid_ = -1;
    std::optional<int> status_;
    std::filesystem::path errors_;
};

}  // namespace quellan::gui_testing
