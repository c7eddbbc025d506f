#include "platform/net/scripted_interface_table.h"

#include <utility>

namespace win {

ScriptedInterfaceTable::ScriptedInterfaceTable(MIB_IFTABLE rows) : answer_(std::move(rows)) {}

void ScriptedInterfaceTable::SetRows(MIB_IFTABLE rows) {
    answer_ = std::move(rows);
}

void ScriptedInterfaceTable::SetFailure() {
    answer_.reset();
}

std::optional<MIB_IFTABLE> ScriptedInterfaceTable::GetIfTable() {
    ++readCount_;
    return answer_;
}

MIB_IFROW ScriptedRow(std::string name, std::uint32_t index, std::uint64_t inOctets,
                      std::uint64_t outOctets, std::string_view description) {
    MIB_IFROW row;
    row.Name = std::move(name);
    row.Index = index;
    row.Type = IF_TYPE_ETHERNET_CSMACD;
    row.Mtu = 1500;
    row.AdminStatus = MIB_IF_ADMIN_STATUS_UP;
    row.OperStatus = MIB_IF_OPER_STATUS_OPERATIONAL;
    row.InOctets = inOctets;
    row.OutOctets = outOctets;
    SetIfDescription(row, description);
    return row;
}

}  // namespace win
