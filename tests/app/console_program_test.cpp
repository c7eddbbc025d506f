// Runs the real program in its console view, on the machine's own interface table.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "meter/leading_number.h"
#include "platform/files/temporary_folder.h"
#include "tests/support/veth_web_server.h"

namespace quellan {
namespace {

// The program with its standard output read line by line, in a folder of the test's own.
class RunningProgram {
public:
    RunningProgram(const std::filesystem::path& folder, std::vector<std::string> arguments) {
        std::array<int, 2> output{};
        if (::pipe(output.data()) != 0) {
            return;
        }
        std::string errors = (folder / "errors.txt").string();
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(output[1], STDOUT_FILENO);
            int null = ::open("/dev/null", O_RDONLY);
            ::dup2(null, STDIN_FILENO);
            int errorFile = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(errorFile, STDERR_FILENO);
            if (::chdir(folder.c_str()) != 0) {
                ::_exit(126);
            }
            std::vector<char*> argv = {const_cast<char*>(QUELLAN_PROGRAM)};
            for (std::string& argument : arguments) {
                argv.push_back(argument.data());
            }
            argv.push_back(nullptr);
            ::execv(QUELLAN_PROGRAM, argv.data());
            ::_exit(127);
        }
        ::close(output[1]);
        output_ = ::fdopen(output[0], "r");
    }
    ~RunningProgram() {
        if (pid_ > 0 && !status_) {
            ::kill(pid_, SIGKILL);
            Wait();
        }
        if (output_ != nullptr) {
            std::fclose(output_);
        }
    }

    std::optional<std::string> NextLine() {
        std::array<char, 4096> buffer{};
        if (output_ == nullptr || std::fgets(buffer.data(), buffer.size(), output_) == nullptr) {
            return std::nullopt;
        }
        std::string line = buffer.data();
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
        }
        lines_.push_back(line);
        return line;
    }
    void ReadToEnd() {
        while (NextLine()) {
        }
    }
    void Signal(int signalNumber) { ::kill(pid_, signalNumber); }
    // The exit status, or -1 when it did not exit normally.
    int Wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return *status_;
    }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    pid_t pid_ = -1;
    FILE* output_ = nullptr;
    std::optional<int> status_;
    std::vector<std::string> lines_;
};

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, '\t')) {
        fields.push_back(field);
    }
    return fields;
}

bool IsTickLine(const std::string& line) {
    return !line.empty() && std::isdigit(line[0]);
}

// The received total of a tick line, in kilobytes.
double ReceivedKilobytes(const std::string& line) {
    std::string field = Fields(line).at(1);
    EXPECT_TRUE(field.starts_with("接收字节: ")) << line;
    return LeadingNumber(field.substr(std::string("接收字节: ").size()));
}

