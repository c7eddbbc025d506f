#include "console/ansi_frame.h"

namespace quellan::console {
namespace {

constexpr std::string_view kCursorHome = "\x1b[H";
constexpr std::string_view kClearToLineEnd = "\x1b[K";
constexpr std::string_view kClearToScreenEnd = "\x1b[J";

}  // namespace

std::string FrameText(const std::vector<std::string>& lines) {
    std::string frame(kCursorHome);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            // No line break after the last line: on the bottom row it would scroll.
            frame += "\r\n";
        }
        frame += lines[i];
        frame += kClearToLineEnd;
    }
    frame += kClearToScreenEnd;
    return frame;
}

}  // namespace quellan::console
