#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace win::host {

// What one web view of the desktop host is doing, for tests and tools.
struct WebViewStatus {
    // The helper's window is embedded in ours (its native id), 0 before or without it.
    std::uint64_t helperWindow = 0;
    // The address pane stands in for the page: the helper could not start or has ended.
    bool fallback = false;
    // The address last asked for.
    std::string address;
    int loadsFinished = 0;
    bool lastLoadOk = false;
    std::string title;
    // The page's visible text, once asked for and reported.
    std::optional<std::string> pageText;
};

}  // namespace win::host
