#include "tests/app/loopback_traffic.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>

namespace quellan::testing_support {

std::uint64_t SendLoopbackTraffic(int datagrams) {
    int receiver = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    int sender = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    std::uint64_t sent = 0;
    if (::bind(receiver, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
        ::getsockname(receiver, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        std::array<char, 1000> payload{};
        for (int i = 0; i < datagrams; ++i) {
            if (::sendto(sender, payload.data(), payload.size(), 0,
                         reinterpret_cast<sockaddr*>(&address), sizeof(address)) > 0) {
                sent += payload.size();
            }
            while (::recv(receiver, payload.data(), payload.size(), 0) > 0) {
            }
        }
    }
    ::close(receiver);
    ::close(sender);
    return sent;
}

}  // namespace quellan::testing_support
