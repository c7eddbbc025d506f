#include "platform/gdi/text/text_engine.h"

#include <algorithm>
#include <utility>

#include "platform/gdi/text/builtin_text_engine.h"

namespace win::text {

CoverageMask::CoverageMask(int left, int top, int width, int height, std::span<std::uint8_t> alpha)
    : left_(left),
      top_(top),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      alpha_(alpha) {
    if (static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) > alpha_.size()) {
        width_ = 0;
        height_ = 0;
    }
}

void CoverageMask::Cover(int x, int y, std::uint8_t coverage) {
    if (x < left_ || y < top_ || x - left_ >= width_ || y - top_ >= height_) {
        return;
    }
    std::uint8_t& cell = alpha_[static_cast<std::size_t>(y - top_) * width_ + (x - left_)];
    cell = std::max(cell, coverage);
}

void CoverageMask::CoverRect(int left, int top, int right, int bottom, std::uint8_t coverage) {
    const int x0 = std::max(left, left_);
    const int y0 = std::max(top, top_);
    const int x1 = std::min(right, left_ + width_);
    const int y1 = std::min(bottom, top_ + height_);
    for (int y = y0; y < y1; ++y) {
        std::uint8_t* row = alpha_.data() + static_cast<std::size_t>(y - top_) * width_;
        for (int x = x0; x < x1; ++x) {
            row[x - left_] = std::max(row[x - left_], coverage);
        }
    }
}

std::uint8_t CoverageMask::At(int x, int y) const {
    if (x < left_ || y < top_ || x - left_ >= width_ || y - top_ >= height_) {
        return 0;
    }
    return alpha_[static_cast<std::size_t>(y - top_) * width_ + (x - left_)];
}

namespace {

struct EngineSlot {
    std::shared_ptr<TextEngine> engine = std::make_shared<BuiltinTextEngine>();
    std::uint64_t generation = 1;
};

EngineSlot& Slot() {
    static EngineSlot slot;
    return slot;
}

}  // namespace

TextEngine& CurrentTextEngine() {
    return *Slot().engine;
}

void SetCurrentTextEngine(std::shared_ptr<TextEngine> engine) {
    EngineSlot& slot = Slot();
    slot.engine = engine ? std::move(engine) : std::make_shared<BuiltinTextEngine>();
    ++slot.generation;
}

std::uint64_t TextEngineGeneration() {
    return Slot().generation;
}

}  // namespace win::text
