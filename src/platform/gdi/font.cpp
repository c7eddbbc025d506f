#include "platform/gdi/font.h"

#include "platform/gdi/internal/object_table.h"

namespace win {

namespace {

// Cuts at a character boundary so the kept name stays valid UTF-8.
std::string TrimFaceName(const std::string& name) {
    if (name.size() <= kLfFaceNameMaxBytes) {
        return name;
    }
    std::size_t end = kLfFaceNameMaxBytes;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) {
        --end;
    }
    return name.substr(0, end);
}

}  // namespace

HFONT CreateFontIndirect(const LOGFONT* font) {
    if (font == nullptr) {
        return HFONT();
    }
    LOGFONT kept = *font;
    kept.lfFaceName = TrimFaceName(font->lfFaceName);
    return gdi::ObjectTable::Instance().Add(gdi::FontObject(std::move(kept)));
}

}  // namespace win
