#include "platform/files/staged_file.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <variant>

#include <gtest/gtest.h>

#include "temporary_folder.h"

namespace quellan::files {
namespace {

using StagedFileTest = testing_support::TemporaryFolderTest;
namespace fs = std::filesystem;

TEST_F(StagedFileTest, ReplacesTheContentsAndLeavesNoTemporaryFile) {
    fs::path target = Folder() / "allbandwidth.dat";
    WriteFile(target, "old contents that are longer\r\n");

    EXPECT_FALSE(ReplaceFileContents(target, "2290\r\n"));
    EXPECT_EQ(ReadFile(target), "2290\r\n");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(StagedFileTest, CreatesAMissingTarget) {
    fs::path target = Folder() / "new.dat";
    EXPECT_FALSE(ReplaceFileContents(target, std::string("a\0b", 3)));
    EXPECT_EQ(ReadFile(target), std::string("a\0b", 3));
}

TEST_F(StagedFileTest, CrashBeforeTheRenameLeavesTheOldFile) {
    fs::path target = Folder() / "allbandwidth.dat";
    WriteFile(target, "1000\r\n");

    EXPECT_EXIT(
        {
            auto staged = StagedFile::Create(target, "99999\r\n");
            std::_Exit(std::holds_alternative<StagedFile>(staged) ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");

    EXPECT_EQ(ReadFile(target), "1000\r\n");
    EXPECT_EQ(EntriesInFolder(), 2u);  // the dead process's temporary copy stays behind
    EXPECT_FALSE(ReplaceFileContents(target, "2290\r\n"));
    EXPECT_EQ(ReadFile(target), "2290\r\n");
}

TEST_F(StagedFileTest, DroppedWithoutCommitChangesNothing) {
    fs::path target = Folder() / "allbandwidth.dat";
    WriteFile(target, "1000\r\n");
    {
        auto staged = StagedFile::Create(target, "99999\r\n");
        ASSERT_TRUE(std::holds_alternative<StagedFile>(staged));
        const fs::path& temporary = std::get<StagedFile>(staged).TemporaryPath();
        EXPECT_EQ(temporary.parent_path(), Folder());
        EXPECT_EQ(ReadFile(temporary), "99999\r\n");
    }
    EXPECT_EQ(ReadFile(target), "1000\r\n");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(StagedFileTest, MissingFolderFailsAtTheTemporaryFile) {
    auto error = ReplaceFileContents(Folder() / "absent" / "allbandwidth.dat", "1\r\n");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->step, FileStep::CreateTemporary);
    EXPECT_EQ(error->code, std::errc::no_such_file_or_directory);
}

TEST_F(StagedFileTest, TargetThatIsAFolderFailsAtTheRenameAndCleansUp) {
    fs::path target = Folder() / "allbandwidth.dat";
    fs::create_directory(target);
    WriteFile(target / "inside", "x");

    auto error = ReplaceFileContents(target, "1\r\n");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->step, FileStep::Replace);
    EXPECT_EQ(EntriesInFolder(), 1u);
    EXPECT_EQ(ReadFile(target / "inside"), "x");
}

TEST_F(StagedFileTest, ReadOnlyFolderFailsAndKeepsTheOldFile) {
    fs::path target = Folder() / "allbandwidth.dat";
    WriteFile(target, "1000\r\n");
    fs::permissions(Folder(), fs::perms::owner_read | fs::perms::owner_exec);
    if (FolderRefusesNewFiles()) {
        auto error = ReplaceFileContents(target, "2290\r\n");
        ASSERT_TRUE(error);
        EXPECT_EQ(error->step, FileStep::CreateTemporary);
        EXPECT_EQ(error->code, std::errc::permission_denied);
        EXPECT_EQ(ReadFile(target), "1000\r\n");
    }
    // With privileges that ignore folder permissions, a read-only file system still refuses.
    fs::permissions(Folder(), fs::perms::owner_all, fs::perm_options::add);
    fs::path mounted = Folder() / "read-only";
    if (!MountSmallFileSystem(mounted, SmallFileSystem::ReadOnly, "allbandwidth.dat", "1000\r\n")) {
        GTEST_SKIP() << "neither folder permissions nor a read-only file system can be had here";
    }
    auto error = ReplaceFileContents(mounted / "allbandwidth.dat", "2290\r\n");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->step, FileStep::CreateTemporary);
    EXPECT_EQ(error->code, std::errc::read_only_file_system);
    EXPECT_EQ(ReadFile(mounted / "allbandwidth.dat"), "1000\r\n");
}

TEST_F(StagedFileTest, FullDiskFailsAndKeepsTheOldFileWithNoTemporaryLeft) {
    fs::path mounted = Folder() / "full";
    if (!MountSmallFileSystem(mounted, SmallFileSystem::Full, "allbandwidth.dat", "1000\r\n")) {
        GTEST_SKIP() << "no small file system can be mounted here";
    }
    std::size_t entries = std::distance(fs::directory_iterator(mounted), fs::directory_iterator());
    auto error = ReplaceFileContents(mounted / "allbandwidth.dat", std::string(8192, '9'));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->step, FileStep::Write);
    EXPECT_EQ(error->code, std::errc::no_space_on_device);
    EXPECT_EQ(ReadFile(mounted / "allbandwidth.dat"), "1000\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(mounted), fs::directory_iterator()),
              static_cast<std::ptrdiff_t>(entries));
}

TEST(StagedFileSystemFolders, FolderWhereNoFileCanBeCreatedFails) {
    auto error = ReplaceFileContents("/proc/allbandwidth.dat", "1\r\n");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->step, FileStep::CreateTemporary);
}

}  // namespace
}  // namespace quellan::files
