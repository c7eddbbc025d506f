#include "console/text_graph.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace quellan::console {
namespace {

constexpr double kGraphTop = 100.0;

// A blank for nothing, then eighths of a cell from the bottom up.
constexpr std::array<std::string_view, 9> kLevels = {" ", "▁", "▂", "▃", "▄", "▅", "▆", "▇", "█"};

std::string_view LevelOf(double sample) {
    if (!(sample > 0.0)) {
        return kLevels[0];  // also NaN
    }
    double eighths = std::ceil(std::min(sample, kGraphTop) / kGraphTop * 8.0);
    return kLevels[static_cast<std::size_t>(eighths)];
}

// NaN never wins.
double LargestOf(std::span<const double> run) {
    double largest = 0.0;
    for (double sample : run) {
        largest = std::max(largest, sample);
    }
    return largest;
}

}  // namespace

std::string TextGraph(std::span<const double> samples, int columns) {
    if (columns <= 0 || samples.empty()) {
        return {};
    }
    std::size_t width = std::min(samples.size(), static_cast<std::size_t>(columns));
    std::string line;
    for (std::size_t column = 0; column < width; ++column) {
        std::size_t first = column * samples.size() / width;
        std::size_t last = (column + 1) * samples.size() / width;
        line += LevelOf(LargestOf(samples.subspan(first, last - first)));
    }
    return line;
}

}  // namespace quellan::console
