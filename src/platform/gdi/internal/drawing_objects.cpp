#include "platform/gdi/internal/drawing_objects.h"

namespace win::gdi {

text::FontDescription FontObject::Description() const {
    text::FontDescription description;
    description.faceName = logFont_.lfFaceName;
    description.height = logFont_.lfHeight;
    description.width = logFont_.lfWidth;
    description.weight = logFont_.lfWeight;
    description.italic = logFont_.lfItalic != 0;
    description.underline = logFont_.lfUnderline != 0;
    description.strikeOut = logFont_.lfStrikeOut != 0;
    description.charSet = logFont_.lfCharSet;
    return description;
}

const text::MatchedFont& FontObject::Matched() const {
    const std::uint64_t generation = text::TextEngineGeneration();
    if (matched_ == nullptr || matchedGeneration_ != generation) {
        matched_ = text::CurrentTextEngine().MatchFont(Description());
        matchedGeneration_ = generation;
    }
    return *matched_;
}

}  // namespace win::gdi
