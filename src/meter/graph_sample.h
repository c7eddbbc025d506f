#pragma once

// The graph's sample for a download average in bytes per tick: the average in kilobytes shown
// with two decimals and thousands separators, read back, rounded down, plus 5. Going through
// the shown text matters: 9.996 is shown as 10.00 and so gives 15, not 14.

#include "meter/numeric_separators.h"

namespace quellan {

double GraphSampleOfAverage(double averageDownloadBytes, const NumericSeparators& separators);

}  // namespace quellan
