#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/host/qt/web_view_protocol.h"
#include "tests/support/started_processes.h"

extern char** environ;

namespace win::host {
namespace {

using namespace std::chrono_literals;

// How the helper is left on its own.
enum class Ending { InputCloses, InputIsNull, QuitRequested, ParentKilled };

struct HelperRun {
    pid_t parent = -1;
    pid_t helper = -1;
    int input = -1;  // our end of its input; -1 when it reads /dev/null
};

// Gone, or ended and waiting for its parent to collect it.
bool HasEnded(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) {
        return true;
    }
    const std::size_t close = line.rfind(')');
    return close == std::string::npos || line.substr(close + 2, 1) == "Z";
}

// Whether `pid` runs the helper (and so has got past its start-up, parent-death request included).
bool RunsHelper(pid_t pid) {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/" + std::to_string(pid) + "/exe", error) ==
           std::filesystem::path(QUELLAN_TEST_WEB_VIEW_HELPER);
}

// Starts the helper as the grandchild of this test, under a parent that only waits, as the
// program would be; its input is a pipe of ours or /dev/null.
HelperRun StartUnderParent(bool nullInput) {
    int input[2];
    int report[2];
    if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(report, O_CLOEXEC) != 0) {
        return {};
    }
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0) {
            variables.emplace_back(*entry);
        }
    }
    variables.emplace_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> env;
    for (std::string& variable : variables) {
        env.push_back(variable.data());
    }
    env.push_back(nullptr);
    char* argv[] = {const_cast<char*>(QUELLAN_TEST_WEB_VIEW_HELPER), nullptr};

    const pid_t parent = ::fork();
    if (parent == 0) {
        // Only the test holds the writing end, so closing it is the end of the helper's input.
        ::close(input[1]);
        ::close(report[0]);
        const pid_t helper = ::fork();
        if (helper == 0) {
            const int in = nullInput ? ::open("/dev/null", O_RDONLY) : input[0];
            ::dup2(in, STDIN_FILENO);
            ::execve(argv[0], argv, env.data());
            ::_exit(127);
        }
        (void)!::write(report[1], &helper, sizeof helper);
        for (;;) {
            ::pause();
        }
    }
    ::close(input[0]);
    ::close(report[1]);
    HelperRun run{parent, -1, input[1]};
    if (nullInput) {
        ::close(input[1]);
        run.input = -1;
    }
    if (::read(report[0], &run.helper, sizeof run.helper) != sizeof run.helper) {
        run.helper = -1;
    }
    ::close(report[0]);
    return run;
}

TEST(WebViewHelperLifetimeTest, TheHelperNeverOutlivesItsProgram) {
    if (std::string(QUELLAN_TEST_WEB_VIEW_HELPER).empty()) {
        GTEST_SKIP() << "no browser engine here, so no helper";
    }
    desktop_testing::TagStartedProcesses();
    struct Case {
        const char* name;
        Ending ending;
    };
    const Case cases[] = {
        {"its input closes", Ending::InputCloses},
        {"its input is /dev/null from the start", Ending::InputIsNull},
        {"it is asked to quit", Ending::QuitRequested},
        {"its parent is killed while its input stays open", Ending::ParentKilled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HelperRun run = StartUnderParent(c.ending == Ending::InputIsNull);
        ASSERT_GT(run.helper, 0);
        const auto started = std::chrono::steady_clock::now();
        while (!RunsHelper(run.helper) && !HasEnded(run.helper) &&
               std::chrono::steady_clock::now() - started < 10s) {
            std::this_thread::sleep_for(20ms);
        }
        // Past exec, the parent-death request is a few instructions away.
        std::this_thread::sleep_for(300ms);
        switch (c.ending) {
            case Ending::InputCloses:
                ::close(std::exchange(run.input, -1));
                break;
            case Ending::InputIsNull:
                break;
            case Ending::QuitRequested: {
                const std::string quit = desktop::FormatRequest(desktop::WebViewRequest::Quit());
                EXPECT_EQ(::write(run.input, quit.data(), quit.size()),
                          static_cast<ssize_t>(quit.size()));
                break;
            }
            case Ending::ParentKilled:
                ::kill(run.parent, SIGKILL);
                break;
        }
        const auto waited = std::chrono::steady_clock::now();
        while (!HasEnded(run.helper) && std::chrono::steady_clock::now() - waited < 15s) {
            std::this_thread::sleep_for(50ms);
        }
        EXPECT_TRUE(HasEnded(run.helper));
        ::kill(run.parent, SIGKILL);
        ::waitpid(run.parent, nullptr, 0);
        if (run.input >= 0) {
            ::close(run.input);
        }
        EXPECT_EQ(desktop_testing::ProcessesLeftAfter(10s), std::vector<std::string>{})
            << "a helper or its engine is left";
    }
}

}  // namespace
}  // namespace win::host
