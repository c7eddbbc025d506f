#pragma once

// The per-user settings store: an INI file per application, `<config>/<appName>/settings.ini`
// with <config> being $XDG_CONFIG_HOME or ~/.config. Read only. Whatever the file holds, or
// if there is none, a lookup yields the stored text or the caller's default; it never fails.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace win {

// Section and key names match without regard to ASCII case, as the system's store does.
std::string GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                       std::string_view defaultValue = "");

inline constexpr std::size_t kSettingsFileLimit = 1024 * 1024;

class SettingsStore {
public:
    explicit SettingsStore(std::filesystem::path configRoot) : root_(std::move(configRoot)) {}

    // The store of the user the process runs for; without a usable home there is none.
    static std::optional<SettingsStore> ForUser(const char* xdgConfigHome, const char* home);

    // Nothing for an application name that is not a single plain folder name.
    std::optional<std::filesystem::path> FileOf(std::string_view appName) const;

    std::string GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

private:
    std::filesystem::path root_;
};

// The value of the first `key = value` line in `[section]`, blanks around both trimmed.
std::optional<std::string> FindIniValue(std::string_view iniText, std::string_view section,
                                        std::string_view key);

}  // namespace win
