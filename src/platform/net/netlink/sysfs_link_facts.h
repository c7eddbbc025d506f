#pragma once

#include <filesystem>
#include <string_view>

#include "platform/net/netlink/link_facts.h"

namespace win::netlink {

// Reads speed, wireless and driver of a link from sysfs (normally /sys/class/net).
class SysfsLinkFacts {
public:
    explicit SysfsLinkFacts(std::filesystem::path root = "/sys/class/net");

    // A name that is not a plain interface name ("..", one with a slash) reads nothing.
    LinkFacts Read(std::string_view name) const;

private:
    std::filesystem::path root_;
};

// Whether name can stand as one path component under the sysfs root.
bool IsPlainInterfaceName(std::string_view name);

// The number at the start of a sysfs speed file in Mb/s; 0 for "-1", garbage or an absurd value.
std::uint64_t ParseSpeedMegabits(std::string_view text);

}  // namespace win::netlink
