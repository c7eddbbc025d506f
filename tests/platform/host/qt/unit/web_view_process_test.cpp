#include "platform/host/qt/web_view_process.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/platform/host/qt/support/host_fixture.h"
#include "tests/support/started_processes.h"

namespace win::host {
namespace {

using namespace std::chrono_literals;

// A helper stuck where it reads nothing, as one still starting its engine can be: it ignores
// its input, the quit request and polite signals, and has started a process of its own.
constexpr const char* kStubbornHelper =
    "#!/bin/sh\n"
    "trap '' TERM INT HUP\n"
    "sleep 300 &\n"
    "sleep 300\n";

std::filesystem::path WriteStubbornHelper() {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("quellan-stubborn-" + std::to_string(::getpid()));
    std::ofstream(path) << kStubbornHelper;
    ::chmod(path.c_str(), 0755);
    return path;
}

// Waits until the helper and both its sleeps run.
bool AllThreeStarted() {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (desktop_testing::ProcessesLeftAfter(0ms).size() < 3) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

TEST(WebViewProcessTest, AHelperThatWillNotEndIsKilledWithWhatItStarted) {
    testing::SharedHost();  // the application object
    desktop_testing::TagStartedProcesses();
    const std::filesystem::path helper = WriteStubbornHelper();
    enum class Ending { WhileTheLoopRuns, AtTheProgramsEnd };
    for (const Ending ending : {Ending::WhileTheLoopRuns, Ending::AtTheProgramsEnd}) {
        SCOPED_TRACE(ending == Ending::WhileTheLoopRuns ? "while the loop runs"
                                                        : "at the program's end");
        QObject endingHelpers;
        {
            desktop::WebViewProcess process({}, endingHelpers);
            ASSERT_TRUE(process.Start(QString::fromStdString(helper.string())));
            ASSERT_TRUE(AllThreeStarted());
        }
        if (ending == Ending::AtTheProgramsEnd) {
            desktop::AwaitEndingHelpers(endingHelpers, 200);
        }
        const auto pump = [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 10); };
        EXPECT_EQ(desktop_testing::ProcessesLeftAfter(15s, pump), std::vector<std::string>{});
        // Its process object goes once it has been collected.
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (!endingHelpers.children().isEmpty() && std::chrono::steady_clock::now() < deadline) {
            pump();
        }
        EXPECT_TRUE(endingHelpers.children().isEmpty());
    }
    std::filesystem::remove(helper);
}

}  // namespace
}  // namespace win::host
