#pragma once

// Real network traffic that never leaves the machine: a network namespace of the test's own
// behind a veth pair, with link-local addresses on both ends (fe80::1 outside, fe80::2 inside)
// and a small HTTP server inside. Everything is gone again when the object is: the namespace
// lives only as long as the server's thread, and the pair with it, even if the test is killed.

#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <future>
#include <string>
#include <thread>

namespace quellan::testing_support {

class VethWebServer {
public:
    VethWebServer();
    ~VethWebServer();
    VethWebServer(const VethWebServer&) = delete;
    VethWebServer& operator=(const VethWebServer&) = delete;

    bool Ready() const { return problem_.empty(); }
    // Why it is not ready; empty when it is.
    const std::string& Problem() const { return problem_; }
    // Not ready only because this process may not create a network namespace.
    bool LacksRights() const { return lacksRights_; }

    // The end of the pair in this process's namespace, whose counters the traffic moves.
    const std::string& OuterLink() const { return outerLink_; }
    // Where a page of `bytes` bytes is served, as a web address: http://[fe80::2%25<veth>]:port/n
    std::string Url(std::uint64_t bytes) const;

    // Downloads a page of `bytes` bytes from the server; the body bytes that arrived.
    std::uint64_t Fetch(std::uint64_t bytes) const;

private:
    void Serve(std::promise<pid_t> namespaceReady, std::shared_future<void> linkReady,
               std::promise<int> listening);
    bool SetUpLink(pid_t namespaceThread);
    void Stop();

    std::string outerLink_;
    std::string problem_;
    bool lacksRights_ = false;
    int port_ = 0;
    std::atomic<int> listener_{-1};
    std::atomic<bool> stopping_{false};
    std::thread server_;
};

}  // namespace quellan::testing_support
