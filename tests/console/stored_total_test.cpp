#include <gtest/gtest.h>

#include <filesystem>

#include "console/stored_total.h"
#include "platform/files/temporary_folder.h"

namespace quellan::console {
namespace {

class StoredTotalTest : public testing_support::TemporaryFolderTest {
protected:
    std::filesystem::path File() const { return Folder() / "allbandwidth.dat"; }
};

TEST_F(StoredTotalTest, AddsThisRunToTheStoredTotal) {
    WriteFile(File(), "1000\r\n");
    StoredTotal stored(File());
    EXPECT_EQ(stored.StoredText(), "1000\r\n");
    EXPECT_FALSE(stored.SaveWithRun(1290.0));
    EXPECT_EQ(ReadFile(File()), "2290\r\n");
}

TEST_F(StoredTotalTest, TheTotalReadAtTheStartCountsNotTheFileAtTheEnd) {
    WriteFile(File(), "1.5\r\n99\r\n");
    StoredTotal stored(File());
    WriteFile(File(), "5000000\r\n");
    EXPECT_FALSE(stored.SaveWithRun(0.25));
    EXPECT_EQ(ReadFile(File()), "1.75\r\n");
}

TEST_F(StoredTotalTest, MissingOrOddFileCountsAsNothing) {
    EXPECT_FALSE(StoredTotal(File()).SaveWithRun(56.0));
    EXPECT_EQ(ReadFile(File()), "56\r\n");
    WriteFile(File(), "1e999\r\n");
    EXPECT_FALSE(StoredTotal(File()).SaveWithRun(1.0));
    EXPECT_EQ(ReadFile(File()), "1\r\n");
}

TEST_F(StoredTotalTest, FailedSaveSaysWhyAndLeavesTheFolderAlone) {
    std::filesystem::create_directory(File());
    StoredTotal stored(File());
    auto failure = stored.SaveWithRun(10.0);
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->reason.find("allbandwidth.dat"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(File()));
    EXPECT_EQ(EntriesInFolder(), 1u);
}

}  // namespace
}  // namespace quellan::console
