#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "platform/net/interface_table.h"
#include "platform/net/netlink/link_channel.h"
#include "platform/net/netlink/link_dump_parser.h"
#include "platform/net/netlink/link_facts_cache.h"

namespace win {

// The kernel's interface table: one RTM_GETLINK dump per snapshot, repeated once when the
// kernel marks it interrupted, with speed, wireless and driver from sysfs.
class NetlinkInterfaceTable : public InterfaceTable {
public:
    NetlinkInterfaceTable();
    NetlinkInterfaceTable(std::filesystem::path sysfsRoot, netlink::LinkChannelOpener openChannel);

    std::optional<MIB_IFTABLE> GetIfTable() override;

private:
    enum class DumpResult { Complete, Interrupted, Failed };

    DumpResult DumpLinks();
    MIB_IFTABLE MakeRows();

    netlink::LinkChannelOpener openChannel_;
    std::unique_ptr<netlink::LinkChannel> channel_;
    std::uint32_t sequence_ = 0;
    std::vector<std::uint8_t> receiveBuffer_;
    netlink::LinkDump dump_;
    netlink::LinkFactsCache facts_;
};

}  // namespace win
