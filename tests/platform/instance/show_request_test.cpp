#include "platform/instance/show_request.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/files/temporary_folder.h"

namespace quellan::instance {
namespace {

namespace fs = std::filesystem;

using ShowRequestTest = testing_support::TemporaryFolderTest;

TEST_F(ShowRequestTest, SocketIsNamedAfterTheFolderInTheRuntimeFolder) {
    fs::create_directories(Folder() / "a" / "b");
    fs::create_symlink(Folder() / "a", Folder() / "link");
    const std::string runtime = (Folder() / "run").string();
    auto socket = ShowRequestSocket(runtime.c_str(), Folder() / "a");
    ASSERT_TRUE(socket);
    EXPECT_EQ(socket->parent_path(), Folder() / "run");
    struct Case {
        const char* what;
        fs::path folder;
        bool same;
    };
    const Case cases[] = {
        {"the same folder through a link", Folder() / "link", true},
        {"the same folder through ..", Folder() / "a" / "b" / "..", true},
        {"a folder inside it", Folder() / "a" / "b", false},
        {"the folder above it", Folder(), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShowRequestSocket(runtime.c_str(), c.folder) == socket, c.same) << c.what;
    }
    EXPECT_FALSE(ShowRequestSocket(nullptr, Folder()));
    EXPECT_FALSE(ShowRequestSocket("", Folder()));
}

TEST_F(ShowRequestTest, KeeperHearsEachSecondStartOnce) {
    fs::path socket = Folder() / "keeper.sock";
    auto listener = ShowRequestListener::Listen(socket);
    ASSERT_TRUE(listener);
    EXPECT_FALSE(listener->TakeRequests());
    EXPECT_TRUE(SendShowRequest(socket));
    EXPECT_TRUE(SendShowRequest(socket));
    EXPECT_TRUE(listener->TakeRequests());
    EXPECT_FALSE(listener->TakeRequests());
}

TEST_F(ShowRequestTest, NoKeeperListeningAnswersNothing) {
    fs::path socket = Folder() / "keeper.sock";
    EXPECT_FALSE(SendShowRequest(socket));
    { auto ended = ShowRequestListener::Listen(socket); }
    EXPECT_FALSE(fs::exists(socket));  // an ended keeper takes its socket along
    WriteFile(socket, "");             // unless it was killed: a plain file stays
    EXPECT_FALSE(SendShowRequest(socket));
    EXPECT_FALSE(SendShowRequest(Folder() / std::string(200, 'x')));
}

TEST_F(ShowRequestTest, NewKeeperReplacesTheSocketOfAKilledOne) {
    fs::path socket = Folder() / "keeper.sock";
    WriteFile(socket, "");
    auto listener = ShowRequestListener::Listen(socket);
    ASSERT_TRUE(listener);
    EXPECT_TRUE(SendShowRequest(socket));
    EXPECT_TRUE(listener->TakeRequests());
}

}  // namespace
}  // namespace quellan::instance
