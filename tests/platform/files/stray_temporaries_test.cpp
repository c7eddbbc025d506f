#include "platform/files/stray_temporaries.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "platform/files/staged_file.h"
#include "temporary_folder.h"

namespace quellan::files {
namespace {

namespace fs = std::filesystem;

// A child process that ends at once, reaped so that its id names no process any more.
pid_t EndedProcess() {
    pid_t child = ::fork();
    if (child == 0) {
        std::_Exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

// A child process that runs until the test ends it.
class RunningProcess {
public:
    RunningProcess() : pid_(::fork()) {
        if (pid_ == 0) {
            ::pause();
            std::_Exit(0);
        }
    }
    RunningProcess(const RunningProcess&) = delete;
    RunningProcess& operator=(const RunningProcess&) = delete;
    ~RunningProcess() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    pid_t Pid() const { return pid_; }

private:
    pid_t pid_;
};

enum class Kind { PlainFile, Folder };

struct StrayCase {
    const char* what;
    std::string name;
    Kind kind;
    bool removed;
};

class StrayTemporariesTest : public testing_support::TemporaryFolderTest {};

TEST_F(StrayTemporariesTest, RemovesOnlyTheTemporariesOfEndedProcesses) {
    RunningProcess running;
    std::string ended = std::to_string(EndedProcess());
    std::string live = std::to_string(running.Pid());
    std::string own = std::to_string(::getpid());
    const StrayCase cases[] = {
        {"ended process", ".allbandwidth.dat." + ended + ".3.0.tmp", Kind::PlainFile, true},
        {"ended process, later attempt", ".allbandwidth.dat." + ended + ".0.15.tmp",
         Kind::PlainFile, true},
        {"another running process", ".allbandwidth.dat." + live + ".3.0.tmp", Kind::PlainFile,
         false},
        {"this process", ".allbandwidth.dat." + own + ".0.0.tmp", Kind::PlainFile, false},
        {"the first process", ".allbandwidth.dat.1.0.0.tmp", Kind::PlainFile, false},
        {"process group 0", ".allbandwidth.dat.0.0.0.tmp", Kind::PlainFile, false},
        {"negative id", ".allbandwidth.dat.-" + ended + ".0.0.tmp", Kind::PlainFile, false},
        {"id beyond any process", ".allbandwidth.dat.99999999999999999999.0.0.tmp", Kind::PlainFile,
         false},
        {"another file's", ".settings.ini." + ended + ".0.0.tmp", Kind::PlainFile, false},
        {"not hidden", "allbandwidth.dat." + ended + ".0.0.tmp", Kind::PlainFile, false},
        {"one counter short", ".allbandwidth.dat." + ended + ".0.tmp", Kind::PlainFile, false},
        {"one counter more", ".allbandwidth.dat." + ended + ".0.0.0.tmp", Kind::PlainFile, false},
        {"counter not a number", ".allbandwidth.dat." + ended + ".x.0.tmp", Kind::PlainFile, false},
        {"other ending", ".allbandwidth.dat." + ended + ".0.0.tmp.bak", Kind::PlainFile, false},
        {"a folder", ".allbandwidth.dat." + ended + ".1.0.tmp", Kind::Folder, false},
        {"the file itself", "allbandwidth.dat", Kind::PlainFile, false},
    };
    for (const StrayCase& c : cases) {
        if (c.kind == Kind::Folder) {
            fs::create_directory(Folder() / c.name);
        } else {
            WriteFile(Folder() / c.name, "1000\r\n");
        }
    }

    std::size_t expected = 0;
    for (const StrayCase& c : cases) {
        expected += c.removed ? 1 : 0;
    }
    EXPECT_EQ(RemoveStrayTemporaries(Folder() / "allbandwidth.dat"), expected);
    for (const StrayCase& c : cases) {
        EXPECT_EQ(fs::exists(Folder() / c.name), !c.removed) << c.what << ": " << c.name;
    }
}

TEST_F(StrayTemporariesTest, SaveKilledBeforeTheRenameIsCleanedUpByTheNextOne) {
    fs::path target = Folder() / "allbandwidth.dat";
    WriteFile(target, "1000\r\n");
    pid_t child = ::fork();
    if (child == 0) {
        auto staged = StagedFile::Create(target, "99999\r\n");
        std::_Exit(std::holds_alternative<StagedFile>(staged) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(EntriesInFolder(), 2u);

    EXPECT_EQ(RemoveStrayTemporaries(target), 1u);
    EXPECT_EQ(EntriesInFolder(), 1u);
    EXPECT_EQ(ReadFile(target), "1000\r\n");
}

TEST_F(StrayTemporariesTest, MissingFolderRemovesNothing) {
    EXPECT_EQ(RemoveStrayTemporaries(Folder() / "absent" / "allbandwidth.dat"), 0u);
}

}  // namespace
}  // namespace quellan::files
