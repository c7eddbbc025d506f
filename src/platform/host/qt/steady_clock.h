#pragma once

#include <chrono>
#include <cstdint>

namespace win::host::desktop {

// Milliseconds since the host started, from a clock that never goes back.
class SteadyClock {
public:
    std::int64_t Now() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start_)
            .count();
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace win::host::desktop
