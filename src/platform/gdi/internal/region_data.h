#pragma once

// A region as y-x bands: each band covers rows [top, bottom) with sorted, disjoint, non-touching
// runs [left, right). Bands are sorted, never empty, and neighbours with equal runs are merged,
// so two equal regions have equal data.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/win_types.h"

namespace win::gdi {

struct RegionRun {
    int left = 0;
    int right = 0;
    bool operator==(const RegionRun&) const = default;
};

struct RegionBand {
    int top = 0;
    int bottom = 0;
    std::uint32_t firstRun = 0;
    std::uint32_t runCount = 0;
};

enum class RegionOp { And, Or, Xor, Diff };

class Region {
public:
    Region() = default;
    // Empty when the rectangle is.
    static Region FromRect(const RECT& rect);
    static Region Combine(const Region& first, const Region& second, RegionOp op);

    bool IsEmpty() const { return bands_.empty(); }
    bool IsSingleRect() const { return bands_.size() == 1 && runs_.size() == 1; }
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int Type() const;
    // All zero when empty.
    RECT Box() const { return box_; }

    bool Contains(int x, int y) const;
    bool Intersects(const RECT& rect) const;
    void Offset(int dx, int dy);

    std::span<const RegionBand> Bands() const { return bands_; }
    std::span<const RegionRun> RunsOf(const RegionBand& band) const {
        return std::span<const RegionRun>(runs_).subspan(band.firstRun, band.runCount);
    }

    // Calls visit(top, bottom, left, right) for every piece of the region inside `rect`, top to
    // bottom and left to right.
    template <class Visit>
    void ForEachPieceIn(const RECT& rect, Visit&& visit) const;

    // Building, top to bottom: a band must start at or below the previous band's bottom; runs
    // must be sorted and disjoint. Empty bands are dropped and equal neighbours merged.
    void AppendBand(int top, int bottom, std::span<const RegionRun> runs);

    bool operator==(const Region& other) const;

private:
    std::size_t FirstBandEndingBelow(int y) const;
    void RecomputeBox();

    std::vector<RegionBand> bands_;
    std::vector<RegionRun> runs_;
    RECT box_{};
};

template <class Visit>
void Region::ForEachPieceIn(const RECT& rect, Visit&& visit) const {
    if (rect.left >= rect.right || rect.top >= rect.bottom) {
        return;
    }
    for (std::size_t b = FirstBandEndingBelow(rect.top); b < bands_.size(); ++b) {
        const RegionBand& band = bands_[b];
        if (band.top >= rect.bottom) {
            break;
        }
        const int top = band.top > rect.top ? band.top : rect.top;
        const int bottom = band.bottom < rect.bottom ? band.bottom : rect.bottom;
        for (const RegionRun& run : RunsOf(band)) {
            if (run.right <= rect.left) {
                continue;
            }
            if (run.left >= rect.right) {
                break;
            }
            const int left = run.left > rect.left ? run.left : rect.left;
            const int right = run.right < rect.right ? run.right : rect.right;
            visit(top, bottom, left, right);
        }
    }
}

}  // namespace win::gdi
