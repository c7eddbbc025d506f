#include "platform/host/qt/line_splitter.h"

namespace win::host::desktop {

LineSplitter::LineSplitter(std::size_t longestLine) : longestLine_(longestLine) {}

std::vector<std::string> LineSplitter::Feed(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t newline = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, newline);
        if (!discarding_) {
            pending_.append(piece);
        }
        if (pending_.size() > longestLine_) {
            pending_.clear();
            discarding_ = true;
        }
        if (newline == std::string_view::npos) {
            break;
        }
        if (!discarding_) {
            lines.push_back(std::move(pending_));
        }
        pending_.clear();
        discarding_ = false;
        bytes.remove_prefix(newline + 1);
    }
    return lines;
}

}  // namespace win::host::desktop
