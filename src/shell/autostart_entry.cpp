#include "shell/autostart_entry.h"

#include <cstdlib>
#include <system_error>

#include "platform/files/staged_file.h"

namespace quellan::shell {
namespace {

namespace fs = std::filesystem;

std::optional<fs::path> AbsoluteFolder(const char* value) {
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    fs::path folder(value);
    return folder.is_absolute() ? std::optional(folder) : std::nullopt;
}

// Length of the UTF-8 sequence that starts with `lead`, 0 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = SequenceLength(lead);
        if (length == 0 || at + length > text.size()) {
            return false;
        }
        for (std::size_t i = 1; i < length; ++i) {
            if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) {
                return false;
            }
        }
        // Overlong three- and four-byte forms, surrogates and code points past U+10FFFF.
        const auto second = static_cast<unsigned char>(length > 1 ? text[at + 1] : 0);
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
            return false;
        }
        at += length;
    }
    return true;
}

// Inside double quotes a launcher takes these literally only after a backslash.
bool NeedsQuoteEscape(char c) {
    return c == '"' || c == '`' || c == '$' || c == '\\';
}

// The escapes of every string value, applied after the quoting.
void AppendStringEscaped(std::string& out, char c) {
    switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
    }
}

std::string ErrorText(const std::error_code& code) {
    return code.message();
}

}  // namespace

std::optional<fs::path> AutostartFolder(const char* xdgConfigHome, const char* home) {
    if (auto config = AbsoluteFolder(xdgConfigHome)) {
        return *config / "autostart";
    }
    if (auto homeFolder = AbsoluteFolder(home)) {
        return *homeFolder / ".config" / "autostart";
    }
    return std::nullopt;
}

std::optional<fs::path> UserAutostartFolder() {
    return AutostartFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::optional<std::string> ExecArgument(std::string_view argument) {
    if (argument.find('\0') != std::string_view::npos || !IsUtf8(argument)) {
        return std::nullopt;
    }
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '%') {
            quoted += "%%";
            continue;
        }
        if (NeedsQuoteEscape(c)) {
            AppendStringEscaped(quoted, '\\');
        }
        AppendStringEscaped(quoted, c);
    }
    quoted += '"';
    return quoted;
}

std::optional<std::string> AutostartEntryText(const fs::path& executable) {
    std::optional<std::string> exec = ExecArgument(executable.native());
    if (!exec || !executable.is_absolute()) {
        return std::nullopt;
    }
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Quellan\n"
           "Comment=网络流量监视器\n"
           "Exec=" +
           *exec +
           "\n"
           "Terminal=false\n";
}

AutostartFailure WriteAutostartEntry(const fs::path& folder, const fs::path& executable) {
    std::optional<std::string> text = AutostartEntryText(executable);
    if (!text) {
        return "程序的路径无法写入自启动项: " + executable.string();
    }
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        return "无法创建自启动文件夹 " + folder.string() + ": " + ErrorText(error);
    }
    if (auto failure = files::ReplaceFileContents(folder / kAutostartEntryName, *text)) {
        return "无法写入自启动项 " + (folder / kAutostartEntryName).string() + ": " +
               ErrorText(failure->code);
    }
    return std::nullopt;
}

AutostartFailure RemoveAutostartEntry(const fs::path& folder) {
    std::error_code error;
    fs::remove(folder / kAutostartEntryName, error);
    if (error && error != std::errc::no_such_file_or_directory) {
        return "无法删除自启动项 " + (folder / kAutostartEntryName).string() + ": " +
               ErrorText(error);
    }
    return std::nullopt;
}

}  // namespace quellan::shell
