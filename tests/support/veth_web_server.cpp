#include "tests/support/veth_web_server.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

extern char** environ;

namespace quellan::testing_support {
namespace {

constexpr std::string_view kOuterAddress = "fe80::1";
constexpr std::string_view kInnerAddress = "fe80::2";
constexpr std::string_view kInnerLink = "veth0";
constexpr auto kPatience = std::chrono::seconds(10);

// Runs a command found on PATH and waits for it; true when it succeeded.
bool Run(std::vector<std::string> command) {
    std::vector<char*> argv;
    for (std::string& word : command) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string UniqueLinkName() {
    static std::atomic<int> made{0};
    return "qlv" + std::to_string(::getpid()) + "n" + std::to_string(made++ % 100);
}

sockaddr_in6 LinkLocal(std::string_view address, unsigned linkIndex, int port) {
    sockaddr_in6 socketAddress{};
    socketAddress.sin6_family = AF_INET6;
    socketAddress.sin6_port = htons(static_cast<std::uint16_t>(port));
    socketAddress.sin6_scope_id = linkIndex;
    ::inet_pton(AF_INET6, std::string(address).c_str(), &socketAddress.sin6_addr);
    return socketAddress;
}

void LimitWaits(int socket) {
    timeval limit{std::chrono::seconds(kPatience).count(), 0};
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof(limit));
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof(limit));
}

bool SendAll(int socket, std::string_view data) {
    while (!data.empty()) {
        const ssize_t sent = ::send(socket, data.data(), data.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

// The request's head, up to the empty line.
std::string ReadRequestHead(int socket) {
    std::string head;
    std::array<char, 512> buffer{};
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 8192) {
        const ssize_t got = ::recv(socket, buffer.data(), buffer.size(), 0);
        if (got <= 0) {
            break;
        }
        head.append(buffer.data(), static_cast<std::size_t>(got));
    }
    return head;
}

// "GET /<bytes> ..." asks for that many bytes; anything else for none.
std::uint64_t RequestedBytes(const std::string& head) {
    constexpr std::string_view kStart = "GET /";
    if (!head.starts_with(kStart)) {
        return 0;
    }
    return std::strtoull(head.c_str() + kStart.size(), nullptr, 10);
}

void Answer(int connection) {
    LimitWaits(connection);
    const std::uint64_t bytes = RequestedBytes(ReadRequestHead(connection));
    std::string reply =
        "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\n"
        "Content-Length: " +
        std::to_string(bytes) + "\r\nConnection: close\r\n\r\n";
    const std::string block(64 * 1024, 'q');
    bool sending = SendAll(connection, reply);
    for (std::uint64_t left = bytes; sending && left > 0;) {
        const std::size_t part =
            static_cast<std::size_t>(std::min<std::uint64_t>(left, block.size()));
        sending = SendAll(connection, std::string_view(block).substr(0, part));
        left -= part;
    }
    ::shutdown(connection, SHUT_WR);
    ::close(connection);
}

}  // namespace

VethWebServer::VethWebServer() : outerLink_(UniqueLinkName()) {
    std::promise<pid_t> namespaceReady;
    std::future<pid_t> namespaceThread = namespaceReady.get_future();
    std::promise<void> linkReady;
    std::promise<int> listening;
    std::future<int> port = listening.get_future();
    server_ = std::thread(&VethWebServer::Serve, this, std::move(namespaceReady),
                          linkReady.get_future().share(), std::move(listening));
    const pid_t thread = namespaceThread.get();
    if (thread > 0 && SetUpLink(thread)) {
        linkReady.set_value();
        port_ = port.get();
        if (port_ <= 0 && problem_.empty()) {
            problem_ = "the server in the namespace could not listen on [" +
                       std::string(kInnerAddress) + "%" + std::string(kInnerLink) + "]";
        }
    } else {
        linkReady.set_value();
        port.get();
    }
    if (!Ready()) {
        Stop();
    }
}

VethWebServer::~VethWebServer() {
    Stop();
}

void VethWebServer::Stop() {
    // Deleting one end deletes the pair at once; the namespace goes when the thread ends.
    if (::if_nametoindex(outerLink_.c_str()) != 0) {
        Run({"ip", "link", "del", outerLink_});
    }
    stopping_ = true;
    if (const int listener = listener_.exchange(-1); listener >= 0) {
        ::shutdown(listener, SHUT_RDWR);
    }
    if (server_.joinable()) {
        server_.join();
    }
}

// Only this thread enters the new namespace; sockets made here stay in it.
void VethWebServer::Serve(std::promise<pid_t> namespaceReady, std::shared_future<void> linkReady,
                          std::promise<int> listening) {
    if (::unshare(CLONE_NEWNET) != 0) {
        lacksRights_ = errno == EPERM;
        problem_ = std::string(lacksRights_ ? "skipped: creating the test's own network namespace "
                                              "and veth pair needs root (CAP_SYS_ADMIN): "
                                            : "cannot create a network namespace: ") +
                   std::strerror(errno);
        namespaceReady.set_value(-1);
        listening.set_value(-1);
        return;
    }
    namespaceReady.set_value(static_cast<pid_t>(::syscall(SYS_gettid)));
    linkReady.wait();
    const unsigned innerIndex = ::if_nametoindex(std::string(kInnerLink).c_str());
    const int listener = ::socket(AF_INET6, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in6 address = LinkLocal(kInnerAddress, innerIndex, 0);
    socklen_t length = sizeof(address);
    const bool bound =
        innerIndex != 0 && listener >= 0 &&
        ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
        ::listen(listener, 8) == 0 &&
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    if (!bound) {
        if (listener >= 0) {
            ::close(listener);
        }
        listening.set_value(-1);
        return;
    }
    listener_ = listener;
    listening.set_value(ntohs(address.sin6_port));
    while (!stopping_) {
        const int connection = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) {
            Answer(connection);
        } else if (errno != EINTR) {
            break;
        }
    }
    ::close(listener);
}

bool VethWebServer::SetUpLink(pid_t namespaceThread) {
    const std::string inside = "--net=/proc/" + std::to_string(::getpid()) + "/task/" +
                               std::to_string(namespaceThread) + "/ns/net";
    const std::string innerLink(kInnerLink);
    const bool made = Run({"ip", "link", "add", outerLink_, "type", "veth", "peer", "name",
                           innerLink, "netns", std::to_string(namespaceThread)}) &&
                      Run({"ip", "address", "add", std::string(kOuterAddress) + "/64", "dev",
                           outerLink_, "nodad"}) &&
                      Run({"ip", "link", "set", outerLink_, "up"}) &&
                      Run({"nsenter", inside, "ip", "address", "add",
                           std::string(kInnerAddress) + "/64", "dev", innerLink, "nodad"}) &&
                      Run({"nsenter", inside, "ip", "link", "set", innerLink, "up"});
    if (!made) {
        problem_ = "could not set up the veth pair " + outerLink_ + " (ip and nsenter as root)";
    }
    return made;
}

std::string VethWebServer::Url(std::uint64_t bytes) const {
    return "http://[" + std::string(kInnerAddress) + "%25" + outerLink_ +
           "]:" + std::to_string(port_) + "/" + std::to_string(bytes);
}

std::uint64_t VethWebServer::Fetch(std::uint64_t bytes) const {
    if (!Ready()) {
        return 0;
    }
    const int client = ::socket(AF_INET6, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (client < 0) {
        return 0;
    }
    LimitWaits(client);
    const sockaddr_in6 server =
        LinkLocal(kInnerAddress, ::if_nametoindex(outerLink_.c_str()), port_);
    std::string response;
    const std::string request = "GET /" + std::to_string(bytes) + " HTTP/1.0\r\nHost: [" +
                                std::string(kInnerAddress) + "%25" + outerLink_ +
                                "]:" + std::to_string(port_) + "\r\n\r\n";
    if (::connect(client, reinterpret_cast<const sockaddr*>(&server), sizeof(server)) == 0 &&
        SendAll(client, request)) {
        std::array<char, 64 * 1024> buffer{};
        ssize_t got = 0;
        while ((got = ::recv(client, buffer.data(), buffer.size(), 0)) > 0) {
            response.append(buffer.data(), static_cast<std::size_t>(got));
        }
    }
    ::close(client);
    const std::size_t bodyStart = response.find("\r\n\r\n");
    return bodyStart == std::string::npos ? 0 : response.size() - (bodyStart + 4);
}

}  // namespace quellan::testing_support
