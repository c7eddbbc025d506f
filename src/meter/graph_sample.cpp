#include "meter/graph_sample.h"

#include <cmath>
#include <string>

#include "meter/number_format.h"

namespace quellan {

double GraphSampleOfAverage(double averageDownloadBytes, const NumericSeparators& separators) {
    std::string shown =
        FormatNumber(averageDownloadBytes / 1024.0, kGroupedTwoDecimalsPattern, separators);
    double readBack = ReadFormattedNumber(shown, separators).value_or(0.0);
    return std::floor(readBack) + 5.0;
}

}  // namespace quellan
