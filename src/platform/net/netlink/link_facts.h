#pragma once

#include <cstdint>
#include <string>

namespace win::netlink {

// What sysfs knows of a link beyond the netlink answer.
struct LinkFacts {
    std::uint64_t speedMegabits = 0;  // 0 when unknown
    bool wireless = false;
    std::string driver;  // empty when the link has no device driver
};

}  // namespace win::netlink
