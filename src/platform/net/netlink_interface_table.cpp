#include "platform/net/netlink_interface_table.h"

#include <algorithm>
#include <span>
#include <utility>

#include "platform/net/netlink/link_row.h"
#include "platform/net/netlink/netlink_socket.h"
#include "platform/net/netlink/sysfs_link_facts.h"

namespace win {
namespace {

// Large enough for the biggest datagram the kernel builds for a dump (32 KiB).
constexpr std::size_t kReceiveBufferSize = 64 * 1024;

}  // namespace

NetlinkInterfaceTable::NetlinkInterfaceTable()
    : NetlinkInterfaceTable("/sys/class/net", [] { return netlink::NetlinkSocket::Open(); }) {}

NetlinkInterfaceTable::NetlinkInterfaceTable(std::filesystem::path sysfsRoot,
                                             netlink::LinkChannelOpener openChannel)
    : openChannel_(std::move(openChannel)),
      receiveBuffer_(kReceiveBufferSize),
      facts_([sysfs = netlink::SysfsLinkFacts(std::move(sysfsRoot))](std::string_view name) {
          return sysfs.Read(name);
      }) {}

std::optional<MIB_IFTABLE> NetlinkInterfaceTable::GetIfTable() {
    DumpResult result = DumpLinks();
    if (result == DumpResult::Interrupted) {
        result = DumpLinks();
    }
    if (result != DumpResult::Complete) {
        return std::nullopt;
    }
    return MakeRows();
}

NetlinkInterfaceTable::DumpResult NetlinkInterfaceTable::DumpLinks() {
    dump_.links.clear();
    dump_.interrupted = false;
    if (!channel_) {
        channel_ = openChannel_();
        if (!channel_) {
            return DumpResult::Failed;
        }
    }
    const std::uint32_t sequence = ++sequence_;
    if (!channel_->SendLinkDumpRequest(sequence)) {
        channel_.reset();
        return DumpResult::Failed;
    }
    for (;;) {
        const auto received = channel_->Receive(receiveBuffer_);
        if (!received) {
            // Whatever is left of this answer must not reach the next dump.
            channel_.reset();
            return DumpResult::Failed;
        }
        const auto chunk = std::span(receiveBuffer_).first(*received);
        switch (netlink::ParseDumpChunk(chunk, sequence, dump_)) {
            case netlink::ChunkOutcome::NeedMore:
                continue;
            case netlink::ChunkOutcome::Done:
                return dump_.interrupted ? DumpResult::Interrupted : DumpResult::Complete;
            case netlink::ChunkOutcome::Failed:
                channel_.reset();
                return DumpResult::Failed;
        }
    }
}

MIB_IFTABLE NetlinkInterfaceTable::MakeRows() {
    MIB_IFTABLE rows;
    rows.reserve(dump_.links.size());
    facts_.BeginSnapshot();
    for (const auto& link : dump_.links) {
        rows.push_back(netlink::MakeIfRow(link, facts_.Lookup(link)));
    }
    facts_.Prune();
    std::ranges::sort(rows, {}, &MIB_IFROW::Index);
    return rows;
}

}  // namespace win
