#include "platform/gdi/text/utf8.h"

#include <cstdint>

namespace win::text {
namespace {

struct SequenceShape {
    int length = 0;
    char32_t initialBits = 0;
    char32_t minimum = 0;
};

SequenceShape ShapeOfLeadByte(std::uint8_t lead) {
    if (lead < 0x80) {
        return {1, lead, 0};
    }
    if ((lead & 0xE0) == 0xC0) {
        return {2, static_cast<char32_t>(lead & 0x1F), 0x80};
    }
    if ((lead & 0xF0) == 0xE0) {
        return {3, static_cast<char32_t>(lead & 0x0F), 0x800};
    }
    if ((lead & 0xF8) == 0xF0) {
        return {4, static_cast<char32_t>(lead & 0x07), 0x10000};
    }
    return {};
}

bool IsContinuation(std::uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto lead = static_cast<std::uint8_t>(utf8[pos]);
        const SequenceShape shape = ShapeOfLeadByte(lead);
        if (shape.length == 0) {
            out.push_back(kReplacementCharacter);
            ++pos;
            continue;
        }
        char32_t value = shape.initialBits;
        int taken = 1;
        while (taken < shape.length && pos + taken < utf8.size() &&
               IsContinuation(static_cast<std::uint8_t>(utf8[pos + taken]))) {
            value = (value << 6) | (static_cast<std::uint8_t>(utf8[pos + taken]) & 0x3F);
            ++taken;
        }
        const bool complete = taken == shape.length;
        const bool valid = complete && value >= shape.minimum && value <= 0x10FFFF &&
                           !(value >= 0xD800 && value <= 0xDFFF);
        out.push_back(valid ? value : kReplacementCharacter);
        pos += static_cast<std::size_t>(taken);
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t ch) {
    if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) {
        ch = kReplacementCharacter;
    }
    if (ch < 0x80) {
        out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t ch : text) {
        AppendUtf8(out, ch);
    }
    return out;
}

}  // namespace win::text
