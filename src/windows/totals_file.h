#pragma once

// The totals file "allbandwidth.dat": one line, the accumulated traffic in kilobytes, kept in
// the process's current folder. Loading never fails: a missing, unreadable or odd file reads as
// empty or as what the leading-number reading makes of its first line. Saving replaces the file
// as a whole or not at all, and reports why it could not.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quellan {

inline constexpr std::string_view kTotalsFileName = "allbandwidth.dat";
inline constexpr std::string_view kTotalsSaveFailedMessage = "无法保存流量累计文件";

// Only the first line counts, so no more than this much of a file is ever read.
inline constexpr std::size_t kTotalsFirstLineLimit = 64 * 1024;

// The text the mini window's load keeps: the first line followed by CR LF, or nothing for an
// empty, missing or unreadable file. Bytes that are not printable ASCII (blanks, tabs and line
// feeds aside) become "?", which ends a leading number just as the original byte would.
std::string ReadTotalsText(const std::filesystem::path& file);

struct TotalsSaveError {
    std::string reason;
};

// Writes the total in number-to-text form followed by CR LF.
std::optional<TotalsSaveError> SaveTotals(const std::filesystem::path& file, double totalKilobytes);

// The message the window shows for a failed save: what failed and why.
std::string TotalsSaveFailureText(const TotalsSaveError& error);

}  // namespace quellan
