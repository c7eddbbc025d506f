#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "stats/c_interface.h"

namespace quellan {

// The records of one snapshot in table order; positions are 1-based.
class CInterfaces {
public:
    using Records = std::vector<std::shared_ptr<CInterface>>;

    // Appends the record and empties the caller's reference, so the caller's next record has to
    // be a new object. An empty reference is refused with std::invalid_argument.
    std::shared_ptr<CInterface> Add(std::shared_ptr<CInterface>& objInterface);

    // The record at 1-based position vntIndexKey; std::out_of_range outside 1 ... Count.
    std::shared_ptr<CInterface> Item(std::int32_t vntIndexKey) const;

    std::int32_t Count() const;
    // Removes every record.
    void Clear() { records_.clear(); }

    // Removes the record at 1-based position vntIndexKey; later records move up by one.
    // std::out_of_range outside 1 ... Count.
    void Remove(std::int32_t vntIndexKey);

    // The records in order.
    std::span<const std::shared_ptr<CInterface>> NewEnum() const { return records_; }
    Records::const_iterator begin() const { return records_.begin(); }
    Records::const_iterator end() const { return records_.end(); }

private:
    std::size_t PositionOf(std::int32_t vntIndexKey) const;

    Records records_;
};

}  // namespace quellan
