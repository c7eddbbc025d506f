#pragma once

#include "platform/net/mib_ifrow.h"
#include "platform/net/netlink/link_facts.h"
#include "platform/net/netlink/link_message.h"

namespace win::netlink {

// The table row of one link: type and status codes mapped from the kernel's, the description
// from the alias, else the name with its driver.
MIB_IFROW MakeIfRow(const LinkMessage& link, const LinkFacts& facts);

}  // namespace win::netlink
