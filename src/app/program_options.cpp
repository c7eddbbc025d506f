#include "app/program_options.h"

#include <charconv>

namespace quellan {
namespace {

constexpr long long kMostTicks = 1'000'000'000'000LL;

std::optional<long long> PositiveCount(std::string_view text) {
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 ||
        value > kMostTicks) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

ParsedOptions ParseProgramOptions(std::span<const std::string_view> arguments) {
    ParsedOptions parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (argument == "--console") {
            parsed.options.console = true;
        } else if (argument == "--help" || argument == "-h") {
            parsed.options.help = true;
        } else if (argument == "--version") {
            parsed.options.version = true;
        } else if (argument == "--ticks" || argument.starts_with("--ticks=")) {
            std::optional<std::string_view> count;
            if (argument != "--ticks") {
                count = argument.substr(std::string_view("--ticks=").size());
            } else if (i + 1 < arguments.size()) {
                count = arguments[++i];
            }
            parsed.options.ticks = count ? PositiveCount(*count) : std::nullopt;
            if (!parsed.options.ticks) {
                parsed.error = "--ticks 需要一个正整数";
                return parsed;
            }
        } else {
            parsed.error = "未知选项: " + std::string(argument);
            return parsed;
        }
    }
    return parsed;
}

}  // namespace quellan
