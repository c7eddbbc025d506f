#include "platform/gdi/internal/region_data.h"

#include <algorithm>
#include <limits>

#include "platform/gdi/region.h"

namespace win::gdi {

namespace {

bool Inside(RegionOp op, bool inFirst, bool inSecond) {
    switch (op) {
        case RegionOp::And:
            return inFirst && inSecond;
        case RegionOp::Or:
            return inFirst || inSecond;
        case RegionOp::Xor:
            return inFirst != inSecond;
        case RegionOp::Diff:
            return inFirst && !inSecond;
    }
    return false;
}

// Merges two run lists of one band by sweeping their edges.
void CombineRuns(std::span<const RegionRun> first, std::span<const RegionRun> second, RegionOp op,
                 std::vector<RegionRun>& out) {
    out.clear();
    std::size_t i = 0;
    std::size_t j = 0;
    bool inFirst = false;
    bool inSecond = false;
    bool inside = false;
    int start = 0;
    constexpr int kNone = std::numeric_limits<int>::max();
    while (true) {
        const int nextFirst = i < first.size() ? (inFirst ? first[i].right : first[i].left) : kNone;
        const int nextSecond =
            j < second.size() ? (inSecond ? second[j].right : second[j].left) : kNone;
        const int x = std::min(nextFirst, nextSecond);
        if (x == kNone) {
            break;
        }
        if (nextFirst == x) {
            if (inFirst) {
                ++i;
            }
            inFirst = !inFirst;
        }
        if (nextSecond == x) {
            if (inSecond) {
                ++j;
            }
            inSecond = !inSecond;
        }
        const bool nowInside = Inside(op, inFirst, inSecond);
        if (nowInside && !inside) {
            start = x;
        } else if (!nowInside && inside) {
            if (!out.empty() && out.back().right == start) {
                out.back().right = x;
            } else {
                out.push_back(RegionRun{start, x});
            }
        }
        inside = nowInside;
    }
}

}  // namespace

Region Region::FromRect(const RECT& rect) {
    Region region;
    if (rect.left < rect.right && rect.top < rect.bottom) {
        const RegionRun run{rect.left, rect.right};
        region.AppendBand(rect.top, rect.bottom, std::span<const RegionRun>(&run, 1));
    }
    return region;
}

int Region::Type() const {
    if (bands_.empty()) {
        return NULLREGION;
    }
    return IsSingleRect() ? SIMPLEREGION : COMPLEXREGION;
}

std::size_t Region::FirstBandEndingBelow(int y) const {
    const auto it =
        std::upper_bound(bands_.begin(), bands_.end(), y,
                         [](int value, const RegionBand& band) { return value < band.bottom; });
    return static_cast<std::size_t>(it - bands_.begin());
}

bool Region::Contains(int x, int y) const {
    const std::size_t b = FirstBandEndingBelow(y);
    if (b >= bands_.size() || bands_[b].top > y) {
        return false;
    }
    const auto runs = RunsOf(bands_[b]);
    const auto it =
        std::upper_bound(runs.begin(), runs.end(), x,
                         [](int value, const RegionRun& run) { return value < run.right; });
    return it != runs.end() && it->left <= x;
}

bool Region::Intersects(const RECT& rect) const {
    bool found = false;
    ForEachPieceIn(rect, [&](int, int, int, int) { found = true; });
    return found;
}

void Region::Offset(int dx, int dy) {
    for (RegionBand& band : bands_) {
        band.top += dy;
        band.bottom += dy;
    }
    for (RegionRun& run : runs_) {
        run.left += dx;
        run.right += dx;
    }
    RecomputeBox();
}

void Region::AppendBand(int top, int bottom, std::span<const RegionRun> runs) {
    if (top >= bottom || runs.empty()) {
        return;
    }
    if (!bands_.empty()) {
        RegionBand& last = bands_.back();
        if (last.bottom == top && last.runCount == runs.size() &&
            std::equal(runs.begin(), runs.end(), runs_.begin() + last.firstRun)) {
            last.bottom = bottom;
            box_.bottom = bottom;
            return;
        }
    }
    bands_.push_back(RegionBand{top, bottom, static_cast<std::uint32_t>(runs_.size()),
                                static_cast<std::uint32_t>(runs.size())});
    runs_.insert(runs_.end(), runs.begin(), runs.end());
    RecomputeBox();
}

void Region::RecomputeBox() {
    if (bands_.empty()) {
        box_ = RECT{};
        return;
    }
    box_.top = bands_.front().top;
    box_.bottom = bands_.back().bottom;
    box_.left = std::numeric_limits<int>::max();
    box_.right = std::numeric_limits<int>::min();
    for (const RegionBand& band : bands_) {
        box_.left = std::min(box_.left, runs_[band.firstRun].left);
        box_.right = std::max(box_.right, runs_[band.firstRun + band.runCount - 1].right);
    }
}

Region Region::Combine(const Region& first, const Region& second, RegionOp op) {
    Region result;
    std::vector<RegionRun> runs;
    std::size_t a = 0;
    std::size_t b = 0;
    const auto& bandsA = first.bands_;
    const auto& bandsB = second.bands_;
    // Sweep downwards over every band edge of both regions.
    int y = std::numeric_limits<int>::min();
    constexpr int kNone = std::numeric_limits<int>::max();
    while (a < bandsA.size() || b < bandsB.size()) {
        while (a < bandsA.size() && bandsA[a].bottom <= y) {
            ++a;
        }
        while (b < bandsB.size() && bandsB[b].bottom <= y) {
            ++b;
        }
        if (a >= bandsA.size() && b >= bandsB.size()) {
            break;
        }
        const bool inA = a < bandsA.size() && bandsA[a].top <= y;
        const bool inB = b < bandsB.size() && bandsB[b].top <= y;
        if (!inA && !inB) {
            const int nextA = a < bandsA.size() ? bandsA[a].top : kNone;
            const int nextB = b < bandsB.size() ? bandsB[b].top : kNone;
            y = std::min(nextA, nextB);
            continue;
        }
        int next = kNone;
        if (a < bandsA.size()) {
            next = std::min(next, inA ? bandsA[a].bottom : bandsA[a].top);
        }
        if (b < bandsB.size()) {
            next = std::min(next, inB ? bandsB[b].bottom : bandsB[b].top);
        }
        const std::span<const RegionRun> runsA =
            inA ? first.RunsOf(bandsA[a]) : std::span<const RegionRun>();
        const std::span<const RegionRun> runsB =
            inB ? second.RunsOf(bandsB[b]) : std::span<const RegionRun>();
        CombineRuns(runsA, runsB, op, runs);
        result.AppendBand(y, next, runs);
        y = next;
    }
    return result;
}

bool Region::operator==(const Region& other) const {
    if (bands_.size() != other.bands_.size() || runs_ != other.runs_) {
        return false;
    }
    for (std::size_t i = 0; i < bands_.size(); ++i) {
        if (bands_[i].top != other.bands_[i].top || bands_[i].bottom != other.bands_[i].bottom ||
            bands_[i].runCount != other.bands_[i].runCount) {
            return false;
        }
    }
    return true;
}

}  // namespace win::gdi
