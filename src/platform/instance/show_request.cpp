#include "platform/instance/show_request.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace quellan::instance {
namespace {

constexpr std::string_view kShowRequest = "show\n";

// FNV-1a: the same name for the same folder in every build.
std::uint64_t StableHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    return hash;
}

std::optional<sockaddr_un> AddressOf(const std::filesystem::path& socket) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string& path = socket.native();
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        return std::nullopt;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

int StreamSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

}  // namespace

std::optional<std::filesystem::path> ShowRequestSocket(const char* runtimeFolder,
                                                       const std::filesystem::path& folder) {
    if (runtimeFolder == nullptr || *runtimeFolder == '\0') {
        return std::nullopt;
    }
    std::error_code error;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(folder, error);
    char name[64];
    std::snprintf(
        name, sizeof name, "quellan-%016llx.sock",
        static_cast<unsigned long long>(StableHash((error ? folder : canonical).native())));
    return std::filesystem::path(runtimeFolder) / name;
}

std::optional<ShowRequestListener> ShowRequestListener::Listen(
    const std::filesystem::path& socket) {
    auto address = AddressOf(socket);
    if (!address) {
        return std::nullopt;
    }
    int fd = StreamSocket();
    if (fd < 0) {
        return std::nullopt;
    }
    ::unlink(socket.c_str());  // left by a keeper that has ended: we hold the lock now
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 ||
        ::listen(fd, 8) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    return ShowRequestListener(fd, socket);
}

ShowRequestListener::ShowRequestListener(ShowRequestListener&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), socket_(std::move(other.socket_)) {}

ShowRequestListener::~ShowRequestListener() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(socket_.c_str());
    }
}

bool ShowRequestListener::TakeRequests() {
    bool any = false;
    for (;;) {
        int connection = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0) {
            if (errno == EINTR || errno == ECONNABORTED) {
                continue;
            }
            return any;  // EAGAIN: no more waiting
        }
        // Connecting is the request; what was sent is read only so that closing is quiet.
        char request[16];
        ::recv(connection, request, sizeof request, 0);
        ::close(connection);
        any = true;
    }
}

bool SendShowRequest(const std::filesystem::path& socket) {
    auto address = AddressOf(socket);
    if (!address) {
        return false;
    }
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    bool sent = ::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0 &&
                ::send(fd, kShowRequest.data(), kShowRequest.size(), MSG_NOSIGNAL) ==
                    static_cast<ssize_t>(kShowRequest.size());
    ::close(fd);
    return sent;
}

}  // namespace quellan::instance
