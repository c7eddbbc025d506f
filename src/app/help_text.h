#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quellan {

// What `--help` prints: the options and the files the program uses. `settingsFile` is nothing
// when the user has no settings folder.
std::string HelpText(const std::optional<std::filesystem::path>& settingsFile);

}  // namespace quellan
