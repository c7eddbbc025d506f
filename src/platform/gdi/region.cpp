#include "platform/gdi/region.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/internal/object_table.h"
#include "platform/gdi/internal/round_rect_shape.h"

namespace win {

namespace {

using gdi::ObjectTable;
using gdi::Region;
using gdi::RegionObject;

constexpr int kMaxEllipseAxis = 32768;

int Clamp(int value) {
    return std::clamp(value, -kRegionCoordinateLimit, kRegionCoordinateLimit);
}

RECT Ordered(int left, int top, int right, int bottom) {
    return RECT{Clamp(std::min(left, right)), Clamp(std::min(top, bottom)),
                Clamp(std::max(left, right)), Clamp(std::max(top, bottom))};
}

RegionObject* Find(HRGN region) {
    return ObjectTable::Instance().Find<RegionObject>(region);
}

HRGN Add(Region region) {
    return ObjectTable::Instance().Add(RegionObject{std::move(region)});
}

// The pixels a round shape covers: one less on the right and bottom than the corners passed.
RECT ShapeBox(int left, int top, int right, int bottom) {
    RECT box = Ordered(left, top, right, bottom);
    box.right = std::max(box.left, box.right - 1);
    box.bottom = std::max(box.top, box.bottom - 1);
    return box;
}

bool IsEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return Add(Region::FromRect(Ordered(left, top, right, bottom)));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    if (rect == nullptr) {
        return HRGN();
    }
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight) {
    const long long ew = std::llabs(ellipseWidth);
    const long long eh = std::llabs(ellipseHeight);
    if (ew > kMaxEllipseAxis || eh > kMaxEllipseAxis) {
        return HRGN();
    }
    const RECT box = ShapeBox(left, top, right, bottom);
    if (IsEmpty(box)) {
        return Add(Region());
    }
    return Add(gdi::RoundRectShape(box, static_cast<int>(ew), static_cast<int>(eh)));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    const RECT box = ShapeBox(left, top, right, bottom);
    if (IsEmpty(box)) {
        return Add(Region());
    }
    if (box.right - box.left > kMaxEllipseAxis || box.bottom - box.top > kMaxEllipseAxis) {
        return HRGN();
    }
    return Add(gdi::EllipseShape(box));
}

int CombineRgn(HRGN destination, HRGN first, HRGN second, int mode) {
    RegionObject* target = Find(destination);
    const RegionObject* a = Find(first);
    if (target == nullptr || a == nullptr || mode < RGN_AND || mode > RGN_COPY) {
        return ERROR;
    }
    if (mode == RGN_COPY) {
        target->region = a->region;
        return target->region.Type();
    }
    const RegionObject* b = Find(second);
    if (b == nullptr) {
        return ERROR;
    }
    static constexpr gdi::RegionOp kOps[] = {gdi::RegionOp::And, gdi::RegionOp::Or,
                                             gdi::RegionOp::Xor, gdi::RegionOp::Diff};
    target->region = Region::Combine(a->region, b->region, kOps[mode - RGN_AND]);
    return target->region.Type();
}

bool SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
    RegionObject* target = Find(region);
    if (target == nullptr) {
        return false;
    }
    target->region = Region::FromRect(Ordered(left, top, right, bottom));
    return true;
}

int OffsetRgn(HRGN region, int dx, int dy) {
    RegionObject* target = Find(region);
    if (target == nullptr) {
        return ERROR;
    }
    if (target->region.IsEmpty()) {
        return NULLREGION;
    }
    const RECT box = target->region.Box();
    const auto outside = [](std::int64_t value) {
        return value < -kRegionCoordinateLimit || value > kRegionCoordinateLimit;
    };
    if (outside(std::int64_t{box.left} + dx) || outside(std::int64_t{box.right} + dx) ||
        outside(std::int64_t{box.top} + dy) || outside(std::int64_t{box.bottom} + dy)) {
        return ERROR;
    }
    target->region.Offset(dx, dy);
    return target->region.Type();
}

bool PtInRegion(HRGN region, int x, int y) {
    const RegionObject* target = Find(region);
    return target != nullptr && target->region.Contains(x, y);
}

bool RectInRegion(HRGN region, const RECT* rect) {
    const RegionObject* target = Find(region);
    if (target == nullptr || rect == nullptr) {
        return false;
    }
    return target->region.Intersects(Ordered(rect->left, rect->top, rect->right, rect->bottom));
}

bool EqualRgn(HRGN first, HRGN second) {
    const RegionObject* a = Find(first);
    const RegionObject* b = Find(second);
    return a != nullptr && b != nullptr && a->region == b->region;
}

int GetRgnBox(HRGN region, RECT* box) {
    const RegionObject* target = Find(region);
    if (target == nullptr || box == nullptr) {
        return ERROR;
    }
    *box = target->region.Box();
    return target->region.Type();
}

std::vector<RegionSpan> GetRegionSpans(HRGN region, const RECT* within) {
    std::vector<RegionSpan> spans;
    const RegionObject* target = Find(region);
    if (target == nullptr) {
        return spans;
    }
    const RECT everything{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    const RECT bounds = within != nullptr ? *within : everything;
    std::size_t total = 0;
    target->region.ForEachPieceIn(bounds, [&](int top, int bottom, int, int) {
        total += static_cast<std::size_t>(bottom - top);
    });
    if (total > kMaxRegionSpans) {
        return spans;
    }
    spans.reserve(total);
    // Pieces come band by band; within a band, every row lists the band's runs in order.
    std::vector<RegionSpan> band;
    int bandTop = 0;
    int bandBottom = 0;
    auto flush = [&] {
        for (int y = bandTop; y < bandBottom; ++y) {
            for (const RegionSpan& run : band) {
                spans.push_back(RegionSpan{y, run.left, run.right});
            }
        }
        band.clear();
    };
    target->region.ForEachPieceIn(bounds, [&](int top, int bottom, int left, int right) {
        if (!band.empty() && top != bandTop) {
            flush();
        }
        bandTop = top;
        bandBottom = bottom;
        band.push_back(RegionSpan{top, left, right});
    });
    flush();
    return spans;
}

std::vector<RECT> GetRegionRects(HRGN region) {
    std::vector<RECT> rects;
    const RegionObject* target = Find(region);
    if (target == nullptr) {
        return rects;
    }
    for (const gdi::RegionBand& band : target->region.Bands()) {
        for (const gdi::RegionRun& run : target->region.RunsOf(band)) {
            rects.push_back(RECT{run.left, band.top, run.right, band.bottom});
        }
    }
    return rects;
}

}  // namespace win
