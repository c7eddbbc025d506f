#pragma once

#include <optional>

#include "platform/net/mib_ifrow.h"

namespace win {

// A source of interface table snapshots.
class InterfaceTable {
public:
    virtual ~InterfaceTable() = default;

    // A fresh snapshot of every interface, sorted by index; nothing when the table cannot be read.
    virtual std::optional<MIB_IFTABLE> GetIfTable() = 0;
};

}  // namespace win
