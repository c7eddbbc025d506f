#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/net/interface_table.h"
#include "platform/net/netlink/link_dump_parser.h"
#include "platform/net/netlink/link_facts_cache.h"
#include "platform/net/netlink/netlink_socket.h"

namespace win {

// The kernel's interface table: one RTM_GETLINK dump per snapshot, with speed, wireless and
// driver from sysfs.
class NetlinkInterfaceTable : public InterfaceTable {
public:
    explicit NetlinkInterfaceTable(std::filesystem::path sysfsRoot = "/sys/class/net");

    std::optional<MIB_IFTABLE> GetIfTable() override;

private:
    enum class DumpResult { Complete, Interrupted, Failed };

    DumpResult DumpLinks();
    MIB_IFTABLE MakeRows();

    std::optional<netlink::NetlinkSocket> socket_;
    std::uint32_t sequence_ = 0;
    std::vector<std::uint8_t> receiveBuffer_;
    netlink::LinkDump dump_;
    netlink::LinkFactsCache facts_;
};

}  // namespace win
