#include "button/caption_access_key.h"

#include <cctype>

namespace quellan {
namespace {

// Keys are single characters; a letter beyond ASCII has no key of its own on this platform.
std::optional<char> KeyAt(std::string_view caption, std::size_t index) {
    const auto c = static_cast<unsigned char>(caption[index]);
    if (c >= 0x80) {
        return std::nullopt;
    }
    return static_cast<char>(std::tolower(c));
}

}  // namespace

std::optional<char> CaptionAccessKey(std::string_view caption) {
    if (caption.size() < 2) {
        return std::nullopt;
    }
    const std::size_t first = caption.find('&');
    if (first == std::string_view::npos || first + 1 >= caption.size()) {
        return std::nullopt;
    }
    if (caption[first + 1] != '&') {
        return KeyAt(caption, first + 1);
    }
    const std::size_t second = caption.find('&', first + 2);
    if (second == std::string_view::npos || second + 1 >= caption.size() ||
        caption[second + 1] == '&') {
        return std::nullopt;
    }
    return KeyAt(caption, second + 1);
}

}  // namespace quellan
