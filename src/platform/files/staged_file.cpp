#include "platform/files/staged_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>
#include <utility>

namespace quellan::files {
namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

class UniqueFd {
public:
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Closing reports errors that a buffered write may only show now.
    std::optional<std::error_code> Close() {
        int fd = std::exchange(fd_, -1);
        if (::close(fd) != 0) {
            return LastError();
        }
        return std::nullopt;
    }

private:
    int fd_;
};

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    // Appended piece by piece: g++ 12 at -O3 reports a false overlap in "." + std::string.
    std::string name(1, '.');
    for (const std::string& part : {target.filename().string(), std::to_string(::getpid()),
                                    std::to_string(counter++), std::to_string(attempt)}) {
        name.append(part).append(1, '.');
    }
    name.append("tmp");
    return target.parent_path() / name;
}

std::optional<FileError> WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return FileError{FileStep::Write, LastError()};
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return std::nullopt;
}

std::optional<FileError> WriteAndFlush(UniqueFd& fd, std::string_view contents) {
    if (auto error = WriteAll(fd.Get(), contents)) {
        return error;
    }
    if (::fsync(fd.Get()) != 0) {
        return FileError{FileStep::Flush, LastError()};
    }
    if (auto error = fd.Close()) {
        return FileError{FileStep::Close, *error};
    }
    return std::nullopt;
}

// Makes the rename itself durable. Some file systems cannot sync a folder; the rename has
// happened either way, so this is only best effort.
void FlushFolder(const std::filesystem::path& folder) {
    UniqueFd fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen()) {
        ::fsync(fd.Get());
    }
}

}  // namespace

std::variant<StagedFile, FileError> StagedFile::Create(const std::filesystem::path& target,
                                                       std::string_view contents) {
    constexpr unsigned kAttempts = 16;
    for (unsigned attempt = 0;; ++attempt) {
        std::filesystem::path temporary = TemporaryPathFor(target, attempt);
        UniqueFd fd(
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (!fd.IsOpen()) {
            if (errno == EEXIST && attempt + 1 < kAttempts) {
                continue;
            }
            return FileError{FileStep::CreateTemporary, LastError()};
        }
        StagedFile staged(target, temporary);
        if (auto error = WriteAndFlush(fd, contents)) {
            return *error;  // the staged file removes its temporary copy
        }
        return staged;
    }
}

StagedFile::StagedFile(std::filesystem::path target, std::filesystem::path temporary)
    : target_(std::move(target)), temporary_(std::move(temporary)) {}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : target_(std::move(other.target_)),
      temporary_(std::move(other.temporary_)),
      pending_(std::exchange(other.pending_, false)) {}

StagedFile::~StagedFile() {
    if (pending_) {
        ::unlink(temporary_.c_str());
    }
}

std::optional<FileError> StagedFile::Commit() && {
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        return FileError{FileStep::Replace, LastError()};
    }
    pending_ = false;
    FlushFolder(target_.parent_path());
    return std::nullopt;
}

std::optional<FileError> ReplaceFileContents(const std::filesystem::path& target,
                                             std::string_view contents) {
    auto staged = StagedFile::Create(target, contents);
    if (auto* error = std::get_if<FileError>(&staged)) {
        return *error;
    }
    return std::move(std::get<StagedFile>(staged)).Commit();
}

}  // namespace quellan::files
