#pragma once

#include "platform/gdi/gdi_handle.h"
#include "platform/gdi/win_types.h"

namespace win::controls {

struct TooltipContent {
    SIZE text;   // the text as wrapped at the maximum width
    SIZE title;  // zero when there is no title
    bool icon = false;
    bool balloon = false;
    bool rightToLeft = false;
};

// Where a tip goes and where its parts lie. Screen coordinates for `window`; the rest in window
// coordinates.
struct TooltipGeometry {
    RECT window;
    // The framed body: the whole window for a plain tip, the rounded part of a balloon.
    RECT body;
    RECT icon;
    RECT title;
    RECT text;
    // A balloon's stem: its tip touches the point the balloon speaks for.
    POINT stemTip;
    POINT stemBaseStart;
    POINT stemBaseEnd;
    bool stemOnTop = true;
};

inline constexpr int kTooltipIconSize = 16;
inline constexpr int kBalloonStemHeight = 12;
inline constexpr int kBalloonCornerDiameter = 12;
// Below the pointer, clear of the arrow's own picture.
inline constexpr int kTooltipCursorDrop = 20;

// A plain tip hangs below and to the side of the pointer; a balloon points at it with its stem.
// Either is kept inside `screen`, a balloon flipping above the point when there is no room below.
TooltipGeometry LayoutTooltip(const TooltipContent& content, POINT cursor, const RECT& screen);

// A balloon's shape: its rounded body joined with the stem. The caller owns the region.
HRGN CreateBalloonRegion(const TooltipGeometry& geometry);

}  // namespace win::controls
