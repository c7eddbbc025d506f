#include "console/terminal_text.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace quellan::console {
namespace {

struct DecodedCharacter {
    char32_t code = 0;
    std::size_t length = 0;
};

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// One UTF-8 character at the start of `text`; nothing for a malformed or overlong sequence.
std::optional<DecodedCharacter> DecodeFirst(std::string_view text) {
    auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        return DecodedCharacter{lead, 1};
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() < length) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (!IsContinuation(byte)) {
            return std::nullopt;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < smallest || code > 0x10FFFF || surrogate) {
        return std::nullopt;
    }
    return DecodedCharacter{code, length};
}

bool IsControl(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

bool IsWide(char32_t code) {
    return (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0x303E) ||
           (code >= 0x3041 && code <= 0xA4CF) || (code >= 0xAC00 && code <= 0xD7A3) ||
           (code >= 0xF900 && code <= 0xFAFF) || (code >= 0xFE30 && code <= 0xFE4F) ||
           (code >= 0xFF00 && code <= 0xFF60) || (code >= 0xFFE0 && code <= 0xFFE6) ||
           (code >= 0x1F300 && code <= 0x1F64F) || (code >= 0x20000 && code <= 0x3FFFD);
}

int ColumnsOf(char32_t code) {
    return IsWide(code) ? 2 : 1;
}

}  // namespace

std::string PrintableText(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    while (!utf8.empty()) {
        std::optional<DecodedCharacter> character = DecodeFirst(utf8);
        if (!character) {
            result += '?';
            utf8.remove_prefix(1);
            continue;
        }
        if (IsControl(character->code)) {
            result += '?';
        } else {
            result.append(utf8.substr(0, character->length));
        }
        utf8.remove_prefix(character->length);
    }
    return result;
}

int DisplayWidth(std::string_view utf8) {
    int columns = 0;
    while (!utf8.empty()) {
        std::optional<DecodedCharacter> character = DecodeFirst(utf8);
        std::size_t length = character ? character->length : 1;
        columns += character ? ColumnsOf(character->code) : 1;
        utf8.remove_prefix(length);
    }
    return columns;
}

std::string FitToColumns(std::string_view utf8, int columns) {
    std::size_t kept = 0;
    int used = 0;
    std::string_view rest = utf8;
    while (!rest.empty()) {
        std::optional<DecodedCharacter> character = DecodeFirst(rest);
        std::size_t length = character ? character->length : 1;
        int width = character ? ColumnsOf(character->code) : 1;
        if (used + width > columns) {
            break;
        }
        used += width;
        kept += length;
        rest.remove_prefix(length);
    }
    return std::string(utf8.substr(0, kept));
}

}  // namespace quellan::console
