#include "platform/forms/access_key.h"

namespace win::forms {

char AccessKeyOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') {
            continue;
        }
        const char next = caption[i + 1];
        if (next == '&') {
            ++i;
            continue;
        }
        if (next >= 'a' && next <= 'z') {
            return static_cast<char>(next - 'a' + 'A');
        }
        // Only plain ASCII keys can be pressed with Alt.
        return static_cast<unsigned char>(next) < 0x80 ? next : 0;
    }
    return 0;
}

}  // namespace win::forms
