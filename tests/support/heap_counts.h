#pragma once

// The blocks and bytes the program holds from operator new right now, counted by replacing the
// global operator new and delete in any executable that links this.

#include <cstdint>

namespace quellan::testing_support {

struct HeapCounts {
    std::int64_t blocks = 0;
    std::int64_t bytes = 0;

    bool operator==(const HeapCounts&) const = default;
};

HeapCounts LiveHeap();

}  // namespace quellan::testing_support
