#include "platform/controls/edit_layout.h"

#include <algorithm>
#include <limits>

#include "platform/gdi/font.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/text/text_engine.h"
#include "platform/gdi/text/utf8.h"

namespace win::controls {
namespace {

// The description the raster matches for this font, so widths agree with what is drawn.
text::FontDescription DescriptionOf(HFONT font) {
    LOGFONT logFont;
    GetObject(font, &logFont);
    text::FontDescription description;
    description.faceName = logFont.lfFaceName;
    description.height = logFont.lfHeight;
    description.width = logFont.lfWidth;
    description.weight = logFont.lfWeight;
    description.italic = logFont.lfItalic != 0;
    description.underline = logFont.lfUnderline != 0;
    description.strikeOut = logFont.lfStrikeOut != 0;
    description.charSet = logFont.lfCharSet;
    return description;
}

}  // namespace

LineMeasure::LineMeasure(HFONT font, std::u32string_view text) {
    const auto matched = text::CurrentTextEngine().MatchFont(DescriptionOf(font));
    std::vector<int> advances;
    matched->Advances(text::EncodeUtf8(text), advances);
    offsets_.reserve(text.size() + 1);
    offsets_.push_back(0);
    long long pen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int advance = i < advances.size() ? std::max(0, advances[i]) : 0;
        pen = std::min<long long>(pen + advance, std::numeric_limits<int>::max());
        offsets_.push_back(static_cast<int>(pen));
    }
}

int LineMeasure::OffsetOf(std::size_t position) const {
    return offsets_[std::min(position, offsets_.size() - 1)];
}

std::size_t LineMeasure::PositionAt(int x) const {
    const auto first = std::lower_bound(offsets_.begin(), offsets_.end(), x);
    if (first == offsets_.end()) {
        return offsets_.size() - 1;
    }
    const auto position = static_cast<std::size_t>(first - offsets_.begin());
    if (position > 0 && x - offsets_[position - 1] < *first - x) {
        return position - 1;
    }
    return position;
}

std::size_t LineMeasure::PositionBefore(int x) const {
    const auto after = std::upper_bound(offsets_.begin(), offsets_.end(), x);
    return after == offsets_.begin() ? 0 : static_cast<std::size_t>(after - offsets_.begin()) - 1;
}

int ScrollToShow(int caretOffset, int scroll, int visibleWidth) {
    const int width = std::max(visibleWidth, 1);
    const int step = std::max(width / 4, 1);
    if (caretOffset < scroll) {
        return std::max(0, caretOffset - step);
    }
    if (caretOffset >= scroll + width) {
        return caretOffset - width + step;
    }
    return scroll;
}

}  // namespace win::controls
