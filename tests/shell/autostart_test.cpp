#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/files/temporary_folder.h"
#include "platform/forms/application.h"
#include "platform/user/testing/headless_desktop.h"
#include "shell/auto_run.h"
#include "shell/autostart_entry.h"

extern char** environ;

namespace quellan::shell {
namespace {

namespace fs = std::filesystem;

// What a launcher makes of an entry's Exec value: the string escapes undone, "%%" made "%",
// then the command line split into arguments by the quoting rules. std::nullopt for a value a
// launcher would refuse.
std::optional<std::vector<std::string>> ParseExec(const std::string& value) {
    std::string unescaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            unescaped += value[i];
            continue;
        }
        if (++i == value.size()) {
            return std::nullopt;
        }
        switch (value[i]) {
            case 's':
                unescaped += ' ';
                break;
            case 'n':
                unescaped += '\n';
                break;
            case 't':
                unescaped += '\t';
                break;
            case 'r':
                unescaped += '\r';
                break;
            case '\\':
                unescaped += '\\';
                break;
            default:
                return std::nullopt;
        }
    }
    std::string expanded;
    for (std::size_t i = 0; i < unescaped.size(); ++i) {
        if (unescaped[i] == '%') {
            if (i + 1 == unescaped.size() || unescaped[i + 1] != '%') {
                return std::nullopt;  // a field code; none belongs in our entry
            }
            ++i;
        }
        expanded += unescaped[i];
    }
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (std::size_t i = 0; i < expanded.size(); ++i) {
        const char c = expanded[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\') {
                if (++i == expanded.size()) {
                    return std::nullopt;
                }
                const char next = expanded[i];
                if (next != '"' && next != '`' && next != '$' && next != '\\') {
                    return std::nullopt;
                }
                current += next;
            } else {
                current += c;
            }
        } else if (c == ' ') {
            if (inArgument) {
                arguments.push_back(current);
                current.clear();
                inArgument = false;
            }
        } else if (c == '"') {
            quoted = true;
            inArgument = true;
        } else {
            // Unquoted reserved characters are not allowed.
            if (std::string_view("\t\n'\\><~|&;$*?#()`").find(c) != std::string_view::npos) {
                return std::nullopt;
            }
            current += c;
            inArgument = true;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (inArgument) {
        arguments.push_back(current);
    }
    return arguments;
}

// The keys of the entry's one group.
std::vector<std::pair<std::string, std::string>> EntryKeys(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> keys;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        if (const std::size_t equals = line.find('='); equals != std::string::npos) {
            keys.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        }
    }
    return keys;
}

std::optional<std::string> KeyOf(const std::string& text, const std::string& key) {
    for (const auto& [name, value] : EntryKeys(text)) {
        if (name == key) {
            return value;
        }
    }
    return std::nullopt;
}

// Runs the writer as the program does: detached from any shell, the path as its argument.
int RunWriter(const std::vector<std::string>& argv, const fs::path& configHome) {
    std::vector<std::string> environment = {"XDG_CONFIG_HOME=" + configHome.string(),
                                            "HOME=/nonexistent", "PATH=/usr/bin:/bin"};
    std::vector<char*> args;
    for (const std::string& argument : argv) {
        args.push_back(const_cast<char*>(argument.c_str()));
    }
    args.push_back(nullptr);
    std::vector<char*> env;
    for (std::string& variable : environment) {
        env.push_back(variable.data());
    }
    env.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, args[0], nullptr, nullptr, args.data(), env.data()) != 0) {
        return -1;
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class AutostartTest : public testing_support::TemporaryFolderTest {
protected:
    fs::path AutostartFolderHere() const { return Folder() / "autostart"; }
    fs::path Entry() const { return AutostartFolderHere() / kAutostartEntryName; }
};

TEST_F(AutostartTest, ExecGivesBackTheExactPath) {
    const std::vector<std::string> paths = {
        "/opt/quellan/bin/quellan",
        "/home/用户/我的 程序/quellan",
        "/tmp/a \"quoted\" name/quellan",
        "/tmp/back\\slash/quellan",
        "/tmp/100% sure/%f %u %%/quellan",
        "/tmp/$HOME `id` 'single' & | ; < > * ? # ( ) ~/quellan",
        "/tmp/tab\there/new\nline/quellan",
        "/tmp/trailing\\",
    };
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        ASSERT_FALSE(WriteAutostartEntry(AutostartFolderHere(), path).has_value());
        const std::string text = ReadFile(Entry());
        const std::optional<std::string> exec = KeyOf(text, "Exec");
        ASSERT_TRUE(exec.has_value()) << text;
        EXPECT_EQ(ParseExec(*exec), std::vector<std::string>{path}) << *exec;
        EXPECT_EQ(KeyOf(text, "Type"), "Application");
        EXPECT_EQ(KeyOf(text, "Name"), "Quellan");
        EXPECT_FALSE(KeyOf(text, "Path").has_value()) << "the session's working folder is kept";
        EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    }
}

TEST_F(AutostartTest, PathsAnEntryCannotHoldAreRefusedAndNothingIsWritten) {
    for (const std::string& path : {std::string("relative/quellan"), std::string("/tmp/\xff\xfe"),
                                    std::string("/tmp/\xe0\x80\x80"), std::string()}) {
        EXPECT_TRUE(WriteAutostartEntry(AutostartFolderHere(), path).has_value()) << path;
    }
    EXPECT_FALSE(fs::exists(Entry()));
}

