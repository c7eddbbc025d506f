#include "console/stored_total.h"

#include <utility>

#include "meter/leading_number.h"
#include "meter/number_to_text.h"

namespace quellan::console {

StoredTotal::StoredTotal(std::filesystem::path file)
    : file_(std::move(file)), storedText_(ReadTotalsText(file_)) {}

std::optional<TotalsSaveError> StoredTotal::SaveWithRun(double thisRunKilobytes) const {
    // Through the text the mini window shows in `Text3`, so both save the same figure.
    double runAsShown = LeadingNumber(NumberToTextWithLeadingBlank(thisRunKilobytes));
    return SaveTotals(file_, runAsShown + LeadingNumber(storedText_));
}

}  // namespace quellan::console
