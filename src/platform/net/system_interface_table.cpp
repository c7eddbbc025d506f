#include "platform/net/system_interface_table.h"

#include "platform/net/netlink_interface_table.h"

namespace win {

std::shared_ptr<InterfaceTable> SystemInterfaceTable() {
    // One table keeps one socket and one cache of sysfs facts for the whole process.
    static const std::shared_ptr<InterfaceTable> table = std::make_shared<NetlinkInterfaceTable>();
    return table;
}

}  // namespace win
