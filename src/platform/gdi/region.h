#pragma once

// Regions: sets of pixels kept as horizontal bands of runs.

#include <vector>

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win {

inline constexpr int ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

inline constexpr int RGN_AND = 1;
inline constexpr int RGN_OR = 2;
inline constexpr int RGN_XOR = 3;
inline constexpr int RGN_DIFF = 4;
inline constexpr int RGN_COPY = 5;

// Coordinates are clamped to ±2^27, the range regions can hold.
inline constexpr int kRegionCoordinateLimit = 1 << 27;

// The corners may come in any order.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
// The box is (left, top, right - 1, bottom - 1): callers that want a shape of width w pass w + 1.
// Each corner is a quarter of an ellipse of ellipseWidth × ellipseHeight (clamped to the box):
// a pixel of a corner is inside when its centre lies within the ellipse through the centres of the
// corner's outermost pixels. Either axis below 2 gives a plain rectangle. Corner ellipses over
// 32768 pixels fail.
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight);
// The round rectangle whose corner ellipse is the whole box.
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);

// Sets `destination` (which must exist; it may be one of the sources) and returns its type.
int CombineRgn(HRGN destination, HRGN first, HRGN second, int mode);
bool SetRectRgn(HRGN region, int left, int top, int right, int bottom);
int OffsetRgn(HRGN region, int dx, int dy);
bool PtInRegion(HRGN region, int x, int y);
bool RectInRegion(HRGN region, const RECT* rect);
bool EqualRgn(HRGN first, HRGN second);
// The bounding box, all zero for an empty region; returns the type.
int GetRgnBox(HRGN region, RECT* box);

// One run of a region's row y: pixels left <= x < right.
struct RegionSpan {
    int y = 0;
    int left = 0;
    int right = 0;
    bool operator==(const RegionSpan&) const = default;
};
// The region row by row from the top, runs left to right: what a host needs to shape a window.
// With `within`, only the part inside that rectangle. A region of more than kMaxRegionSpans
// runs gives none rather than exhausting memory.
inline constexpr std::size_t kMaxRegionSpans = std::size_t{1} << 24;
std::vector<RegionSpan> GetRegionSpans(HRGN region, const RECT* within = nullptr);
// The region as y-x banded rectangles, top to bottom and left to right.
std::vector<RECT> GetRegionRects(HRGN region);

}  // namespace win
