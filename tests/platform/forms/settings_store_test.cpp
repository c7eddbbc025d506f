#include "platform/forms/settings_store.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/files/temporary_folder.h"

namespace win {
namespace {

namespace fs = std::filesystem;

TEST(FindIniValue, FindsTheKeyInItsSection) {
    std::string ini = "[Other]\nConnection=9\n[Setting]\nConnection=1\n";
    EXPECT_EQ(FindIniValue(ini, "Setting", "Connection"), "1");
    EXPECT_EQ(FindIniValue(ini, "Other", "Connection"), "9");
    EXPECT_FALSE(FindIniValue(ini, "Setting", "Missing"));
    EXPECT_FALSE(FindIniValue(ini, "Absent", "Connection"));
}

TEST(FindIniValue, NamesMatchWithoutCaseAndBlanksAreTrimmed) {
    std::string ini = "\xEF\xBB\xBF  [ setting ]  \r\n\t CONNECTION \t=  abc def  \r\n";
    EXPECT_EQ(FindIniValue(ini, "Setting", "Connection"), "abc def");
}

TEST(FindIniValue, ValuesAreTakenAsWritten) {
    EXPECT_EQ(FindIniValue("[S]\nk=a=b;c\n", "S", "k"), "a=b;c");
    EXPECT_EQ(FindIniValue("[S]\nk=\n", "S", "k"), "");
    EXPECT_EQ(FindIniValue("[S]\nk=1\nk=2\n", "S", "k"), "1");  // the first one counts
    EXPECT_EQ(FindIniValue("[S]\nk=-1", "S", "k"), "-1");       // no final line feed
    EXPECT_EQ(FindIniValue("[S]\nk=网卡\n", "S", "k"), "网卡");
}

TEST(FindIniValue, CommentsStrayLinesAndBrokenHeadersAreIgnored) {
    EXPECT_FALSE(FindIniValue("k=1\n[S]\n", "S", "k"));  // before any section
    EXPECT_FALSE(FindIniValue("[S]\n;k=1\n#k=2\n", "S", "k"));
    EXPECT_EQ(FindIniValue("[S]\nnonsense\n=5\nk=3\n", "S", "k"), "3");
    EXPECT_FALSE(FindIniValue("[S]\n[broken\nk=1\n", "S", "k"));
    EXPECT_FALSE(FindIniValue("[S]\n[]\nk=1\n", "S", "k"));
    EXPECT_FALSE(FindIniValue(std::string("\0\xff[S\x01]\n\0k=1", 11), "S", "k"));
}

class SettingsStoreTest : public quellan::testing_support::TemporaryFolderTest {
protected:
    fs::path SettingsFile() const { return Folder() / "Quellan" / "settings.ini"; }
    void WriteSettings(const std::string& text) const {
        fs::create_directories(SettingsFile().parent_path());
        WriteFile(SettingsFile(), text);
    }
    std::string Connection() const {
        return SettingsStore(Folder()).GetSetting("Quellan", "Setting", "Connection", "dflt");
    }
};

TEST_F(SettingsStoreTest, MissingFileGivesTheDefault) {
    EXPECT_EQ(Connection(), "dflt");
    EXPECT_EQ(SettingsStore(Folder()).GetSetting("Quellan", "Setting", "Connection", ""), "");
}

TEST_F(SettingsStoreTest, PresentValueIsReturned) {
    WriteSettings("[Setting]\nConnection=2\n");
    EXPECT_EQ(Connection(), "2");
}

TEST_F(SettingsStoreTest, UnreadableOrMalformedFilesGiveTheDefault) {
    fs::create_directories(SettingsFile());  // a folder in the file's place
    EXPECT_EQ(Connection(), "dflt");
    fs::remove(SettingsFile());
    WriteSettings(std::string(5000, '\xff') + std::string(10, '\0'));
    EXPECT_EQ(Connection(), "dflt");
}

TEST_F(SettingsStoreTest, NoMoreThanTheLimitIsRead) {
    WriteSettings("[Setting]\nConnection=1\n" + std::string(2 * kSettingsFileLimit, ' '));
    EXPECT_EQ(Connection(), "1");
    WriteSettings("[Setting]\n" + std::string(2 * kSettingsFileLimit, ' ') + "\nConnection=1\n");
    EXPECT_EQ(Connection(), "dflt");
}

TEST_F(SettingsStoreTest, ApplicationNameCannotLeaveTheConfigFolder) {
    fs::create_directories(Folder() / "inner" / "x");
    WriteFile(Folder() / "inner" / "settings.ini", "[Setting]\nConnection=7\n");
    SettingsStore store(Folder() / "inner" / "x");
    EXPECT_EQ(store.GetSetting("..", "Setting", "Connection", "dflt"), "dflt");
    EXPECT_EQ(store.GetSetting("../x", "Setting", "Connection", "dflt"), "dflt");
    EXPECT_EQ(store.GetSetting("", "Setting", "Connection", "dflt"), "dflt");
    EXPECT_FALSE(store.FileOf(std::string_view("a\0b", 3)));
}

TEST(SettingsStoreLocation, FollowsXdgConfigHomeThenHome) {
    EXPECT_EQ(SettingsStore::ForUser("/xdg", "/home/u")->FileOf("Quellan"),
              fs::path("/xdg/Quellan/settings.ini"));
    EXPECT_EQ(SettingsStore::ForUser(nullptr, "/home/u")->FileOf("Quellan"),
              fs::path("/home/u/.config/Quellan/settings.ini"));
    EXPECT_EQ(SettingsStore::ForUser("", "/home/u")->FileOf("Quellan"),
              fs::path("/home/u/.config/Quellan/settings.ini"));
    EXPECT_EQ(SettingsStore::ForUser("relative", "/home/u")->FileOf("Quellan"),
              fs::path("/home/u/.config/Quellan/settings.ini"));
    EXPECT_FALSE(SettingsStore::ForUser(nullptr, nullptr));
    EXPECT_FALSE(SettingsStore::ForUser(nullptr, ""));
}

TEST_F(SettingsStoreTest, GetSettingReadsTheUsersStore) {
    WriteSettings("[Setting]\nConnection=1\n");
    const char* previous = std::getenv("XDG_CONFIG_HOME");
    std::string saved = previous != nullptr ? previous : "";
    ::setenv("XDG_CONFIG_HOME", Folder().c_str(), 1);
    EXPECT_EQ(win::GetSetting("Quellan", "Setting", "Connection", "0"), "1");
    EXPECT_EQ(win::GetSetting("Quellan", "Setting", "Other", "0"), "0");
    if (previous != nullptr) {
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
}

}  // namespace
}  // namespace win
