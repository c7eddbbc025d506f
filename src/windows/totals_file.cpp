#include "windows/totals_file.h"

#include <fstream>
#include <string>
#include <system_error>

#include "meter/number_to_text.h"
#include "platform/files/staged_file.h"
#include "platform/files/stray_temporaries.h"

namespace quellan {
namespace {

// A fifo or a device under the file's name would block or never end.
bool IsRegularFile(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

std::string ReadAtMost(const std::filesystem::path& file, std::size_t limit) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return {};
    }
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

char AsTextCharacter(char c) {
    bool printable = c >= 0x20 && c <= 0x7e;
    return printable || c == '\t' || c == '\n' ? c : '?';
}

const char* StepText(files::FileStep step) {
    switch (step) {
        case files::FileStep::CreateTemporary:
            return "无法在文件所在的文件夹中创建临时文件";
        case files::FileStep::Write:
            return "写入临时文件失败";
        case files::FileStep::Flush:
            return "无法将数据写入磁盘";
        case files::FileStep::Close:
            return "关闭临时文件失败";
        case files::FileStep::Replace:
            return "无法替换原文件";
    }
    return "保存失败";
}

}  // namespace

std::string ReadTotalsText(const std::filesystem::path& file) {
    if (!IsRegularFile(file)) {
        return {};
    }
    std::string bytes = ReadAtMost(file, kTotalsFirstLineLimit);
    if (bytes.empty()) {
        return {};
    }
    std::string line = bytes.substr(0, bytes.find('\r'));
    for (char& c : line) {
        c = AsTextCharacter(c);
    }
    return line + "\r\n";
}

std::optional<TotalsSaveError> SaveTotals(const std::filesystem::path& file,
                                          double totalKilobytes) {
    std::string contents = NumberToText(totalKilobytes) + "\r\n";
    files::RemoveStrayTemporaries(file);
    auto error = files::ReplaceFileContents(file, contents);
    if (!error) {
        return std::nullopt;
    }
    std::error_code ignored;
    std::filesystem::path shown = std::filesystem::absolute(file, ignored);
    return TotalsSaveError{(shown.empty() ? file : shown).string() + ": " + StepText(error->step) +
                           " (" + error->code.message() + ")"};
}

std::string TotalsSaveFailureText(const TotalsSaveError& error) {
    return std::string(kTotalsSaveFailedMessage) + "\n" + error.reason;
}

}  // namespace quellan
