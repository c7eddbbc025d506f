#pragma once

#include "platform/net/mib_ifrow.h"
#include "platform/net/netlink/link_facts.h"
#include "platform/net/netlink/link_message.h"

namespace win::netlink {

// The table row of one link: type and status codes mapped from the kernel's (a link flagged as
// loopback is a software loopback whatever its device type), the description from the alias,
// else the name with its driver.
MIB_IFROW MakeIfRow(const LinkMessage& link, const LinkFacts& facts);

}  // namespace win::netlink
