#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "app/help_text.h"
#include "app/program_mode.h"
#include "app/program_options.h"

namespace quellan {
namespace {

ParsedOptions Parse(std::vector<std::string_view> arguments) {
    return ParseProgramOptions(arguments);
}

TEST(ProgramOptions, TheThreeOptionsInAnyOrder) {
    ParsedOptions none = Parse({});
    EXPECT_FALSE(none.error);
    EXPECT_FALSE(none.options.console);
    EXPECT_FALSE(none.options.ticks);

    ParsedOptions all = Parse({"--ticks", "30", "--console"});
    EXPECT_FALSE(all.error);
    EXPECT_TRUE(all.options.console);
    EXPECT_EQ(all.options.ticks, 30);
    EXPECT_EQ(Parse({"--ticks=5"}).options.ticks, 5);
    EXPECT_TRUE(Parse({"--console", "--help"}).options.help);
    EXPECT_TRUE(Parse({"-h"}).options.help);
    EXPECT_TRUE(Parse({"--console", "--version"}).options.version);
    EXPECT_FALSE(Parse({"--console"}).options.version);
}

TEST(ProgramOptions, BadTickCountsAndUnknownOptionsAreRefused) {
    for (std::vector<std::string_view> arguments : {std::vector<std::string_view>{"--ticks"},
                                                    {"--ticks", "0"},
                                                    {"--ticks", "-3"},
                                                    {"--ticks", "3x"},
                                                    {"--ticks", ""},
                                                    {"--ticks=", "4"},
                                                    {"--ticks", "99999999999999999999"}}) {
        ParsedOptions parsed = Parse(arguments);
        EXPECT_TRUE(parsed.error) << arguments.back();
        EXPECT_FALSE(parsed.options.ticks);
    }
    ParsedOptions unknown = Parse({"--console", "--tick", "3"});
    ASSERT_TRUE(unknown.error);
    EXPECT_NE(unknown.error->find("--tick"), std::string::npos);
}

TEST(ProgramMode, ConsoleWithoutADisplayOrWhenAsked) {
    ProgramOptions plain;
    ProgramOptions console;
    console.console = true;
    ProgramOptions help;
    help.help = true;
    EXPECT_EQ(ChooseProgramMode(plain, {true, true}), ProgramMode::Desktop);
    EXPECT_EQ(ChooseProgramMode(plain, {false, true}), ProgramMode::Console);
    EXPECT_EQ(ChooseProgramMode(plain, {true, false}), ProgramMode::Console);
    EXPECT_EQ(ChooseProgramMode(console, {true, true}), ProgramMode::Console);
    EXPECT_EQ(ChooseProgramMode(help, {true, true}), ProgramMode::Help);

    EXPECT_FALSE(NamesDisplay(nullptr, nullptr));
    EXPECT_FALSE(NamesDisplay("", ""));
    EXPECT_TRUE(NamesDisplay(":0", nullptr));
    EXPECT_TRUE(NamesDisplay(nullptr, "wayland-0"));
}

TEST(HelpText, NamesTheOptionsAndTheFiles) {
    std::string text = HelpText(std::filesystem::path("/home/u/.config/Quellan/settings.ini"));
    for (std::string_view part :
         {"--console", "--ticks N", "--help", "--version", "man quellan", "allbandwidth.dat",
          "当前文件夹", "/home/u/.config/Quellan/settings.ini", "Connection"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
    EXPECT_NE(HelpText(std::nullopt).find("$XDG_CONFIG_HOME/Quellan/settings.ini"),
              std::string::npos);
}

}  // namespace
}  // namespace quellan
