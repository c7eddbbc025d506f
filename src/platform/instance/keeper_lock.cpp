#include "platform/instance/keeper_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace quellan::instance {

struct KeeperLockAccess {
    static KeeperLock Make(int fd) { return KeeperLock(fd); }
};

namespace {

int OpenLockFile(const std::filesystem::path& lockFile) {
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0 && (errno == EROFS || errno == EACCES)) {
        // An existing lock file still locks in a folder we may not write to.
        fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    }
    return fd;
}

}  // namespace

KeeperLock::KeeperLock(KeeperLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

KeeperLock::~KeeperLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

KeeperClaim ClaimKeeper(const std::filesystem::path& lockFile) {
    int fd = OpenLockFile(lockFile);
    if (fd < 0) {
        return LockUnavailable{};
    }
    int result = 0;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        return KeeperLockAccess::Make(fd);
    }
    bool held = errno == EWOULDBLOCK;
    ::close(fd);
    if (held) {
        return HeldElsewhere{};
    }
    return LockUnavailable{};
}

std::filesystem::path LockFileFor(const std::filesystem::path& totalsFile) {
    return totalsFile.parent_path() / ("." + totalsFile.filename().string() + ".lock");
}

}  // namespace quellan::instance
