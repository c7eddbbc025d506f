#pragma once

#include <memory>

#include "platform/net/interface_table.h"

namespace win {

// The machine's own interface table, shared by every reader of the process.
std::shared_ptr<InterfaceTable> SystemInterfaceTable();

}  // namespace win