TEST_F(AutostartTest, TheWriterRunTwiceLeavesOneEntryWithTheSamePath) {
    const std::string path = Folder().string() + "/程序 \"目录\"/quellan";
    ASSERT_EQ(RunWriter({QUELLAN_TEST_AUTOSTART_WRITER, path}, Folder()), 0);
    const std::string first = ReadFile(Entry());
    ASSERT_EQ(RunWriter({QUELLAN_TEST_AUTOSTART_WRITER, path}, Folder()), 0);
    EXPECT_EQ(ReadFile(Entry()), first);
    std::vector<fs::path> entries;
    for (const auto& item : fs::directory_iterator(AutostartFolderHere())) {
        entries.push_back(item.path().filename());
    }
    EXPECT_EQ(entries, std::vector<fs::path>{fs::path(kAutostartEntryName)});
    EXPECT_EQ(ParseExec(KeyOf(first, "Exec").value_or("")), std::vector<std::string>{path});

    EXPECT_FALSE(RemoveAutostartEntry(AutostartFolderHere()).has_value());
    EXPECT_FALSE(fs::exists(Entry()));
    EXPECT_FALSE(RemoveAutostartEntry(AutostartFolderHere()).has_value()) << "already gone";
    EXPECT_EQ(RunWriter({QUELLAN_TEST_AUTOSTART_WRITER}, Folder()), 2);
}

TEST_F(AutostartTest, TheProgramRemovesTheEntryOnRequest) {
    ASSERT_EQ(RunWriter({QUELLAN_TEST_AUTOSTART_WRITER, "/opt/quellan"}, Folder()), 0);
    WriteFile(AutostartFolderHere() / "other.desktop", "[Desktop Entry]\n");
    EXPECT_EQ(RunWriter({QUELLAN_TEST_PROGRAM, "--remove-autostart"}, Folder()), 0);
    EXPECT_FALSE(fs::exists(Entry()));
    EXPECT_TRUE(fs::exists(AutostartFolderHere() / "other.desktop")) << "only our own entry";
    EXPECT_EQ(RunWriter({QUELLAN_TEST_PROGRAM, "--remove-autostart"}, Folder()), 0);

    // An entry that cannot be removed is reported.
    ASSERT_EQ(RunWriter({QUELLAN_TEST_AUTOSTART_WRITER, "/opt/quellan"}, Folder()), 0);
    fs::rename(AutostartFolderHere(), Folder() / "kept");
    fs::create_directories(Entry());
    WriteFile(Entry() / "inside", "x");
    EXPECT_EQ(RunWriter({QUELLAN_TEST_PROGRAM, "--remove-autostart"}, Folder()), 1);
}

TEST(AutostartFolderTest, ConfigHomeThenHomeThenNothing) {
    struct Case {
        const char* configHome;
        const char* home;
        std::optional<fs::path> folder;
    };
    const Case cases[] = {
        {"/cfg", "/home/u", fs::path("/cfg/autostart")},
        {nullptr, "/home/u", fs::path("/home/u/.config/autostart")},
        {"", "/home/u", fs::path("/home/u/.config/autostart")},
        {"relative", "/home/u", fs::path("/home/u/.config/autostart")},
        {nullptr, nullptr, std::nullopt},
        {"", "relative", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AutostartFolder(c.configHome, c.home), c.folder)
            << (c.configHome ? c.configHome : "(unset)") << " " << (c.home ? c.home : "(unset)");
    }
}

// Mounted over the autostart folder for the test, read-only; gone afterwards.
class ReadOnlyMount {
public:
    explicit ReadOnlyMount(const fs::path& folder) : folder_(folder) {
        fs::create_directories(folder);
        mounted_ = ::mount("quellan-test", folder.c_str(), "tmpfs", MS_RDONLY, "size=64k") == 0;
    }
    ~ReadOnlyMount() {
        if (mounted_) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        }
    }
    bool Mounted() const { return mounted_; }

private:
    fs::path folder_;
    bool mounted_ = false;
};

TEST_F(AutostartTest, TheMenuItemStartsTheWriterHiddenAndAFailedWriteChangesNothing) {
    win::testing::HeadlessDesktop desktop;
    win::forms::App().ResetForTesting();
    const fs::path writer(QUELLAN_TEST_AUTOSTART_WRITER);
    const fs::path program = writer.parent_path() / "quellan";

    RegisterAutoRun(program);
    const auto& started = desktop.Host().StartedProcesses();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].argv, (std::vector<std::string>{writer.string(), program.string()}));
    EXPECT_EQ(started[0].hint, win::host::ProcessWindowHint::Hidden);

    // Where the entry cannot be written, the writer fails on its own and the program goes on.
    const ReadOnlyMount readOnly(AutostartFolderHere());
    if (!readOnly.Mounted()) {
        GTEST_SKIP() << "mounting needs root";
    }
    EXPECT_EQ(RunWriter(started[0].argv, Folder()), 1);
    EXPECT_TRUE(fs::is_empty(AutostartFolderHere()));
    EXPECT_FALSE(win::forms::App().Ended());
    EXPECT_TRUE(win::forms::App().Forms().empty()) << "no message, no window";

    // Without a writer beside the program, nothing is started at all.
    RegisterAutoRun(Folder() / "elsewhere" / "quellan");
    RegisterAutoRun(fs::path());
    EXPECT_EQ(desktop.Host().StartedProcesses().size(), 1u);
}

}  // namespace
}  // namespace quellan::shell
