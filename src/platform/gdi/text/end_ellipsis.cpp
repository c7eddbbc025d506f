#include "platform/gdi/text/end_ellipsis.h"

#include <cstdint>

namespace win::text {

void ApplyEndEllipsis(LayoutLine& line, int width, int dotAdvance) {
    if (line.width <= width) {
        return;
    }
    const std::int64_t dots = 3 * static_cast<std::int64_t>(dotAdvance);
    std::int64_t kept = line.width;
    while (!line.characters.empty() && kept + dots > width) {
        kept -= line.characters.back().advance;
        line.characters.pop_back();
    }
    for (int i = 0; i < 3; ++i) {
        line.characters.push_back({U'.', dotAdvance, false});
    }
    line.width = SumOfAdvances(line.characters);
}

}  // namespace win::text
