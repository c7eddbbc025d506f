#pragma once

// One process keeps a folder's totals file: it holds an advisory lock on a lock file beside it
// for as long as it runs. The system drops the lock when the process ends, however it ends.

#include <filesystem>
#include <variant>

namespace quellan::instance {

// The lock, held until this is dropped.
class KeeperLock {
public:
    KeeperLock(KeeperLock&& other) noexcept;
    KeeperLock& operator=(KeeperLock&&) = delete;
    KeeperLock(const KeeperLock&) = delete;
    KeeperLock& operator=(const KeeperLock&) = delete;
    ~KeeperLock();

private:
    friend struct KeeperLockAccess;
    explicit KeeperLock(int fd) : fd_(fd) {}
    int fd_;
};

// Another running process holds the lock.
struct HeldElsewhere {};
// No lock file can be opened there (a read-only folder, say): nobody can keep the file, and a
// save would fail anyway and say why.
struct LockUnavailable {};

using KeeperClaim = std::variant<KeeperLock, HeldElsewhere, LockUnavailable>;

// Takes the lock on `lockFile` without waiting, creating the file when it is missing.
KeeperClaim ClaimKeeper(const std::filesystem::path& lockFile);

// The lock file that goes with a totals file: hidden, beside it.
std::filesystem::path LockFileFor(const std::filesystem::path& totalsFile);

}  // namespace quellan::instance
