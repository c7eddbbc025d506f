#pragma once

#include <memory>

#include "platform/gdi/text/text_engine.h"

namespace win::text {

// The deterministic engine of tests and the headless host. Every face gets the same metrics,
// derived from the requested height alone:
//   cell height  = lfHeight when positive; |lfHeight| + |lfHeight| / 7 when negative;
//                  kDefaultCellHeight when zero (clamped to 1..kMaxCellHeight)
//   internal leading = cell / 8 (positive heights) or |lfHeight| / 7 (negative heights)
//   descent = cell / 5, ascent = cell - descent
//   narrow advance = lfWidth when positive, else max(1, cell / 2); wide characters twice that
//   symbol faces (SYMBOL_CHARSET or "Marlett"): every glyph is one cell-height square.
class BuiltinTextEngine final : public TextEngine {
public:
    static constexpr int kDefaultCellHeight = 16;
    static constexpr int kMaxCellHeight = 2048;

    std::shared_ptr<const MatchedFont> MatchFont(const FontDescription& font) override;
};

}  // namespace win::text
