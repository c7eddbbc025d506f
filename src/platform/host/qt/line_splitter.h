#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace win::host::desktop {

// Cuts a byte stream into lines. A line longer than the limit is dropped whole (up to its
// newline) rather than kept growing without end.
class LineSplitter {
public:
    explicit LineSplitter(std::size_t longestLine = kDefaultLongestLine);

    // The lines completed by `bytes`, without their newlines.
    std::vector<std::string> Feed(std::string_view bytes);

    static constexpr std::size_t kDefaultLongestLine = 4u << 20;

private:
    std::size_t longestLine_;
    std::string pending_;
    bool discarding_ = false;
};

}  // namespace win::host::desktop
