#pragma once

// The command line: --console, --ticks N, --help and --version.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quellan {

struct ProgramOptions {
    bool console = false;
    std::optional<long long> ticks;
    bool help = false;
    bool version = false;
};

struct ParsedOptions {
    ProgramOptions options;
    // What was wrong with the command line, in the user's words; nothing when all was well.
    std::optional<std::string> error;
};

// The arguments without the program's name.
ParsedOptions ParseProgramOptions(std::span<const std::string_view> arguments);

}  // namespace quellan
