#include "platform/controls/edit_input_filter.h"

#include "platform/gdi/text/utf8.h"

namespace win::controls {

bool IsEditControlCharacter(char32_t ch) {
    return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F) || ch == U'\u2028' || ch == U'\u2029';
}

std::u32string FilterEditInput(std::string_view utf8, LineBreaks lineBreaks) {
    const std::u32string decoded = text::DecodeUtf8(utf8);
    std::u32string kept;
    kept.reserve(decoded.size());
    for (const char32_t ch : decoded) {
        const bool lineBreak = ch == U'\r' || ch == U'\n' || ch == U'\u2028' || ch == U'\u2029';
        if (lineBreak && lineBreaks == LineBreaks::EndInput) {
            break;
        }
        if (!IsEditControlCharacter(ch)) {
            kept.push_back(ch);
        }
    }
    return kept;
}

}  // namespace win::controls
