#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/net/interface_table.h"

namespace win {

// A table for tests: every read delivers the rows last given, or fails when told to.
class ScriptedInterfaceTable : public InterfaceTable {
public:
    ScriptedInterfaceTable() = default;
    explicit ScriptedInterfaceTable(MIB_IFTABLE rows);

    void SetRows(MIB_IFTABLE rows);
    void SetFailure();

    std::optional<MIB_IFTABLE> GetIfTable() override;

    int ReadCount() const { return readCount_; }

private:
    std::optional<MIB_IFTABLE> answer_ = MIB_IFTABLE{};
    int readCount_ = 0;
};

// An up, operational Ethernet row with the given counters and description.
MIB_IFROW ScriptedRow(std::string name, std::uint32_t index, std::uint64_t inOctets,
                      std::uint64_t outOctets, std::string_view description);

}  // namespace win
