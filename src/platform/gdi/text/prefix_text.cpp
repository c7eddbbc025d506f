#include "platform/gdi/text/prefix_text.h"

namespace win::text {

std::vector<DisplayCharacter> ApplyPrefixes(std::u32string_view text, PrefixHandling handling) {
    std::vector<DisplayCharacter> shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (handling == PrefixHandling::Literal || text[i] != U'&') {
            shown.push_back({text[i], false});
            continue;
        }
        if (++i == text.size()) {
            break;
        }
        const char32_t next = text[i];
        const bool underline =
            handling == PrefixHandling::Underline && next != U'&' && next != U'\r' && next != U'\n';
        shown.push_back({next, underline});
    }
    return shown;
}

}  // namespace win::text
