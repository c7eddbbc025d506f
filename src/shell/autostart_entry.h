#pragma once

// The start-at-logon entry: a desktop entry "QuellanNet.desktop" in the user's autostart folder
// whose Exec names the program's executable. It has no Path key, so the program starts in the
// session's working directory and finds its totals file there.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quellan::shell {

inline constexpr std::string_view kAutostartEntryName = "QuellanNet.desktop";

// $XDG_CONFIG_HOME/autostart when that names an absolute folder, else $HOME/.config/autostart;
// std::nullopt when neither is usable. Either argument may be null (unset).
std::optional<std::filesystem::path> AutostartFolder(const char* xdgConfigHome, const char* home);
// The same from this process's environment.
std::optional<std::filesystem::path> UserAutostartFolder();

// One argument of an Exec value: quoted, with the quoting and string escapes of desktop entries
// and "%" doubled, so that a launcher gives back exactly `argument`. std::nullopt when the
// argument cannot be written in a desktop entry (not UTF-8, or a NUL).
std::optional<std::string> ExecArgument(std::string_view argument);

// The whole entry for `executable`; std::nullopt when its path cannot be written.
std::optional<std::string> AutostartEntryText(const std::filesystem::path& executable);

// What went wrong, in the user's words; nothing on success.
using AutostartFailure = std::optional<std::string>;

// Creates the folder if need be and replaces the entry as a whole, so there is only ever one.
AutostartFailure WriteAutostartEntry(const std::filesystem::path& folder,
                                     const std::filesystem::path& executable);
// Removing an entry that is not there succeeds.
AutostartFailure RemoveAutostartEntry(const std::filesystem::path& folder);

}  // namespace quellan::shell
