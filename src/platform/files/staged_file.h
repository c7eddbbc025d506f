#pragma once

// Replacing a file's contents so that a crash or a failure at any point leaves either the old
// file or the new one, never a truncated mix: the contents go to a temporary file in the same
// folder, are flushed to the disk, and only then renamed over the target.

#include <filesystem>
#include <optional>
#include <string_view>
#include <variant>

#include "platform/files/file_error.h"

namespace quellan::files {

// A complete, flushed temporary copy of the new contents, waiting to replace its target.
// Dropped without Commit, it removes the temporary file and leaves the target as it was.
class StagedFile {
public:
    static std::variant<StagedFile, FileError> Create(const std::filesystem::path& target,
                                                      std::string_view contents);

    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&&) = delete;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile();

    const std::filesystem::path& TemporaryPath() const { return temporary_; }

    // Renames the temporary file over the target.
    std::optional<FileError> Commit() &&;

private:
    StagedFile(std::filesystem::path target, std::filesystem::path temporary);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    bool pending_ = true;
};

std::optional<FileError> ReplaceFileContents(const std::filesystem::path& target,
                                             std::string_view contents);

}  // namespace quellan::files
