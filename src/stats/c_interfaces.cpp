#include "stats/c_interfaces.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace quellan {

std::shared_ptr<CInterface> CInterfaces::Add(std::shared_ptr<CInterface>& objInterface) {
    if (!objInterface) {
        throw std::invalid_argument("CInterfaces::Add: no record");
    }
    records_.push_back(std::move(objInterface));
    objInterface.reset();
    return records_.back();
}

std::shared_ptr<CInterface> CInterfaces::Item(std::int32_t vntIndexKey) const {
    return records_[PositionOf(vntIndexKey)];
}

std::int32_t CInterfaces::Count() const {
    return static_cast<std::int32_t>(records_.size());
}

void CInterfaces::Remove(std::int32_t vntIndexKey) {
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(PositionOf(vntIndexKey)));
}

std::size_t CInterfaces::PositionOf(std::int32_t vntIndexKey) const {
    if (vntIndexKey < 1 || vntIndexKey > Count()) {
        throw std::out_of_range("CInterfaces: no record at position " +
                                std::to_string(vntIndexKey));
    }
    return static_cast<std::size_t>(vntIndexKey - 1);
}

}  // namespace quellan
