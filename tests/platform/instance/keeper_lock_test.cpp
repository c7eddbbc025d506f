#include "platform/instance/keeper_lock.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <variant>

#include <gtest/gtest.h>

#include "platform/files/temporary_folder.h"

namespace quellan::instance {
namespace {

namespace fs = std::filesystem;

enum class Outcome { Ours, HeldElsewhere, Unavailable };

Outcome OutcomeOf(const KeeperClaim& claim) {
    if (std::holds_alternative<KeeperLock>(claim)) {
        return Outcome::Ours;
    }
    return std::holds_alternative<HeldElsewhere>(claim) ? Outcome::HeldElsewhere
                                                        : Outcome::Unavailable;
}

// A child process that takes the lock, says so through a pipe, and holds it until killed.
class HoldingProcess {
public:
    explicit HoldingProcess(const fs::path& lockFile) {
        int ready[2];
        if (::pipe(ready) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            KeeperClaim claim = ClaimKeeper(lockFile);
            char held = std::holds_alternative<KeeperLock>(claim) ? 'y' : 'n';
            (void)!::write(ready[1], &held, 1);
            ::pause();
            std::_Exit(0);
        }
        ::close(ready[1]);
        char held = 0;
        holding_ = ::read(ready[0], &held, 1) == 1 && held == 'y';
        ::close(ready[0]);
    }
    HoldingProcess(const HoldingProcess&) = delete;
    HoldingProcess& operator=(const HoldingProcess&) = delete;
    ~HoldingProcess() { End(); }
    bool Holding() const { return holding_; }
    void End() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

private:
    pid_t pid_ = -1;
    bool holding_ = false;
};

using KeeperLockTest = testing_support::TemporaryFolderTest;

TEST_F(KeeperLockTest, OneKeeperAtATime) {
    const fs::path lockFile = LockFileFor(Folder() / "allbandwidth.dat");
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> before;
        Outcome expected;
    };
    const Case cases[] = {
        {"no lock file yet", [](const fs::path&) {}, Outcome::Ours},
        {"lock file left by an ended keeper", [](const fs::path& file) { WriteFile(file, ""); },
         Outcome::Ours},
        {"lock file is a link", [](const fs::path& file) { fs::create_symlink("elsewhere", file); },
         Outcome::Unavailable},
        {"lock file is a folder", [](const fs::path& file) { fs::create_directory(file); },
         Outcome::Unavailable},
    };
    for (const Case& c : cases) {
        std::error_code ignored;
        fs::remove_all(lockFile, ignored);
        c.before(lockFile);
        EXPECT_EQ(OutcomeOf(ClaimKeeper(lockFile)), c.expected) << c.what;
    }
}

TEST_F(KeeperLockTest, LockFileIsHiddenBesideTheTotalsFile) {
    EXPECT_EQ(LockFileFor(Folder() / "allbandwidth.dat"), Folder() / ".allbandwidth.dat.lock");
    EXPECT_EQ(LockFileFor("allbandwidth.dat"), ".allbandwidth.dat.lock");
}

TEST_F(KeeperLockTest, RunningKeeperKeepsItAndItsEndFreesIt) {
    const fs::path lockFile = LockFileFor(Folder() / "allbandwidth.dat");
    HoldingProcess keeper(lockFile);
    ASSERT_TRUE(keeper.Holding());
    EXPECT_EQ(OutcomeOf(ClaimKeeper(lockFile)), Outcome::HeldElsewhere);
    keeper.End();  // killed: the system drops its lock
    EXPECT_EQ(OutcomeOf(ClaimKeeper(lockFile)), Outcome::Ours);
}

TEST_F(KeeperLockTest, HeldUntilDroppedEvenWithinOneProcess) {
    const fs::path lockFile = LockFileFor(Folder() / "allbandwidth.dat");
    {
        KeeperClaim first = ClaimKeeper(lockFile);
        ASSERT_EQ(OutcomeOf(first), Outcome::Ours);
        KeeperClaim moved = std::move(first);
        EXPECT_EQ(OutcomeOf(ClaimKeeper(lockFile)), Outcome::HeldElsewhere);
    }
    EXPECT_EQ(OutcomeOf(ClaimKeeper(lockFile)), Outcome::Ours);
}

TEST_F(KeeperLockTest, MissingFolderCannotBeKept) {
    EXPECT_EQ(OutcomeOf(ClaimKeeper(LockFileFor(Folder() / "absent" / "allbandwidth.dat"))),
              Outcome::Unavailable);
}

}  // namespace
}  // namespace quellan::instance
