#pragma once

// The objects behind pen, brush, font and region handles.

#include <cstdint>
#include <memory>

#include "platform/gdi/brush.h"
#include "platform/gdi/font.h"
#include "platform/gdi/internal/region_data.h"
#include "platform/gdi/pen.h"
#include "platform/gdi/text/text_engine.h"

namespace win::gdi {

struct PenObject {
    LOGPEN logPen;
    bool DrawsNothing() const { return logPen.lopnStyle == PS_NULL; }
};

struct BrushObject {
    LOGBRUSH logBrush;
    bool DrawsNothing() const { return logBrush.lbStyle == BS_NULL; }
};

class FontObject {
public:
    explicit FontObject(LOGFONT logFont) : logFont_(std::move(logFont)) {}

    const LOGFONT& LogFont() const { return logFont_; }
    text::FontDescription Description() const;
    // Matched by the current text engine; kept until the engine is replaced.
    const text::MatchedFont& Matched() const;

private:
    LOGFONT logFont_;
    mutable std::shared_ptr<const text::MatchedFont> matched_;
    mutable std::uint64_t matchedGeneration_ = 0;
};

struct RegionObject {
    Region region;
};

}  // namespace win::gdi
