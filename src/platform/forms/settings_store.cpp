#include "platform/forms/settings_store.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

namespace win {
namespace {

constexpr std::string_view kSettingsFileName = "settings.ini";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r";
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

bool IsUsableRoot(const char* path) {
    return path != nullptr && path[0] == '/';
}

bool IsPlainFolderName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

std::string ReadSettingsFile(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return {};  // also keeps a fifo from blocking the read
    }
    std::ifstream in(file, std::ios::binary);
    std::string text(kSettingsFileLimit, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return text;
}

// The name in a "[name]" line; nothing for a header without its closing bracket.
std::optional<std::string_view> SectionName(std::string_view headerLine) {
    std::size_t close = headerLine.rfind(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trimmed(headerLine.substr(1, close - 1));
}

}  // namespace

std::optional<std::string> FindIniValue(std::string_view iniText, std::string_view section,
                                        std::string_view key) {
    if (iniText.starts_with(kUtf8ByteOrderMark)) {
        iniText.remove_prefix(kUtf8ByteOrderMark.size());
    }
    std::optional<std::string_view> currentSection;
    while (!iniText.empty()) {
        std::size_t end = iniText.find('\n');
        std::string_view line = Trimmed(iniText.substr(0, end));
        iniText.remove_prefix(end == std::string_view::npos ? iniText.size() : end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            currentSection = SectionName(line);  // a broken header ends the section before it
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || !currentSection ||
            !SameName(*currentSection, section)) {
            continue;
        }
        if (SameName(Trimmed(line.substr(0, equals)), key)) {
            return std::string(Trimmed(line.substr(equals + 1)));
        }
    }
    return std::nullopt;
}

std::optional<SettingsStore> SettingsStore::ForUser(const char* xdgConfigHome, const char* home) {
    // A relative XDG_CONFIG_HOME is invalid and to be ignored.
    if (IsUsableRoot(xdgConfigHome)) {
        return SettingsStore(xdgConfigHome);
    }
    if (IsUsableRoot(home)) {
        return SettingsStore(std::filesystem::path(home) / ".config");
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> SettingsStore::FileOf(std::string_view appName) const {
    if (!IsPlainFolderName(appName)) {
        return std::nullopt;
    }
    return root_ / appName / kSettingsFileName;
}

std::string SettingsStore::GetSetting(std::string_view appName, std::string_view section,
                                      std::string_view key, std::string_view defaultValue) const {
    std::optional<std::filesystem::path> file = FileOf(appName);
    if (!file) {
        return std::string(defaultValue);
    }
    std::optional<std::string> value = FindIniValue(ReadSettingsFile(*file), section, key);
    return value ? *value : std::string(defaultValue);
}

std::string GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                       std::string_view defaultValue) {
    auto store = SettingsStore::ForUser(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (!store) {
        return std::string(defaultValue);
    }
    return store->GetSetting(appName, section, key, defaultValue);
}

}  // namespace win
