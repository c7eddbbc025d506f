#include "platform/files/shipped_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temporary_folder.h"

namespace win::files {
namespace {

namespace fs = std::filesystem;

class ShippedFilesTest : public quellan::testing_support::TemporaryFolderTest {
protected:
    // prefix/bin/quellan, as an install lays it out.
    fs::path Program() const { return Folder() / "prefix" / "bin" / "quellan"; }

    void Make(const fs::path& path,
              fs::perms mode = fs::perms::owner_read | fs::perms::owner_write) {
        fs::create_directories(path.parent_path());
        WriteFile(path, "x");
        fs::permissions(path, mode);
    }
};

TEST_F(ShippedFilesTest, InstalledDataIsFoundBesideTheProgramBeforeTheSourceTree) {
    const fs::path page = Folder() / "prefix" / "share" / "quellan" / "pages" / "notice.html";
    Make(page);
    EXPECT_EQ(FindShippedData("pages/notice.html", Program()), page.lexically_normal());
}

TEST_F(ShippedFilesTest, WithoutAnInstallTheSourceTreesAssetsServe) {
    // The program's own artwork is in the source tree's assets folder.
    const auto icon = FindShippedData("frm_right_icon.png", Program());
    ASSERT_TRUE(icon.has_value());
    EXPECT_TRUE(fs::is_regular_file(*icon));
    EXPECT_EQ(icon->filename(), "frm_right_icon.png");
}

TEST_F(ShippedFilesTest, AMissingOrEscapingDataPathIsNotFound) {
    EXPECT_FALSE(FindShippedData("no-such-page.html", Program()));
    EXPECT_FALSE(FindShippedData("", Program()));
    EXPECT_FALSE(FindShippedData("/etc/passwd", Program()));
}

TEST_F(ShippedFilesTest, HelpersAreFoundInLibexecFirstThenBesideTheProgramAndMustBeExecutable) {
    const fs::path beside = Folder() / "prefix" / "bin" / "helper";
    const fs::path installed = Folder() / "prefix" / "libexec" / "quellan" / "helper";
    const auto executable = fs::perms::owner_all;

    Make(beside, fs::perms::owner_read);
    EXPECT_FALSE(FindShippedHelper("helper", Program())) << "a file that cannot run is no helper";

    fs::permissions(beside, executable);
    EXPECT_EQ(FindShippedHelper("helper", Program()), beside.lexically_normal());

    Make(installed, executable);
    EXPECT_EQ(FindShippedHelper("helper", Program()), installed.lexically_normal());
    EXPECT_FALSE(FindShippedHelper("../bin/helper", Program()));
    EXPECT_FALSE(FindShippedHelper("helper", fs::path()));
}

}  // namespace
}  // namespace win::files
