#include "meter/connection_selection.h"

#include <cstdint>
#include <optional>

#include "meter/leading_number.h"
#include "platform/numeric/round_half_even.h"

namespace quellan {

int ConnectionEntryToSelect(std::string_view settingText, int entryCount) {
    if (entryCount <= 0) {
        return kNoListSelection;
    }
    double stored = LeadingNumber(settingText);
    std::optional<std::int64_t> index = numeric::RoundHalfEven(stored);
    if (index == kNoListSelection) {
        return kNoListSelection;
    }
    if (stored + 1 > entryCount || !index || *index < 0 || *index >= entryCount) {
        return 0;
    }
    return static_cast<int>(*index);
}

}  // namespace quellan