// Hides the desktop's variables from the programs a test starts, for the test's length.
class WithoutDisplay {
public:
    WithoutDisplay() {
        for (const char* name : kNames) {
            if (const char* value = std::getenv(name)) {
                saved_.emplace_back(name, value);
            }
            ::unsetenv(name);
        }
    }
    ~WithoutDisplay() {
        for (const char* name : kNames) {
            ::unsetenv(name);
        }
        for (const auto& [name, value] : saved_) {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
    }
    WithoutDisplay(const WithoutDisplay&) = delete;
    WithoutDisplay& operator=(const WithoutDisplay&) = delete;

private:
    static constexpr std::array kNames{"DISPLAY", "WAYLAND_DISPLAY"};
    std::vector<std::pair<std::string, std::string>> saved_;
};

class ConsoleProgramTest : public testing_support::TemporaryFolderTest {
protected:
    std::filesystem::path TotalsFile() const { return Folder() / "allbandwidth.dat"; }
};

TEST_F(ConsoleProgramTest, CountsNetworkTrafficAndAddsTheRunToTheTotalsFile) {
    const testing_support::VethWebServer server;
    if (server.LacksRights()) {
        GTEST_SKIP() << server.Problem();
    }
    ASSERT_TRUE(server.Ready()) << server.Problem();
    WriteFile(TotalsFile(), "1000\r\n");
    RunningProgram program(Folder(), {"--console", "--ticks", "30"});
    std::optional<std::string> line;
    while ((line = program.NextLine()) && !line->starts_with("2\t")) {
    }
    ASSERT_TRUE(line) << ReadFile(Folder() / "errors.txt");
    double before = ReceivedKilobytes(*line);
    constexpr std::uint64_t kPage = 2'000'000;
    ASSERT_EQ(server.Fetch(kPage), kPage) << server.Url(kPage);
    program.ReadToEnd();
    EXPECT_EQ(program.Wait(), 0) << ReadFile(Folder() / "errors.txt");

    std::vector<std::string> ticks;
    std::optional<std::string> list;
    for (const std::string& written : program.Lines()) {
        if (IsTickLine(written)) {
            ticks.push_back(written);
        } else if (written.starts_with("选择网卡:") && !list) {
            list = written;
        }
    }
    ASSERT_EQ(ticks.size(), 30u);
    EXPECT_TRUE(ticks.back().starts_with("30\t"));
    ASSERT_TRUE(list);
    std::vector<std::string> entries = Fields(*list);
    EXPECT_TRUE(std::find(entries.begin(), entries.end(), "lo") != entries.end() ||
                std::find(entries.begin(), entries.end(), "[lo]") != entries.end())
        << *list;

    // The page arrives once over the veth pair, headers aside.
    double trafficKilobytes = static_cast<double>(kPage) / 1024.0;
    EXPECT_GE(ReceivedKilobytes(ticks.back()) - before, trafficKilobytes);
    EXPECT_GE(LeadingNumber(ReadFile(TotalsFile())), 1000.0 + trafficKilobytes);
    EXPECT_TRUE(ReadFile(TotalsFile()).ends_with("\r\n"));
}

TEST_F(ConsoleProgramTest, TerminationSignalEndsItWithTheSave) {
    for (int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        WriteFile(TotalsFile(), "1000\r\n");
        RunningProgram program(Folder(), {"--console"});
        std::optional<std::string> line;
        while ((line = program.NextLine()) && !line->starts_with("3\t")) {
        }
        ASSERT_TRUE(line);
        std::filesystem::remove(TotalsFile());
        program.Signal(signalNumber);
        program.ReadToEnd();
        EXPECT_EQ(program.Wait(), 0) << signalNumber;
        ASSERT_TRUE(std::filesystem::exists(TotalsFile())) << signalNumber;
        EXPECT_GE(LeadingNumber(ReadFile(TotalsFile())), 1000.0) << signalNumber;
    }
}

TEST_F(ConsoleProgramTest, FailedSaveIsReportedAndTheExitStatusSaysSo) {
    std::filesystem::create_directory(TotalsFile());
    RunningProgram program(Folder(), {"--console", "--ticks", "2"});
    program.ReadToEnd();
    EXPECT_EQ(program.Wait(), 1);
    std::string errors = ReadFile(Folder() / "errors.txt");
    EXPECT_NE(errors.find("无法保存流量累计文件"), std::string::npos) << errors;
    EXPECT_TRUE(std::filesystem::is_directory(TotalsFile()));
}

TEST_F(ConsoleProgramTest, WithoutADisplayItShowsTheConsoleViewUnasked) {
    const WithoutDisplay noDisplay;
    RunningProgram program(Folder(), {"--ticks", "2"});
    program.ReadToEnd();
    EXPECT_EQ(program.Wait(), 0) << ReadFile(Folder() / "errors.txt");
    EXPECT_EQ(std::count_if(program.Lines().begin(), program.Lines().end(), IsTickLine), 2);
    EXPECT_TRUE(std::filesystem::exists(TotalsFile()));
}

TEST_F(ConsoleProgramTest, ADesktopThatCannotBeReachedGivesTheConsoleViewWithANote) {
    // No X server answers there, and a Wayland session alone cannot place the mini window.
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const WithoutDisplay noDisplay;
        ::setenv(variable, std::string(variable) == "DISPLAY" ? ":4711" : "wayland-4711", 1);
        RunningProgram program(Folder(), {"--ticks", "2"});
        program.ReadToEnd();
        const std::string errors = ReadFile(Folder() / "errors.txt");
        EXPECT_EQ(program.Wait(), 0) << variable << ": " << errors;
        EXPECT_EQ(std::count_if(program.Lines().begin(), program.Lines().end(), IsTickLine), 2)
            << variable;
        EXPECT_NE(errors.find("无法连接到桌面"), std::string::npos) << variable << ": " << errors;
    }
}

TEST_F(ConsoleProgramTest, HelpAndBadOptions) {
    RunningProgram help(Folder(), {"--help"});
    help.ReadToEnd();
    EXPECT_EQ(help.Wait(), 0);
    ASSERT_FALSE(help.Lines().empty());
    EXPECT_TRUE(help.Lines().front().starts_with("用法: quellan"));

    RunningProgram bad(Folder(), {"--ticks", "zero"});
    bad.ReadToEnd();
    EXPECT_EQ(bad.Wait(), 2);
    EXPECT_FALSE(std::filesystem::exists(TotalsFile()));
}

}  // namespace
}  // namespace quellan
