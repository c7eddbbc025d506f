#include "windows/totals_file.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "meter/leading_number.h"
#include "platform/files/temporary_folder.h"

namespace quellan {
namespace {

namespace fs = std::filesystem;

class TotalsFileTest : public testing_support::TemporaryFolderTest {
protected:
    fs::path File() const { return Folder() / kTotalsFileName; }
    double StoredTotal() const { return LeadingNumber(ReadTotalsText(File())); }
};

TEST_F(TotalsFileTest, MissingEmptyOrUnreadableFilesReadAsEmpty) {
    EXPECT_EQ(ReadTotalsText(File()), "");
    WriteFile(File(), "");
    EXPECT_EQ(ReadTotalsText(File()), "");
    fs::remove(File());
    fs::create_directory(File());
    EXPECT_EQ(ReadTotalsText(File()), "");
}

TEST_F(TotalsFileTest, EndlessDeviceIsNotReadAtAll) {
    fs::create_symlink("/dev/zero", File());
    EXPECT_EQ(ReadTotalsText(File()), "");
}

TEST_F(TotalsFileTest, OnlyTheFirstLineIsKept) {
    WriteFile(File(), "1000\r\n2000\r\n3000\r\n");
    EXPECT_EQ(ReadTotalsText(File()), "1000\r\n");
    WriteFile(File(), "1000\r2000");  // a line also ends at a lone CR
    EXPECT_EQ(ReadTotalsText(File()), "1000\r\n");
    WriteFile(File(), "1048576");
    EXPECT_EQ(ReadTotalsText(File()), "1048576\r\n");
}

TEST_F(TotalsFileTest, FirstLineReadsAsItsLeadingNumber) {
    WriteFile(File(), "12 34\r\n");
    EXPECT_EQ(StoredTotal(), 1234.0);
    WriteFile(File(), "abc\r\n5\r\n");
    EXPECT_EQ(StoredTotal(), 0.0);
    WriteFile(File(), "1.5\r\n");
    EXPECT_EQ(StoredTotal(), 1.5);
    WriteFile(File(), "-5\r\n");
    EXPECT_EQ(StoredTotal(), -5.0);
    WriteFile(File(), "1e999\r\n");
    EXPECT_EQ(StoredTotal(), 0.0);
    WriteFile(File(), "12\n34\r\n");  // a line feed belongs to the line and is skipped
    EXPECT_EQ(StoredTotal(), 1234.0);
}

TEST_F(TotalsFileTest, HugeFileWithOneEndlessLineIsReadOnlyUpToTheLimit) {
    WriteFile(File(), std::string(3 * 1024 * 1024, '7'));
    std::string text = ReadTotalsText(File());
    EXPECT_EQ(text.size(), kTotalsFirstLineLimit + 2);
    EXPECT_EQ(LeadingNumber(text), 0.0);  // far beyond a double
}

TEST_F(TotalsFileTest, BinaryBytesBecomePlainText) {
    std::string bytes = std::string("42") + '\0' + "\xff\xfe\x01" + "99\r\n";
    WriteFile(File(), bytes);
    std::string text = ReadTotalsText(File());
    EXPECT_EQ(text, "42????99\r\n");
    EXPECT_EQ(LeadingNumber(text), 42.0);

    std::mt19937 random(7);
    std::string noise(100'000, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random());
    }
    WriteFile(File(), noise);
    for (char c : ReadTotalsText(File())) {
        EXPECT_TRUE((c >= 0x20 && c <= 0x7e) || c == '\t' || c == '\n' || c == '\r');
    }
}

TEST_F(TotalsFileTest, SaveWritesOneCleanLine) {
    WriteFile(File(), "1000\r\njunk\r\n");
    EXPECT_FALSE(SaveTotals(File(), 1000.0 + 1290.0));
    EXPECT_EQ(ReadFile(File()), "2290\r\n");
    EXPECT_FALSE(SaveTotals(File(), 1.5 + 1290.0));
    EXPECT_EQ(ReadFile(File()), "1291.5\r\n");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(TotalsFileTest, SaveRemovesTheTemporaryOfAnEndedProcessButNotOfThisOne) {
    pid_t ended = ::fork();
    if (ended == 0) {
        std::_Exit(0);
    }
    ::waitpid(ended, nullptr, 0);
    fs::path stray = Folder() / (".allbandwidth.dat." + std::to_string(ended) + ".0.0.tmp");
    fs::path ours = Folder() / (".allbandwidth.dat." + std::to_string(::getpid()) + ".7.0.tmp");
    WriteFile(stray, "99999\r\n");
    WriteFile(ours, "99999\r\n");

    EXPECT_FALSE(SaveTotals(File(), 2290.0));
    EXPECT_FALSE(fs::exists(stray));
    EXPECT_TRUE(fs::exists(ours));
    EXPECT_EQ(ReadFile(File()), "2290\r\n");
}

TEST_F(TotalsFileTest, BareNameIsTheFileInTheCurrentFolder) {
    fs::path previous = fs::current_path();
    fs::current_path(Folder());
    auto error = SaveTotals(kTotalsFileName, 1048576.0);
    std::string text = ReadTotalsText(kTotalsFileName);
    fs::current_path(previous);
    EXPECT_FALSE(error);
    EXPECT_EQ(text, "1048576\r\n");
    EXPECT_EQ(ReadFile(File()), "1048576\r\n");
}

TEST_F(TotalsFileTest, SavedTotalReadsBackExactly) {
    for (double total : {0.0, 1048576.0, 123456789.25, 9.87654321012345e14}) {
        ASSERT_FALSE(SaveTotals(File(), total));
        EXPECT_EQ(StoredTotal(), total);
    }
}

TEST_F(TotalsFileTest, FailedSaveKeepsTheStoredTotalAndSaysWhy) {
    fs::path file = Folder() / "absent" / kTotalsFileName;
    auto error = SaveTotals(file, 2290.0);
    ASSERT_TRUE(error);
    EXPECT_NE(error->reason.find("absent"), std::string::npos);
    EXPECT_NE(error->reason.find("临时文件"), std::string::npos);
    EXPECT_EQ(TotalsSaveFailureText(*error).rfind("无法保存流量累计文件\n", 0), 0u);
}

TEST_F(TotalsFileTest, ReadOnlyFolderReportsFailure) {
    WriteFile(File(), "1000\r\n");
    fs::permissions(Folder(), fs::perms::owner_read | fs::perms::owner_exec);
    if (FolderRefusesNewFiles()) {
        EXPECT_TRUE(SaveTotals(File(), 2290.0));
        EXPECT_EQ(ReadFile(File()), "1000\r\n");
        return;
    }
    // With privileges that ignore folder permissions, a read-only file system still refuses.
    fs::permissions(Folder(), fs::perms::owner_all, fs::perm_options::add);
    const fs::path mounted = Folder() / "read-only";
    if (!MountSmallFileSystem(mounted, SmallFileSystem::ReadOnly, std::string(kTotalsFileName),
                              "1000\r\n")) {
        GTEST_SKIP() << "neither folder permissions nor a read-only file system can be had here";
    }
    const auto failure = SaveTotals(mounted / kTotalsFileName, 2290.0);
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->reason.empty());
    EXPECT_EQ(ReadFile(mounted / kTotalsFileName), "1000\r\n");
}

TEST(TotalsFileSystemFolders, SaveWhereNoFileCanBeCreatedReportsFailure) {
    auto error = SaveTotals(fs::path("/proc") / kTotalsFileName, 2290.0);
    ASSERT_TRUE(error);
    EXPECT_FALSE(error->reason.empty());
}

}  // namespace
}  // namespace quellan
