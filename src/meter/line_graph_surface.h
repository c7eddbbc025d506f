#pragma once

// What the line graph needs of the picture box it draws into. Coordinates are in the surface's
// current scale unit; a line and a box include both of their end points.

#include "platform/gdi/win_types.h"

namespace quellan {

inline constexpr int kTwipScaleMode = 1;
inline constexpr int kPixelScaleMode = 3;

inline constexpr int kNoBorderStyle = 0;
inline constexpr int kSingleLineBorderStyle = 1;

class LineGraphSurface {
public:
    virtual ~LineGraphSurface() = default;

    // Persistent drawing: what is drawn survives repaints.
    virtual bool AutoRedraw() const = 0;
    virtual void AutoRedraw(bool vData) = 0;
    // Clears the drawing to the background colour.
    virtual void Cls() = 0;
    virtual int BorderStyle() const = 0;
    virtual int ScaleMode() const = 0;
    virtual void ScaleMode(int vData) = 0;
    // The inner size in the scale unit.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    virtual win::COLORREF BackColor() const = 0;
    virtual void BackColor(win::COLORREF vData) = 0;
    virtual void Line(double x1, double y1, double x2, double y2, win::COLORREF colour) = 0;
    // The outline of the rectangle with the corners (x1, y1) and (x2, y2).
    virtual void Box(double x1, double y1, double x2, double y2, win::COLORREF colour) = 0;
};

}  // namespace quellan
