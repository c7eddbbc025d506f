#include "platform/terminal/descriptor_io.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace win::terminal {

std::vector<Descriptor> WaitForReadable(std::span<const Descriptor> descriptors, int timeoutMs) {
    std::vector<pollfd> watched;
    for (Descriptor descriptor : descriptors) {
        watched.push_back({NumberOf(descriptor), POLLIN, 0});
    }
    std::vector<Descriptor> readable;
    if (::poll(watched.data(), watched.size(), timeoutMs) <= 0) {
        return readable;
    }
    for (std::size_t i = 0; i < watched.size(); ++i) {
        if ((watched[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
            readable.push_back(descriptors[i]);
        }
    }
    return readable;
}

std::string ReadAvailable(Descriptor descriptor) {
    std::array<char, 256> buffer{};
    ssize_t count = ::read(NumberOf(descriptor), buffer.data(), buffer.size());
    if (count <= 0) {
        return {};
    }
    return std::string(buffer.data(), static_cast<std::size_t>(count));
}

bool WriteAll(Descriptor descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(NumberOf(descriptor), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace win::terminal
