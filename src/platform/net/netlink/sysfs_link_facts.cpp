#include "platform/net/netlink/sysfs_link_facts.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <system_error>
#include <utility>

namespace win::netlink {
namespace {

// IFNAMSIZ less its NUL.
constexpr std::size_t kInterfaceNameMax = 15;
// Above any real link (10 Pb/s); keeps bits per second far from overflow.
constexpr std::uint64_t kSpeedMegabitsMax = 10'000'000'000;

std::string ReadSmallFile(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return {};
    }
    std::array<char, 64> buffer{};
    const ssize_t count = ::read(descriptor, buffer.data(), buffer.size());
    ::close(descriptor);
    return count > 0 ? std::string(buffer.data(), static_cast<std::size_t>(count)) : std::string{};
}

std::string DriverName(const std::filesystem::path& link) {
    std::error_code error;
    const auto target = std::filesystem::read_symlink(link / "device" / "driver", error);
    return error ? std::string{} : target.filename().string();
}

bool IsWireless(const std::filesystem::path& link) {
    std::error_code error;
    return std::filesystem::exists(link / "wireless", error) ||
           std::filesystem::exists(link / "phy80211", error);
}

}  // namespace

bool IsPlainInterfaceName(std::string_view name) {
    return !name.empty() && name.size() <= kInterfaceNameMax && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

std::uint64_t ParseSpeedMegabits(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || value > kSpeedMegabitsMax) {
        return 0;
    }
    return value;
}

SysfsLinkFacts::SysfsLinkFacts(std::filesystem::path root) : root_(std::move(root)) {}

LinkFacts SysfsLinkFacts::Read(std::string_view name) const {
    LinkFacts facts;
    if (!IsPlainInterfaceName(name)) {
        return facts;
    }
    const auto link = root_ / name;
    facts.speedMegabits = ParseSpeedMegabits(ReadSmallFile(link / "speed"));
    facts.wireless = IsWireless(link);
    facts.driver = DriverName(link);
    return facts;
}

}  // namespace win::netlink
