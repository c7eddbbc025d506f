#pragma once

// A picture box ("PictureBox") to draw on: a persistent surface while AutoRedraw is on, the
// window itself otherwise. Coordinates are in the scale unit (pixels or twips) and may be
// fractional; pixel positions round half to even. A line and a box include both end points.

#include <string>

#include "platform/forms/windowed_control.h"
#include "platform/gdi/sys_color.h"

namespace win::forms {

inline constexpr int vbTwips = 1;
inline constexpr int vbPixels = 3;

class PictureBox : public WindowedControl {
public:
    PictureBox(Container& container, std::string name);

    bool AutoRedraw() const;
    void SetAutoRedraw(bool autoRedraw);
    // 0 none, 1 a single sunken edge.
    int BorderStyle() const;
    void SetBorderStyle(int style);
    int ScaleMode() const;
    // vbPixels or vbTwips; anything else is refused.
    void SetScaleMode(int mode);
    // The inner size in the scale unit.
    double ScaleWidth() const;
    double ScaleHeight() const;
    OLE_COLOR BackColor() const;
    // Also clears the drawing, as a new background does.
    void SetBackColor(OLE_COLOR colour);

    void Cls();
    void Line(double x1, double y1, double x2, double y2, COLORREF colour);
    // The outline of the rectangle with corners (x1, y1) and (x2, y2).
    void Box(double x1, double y1, double x2, double y2, COLORREF colour);

    // Where drawing goes now: the persistent surface or the window's own DC.
    HDC hDC() const;

protected:
    void ResetProperties() override;
    std::string_view ClassName() const override { return "PictureBox"; }
    DWORD Style() const override { return 0; }
    DWORD ExStyle() const override;
    bool CanTakeFocus() const override { return false; }
    void WindowCreated() override;
    void ReleaseControlWindow() override;

private:
    int ToPixels(double value) const;
    // Drawing outside WM_PAINT must reach the screen after this batch.
    void DrawingChanged() const;

    bool autoRedraw_ = false;
    int borderStyle_ = 1;
    int scaleMode_ = vbTwips;
    OLE_COLOR backColor_ = vbButtonFace;
    mutable HDC windowDc_;
};

}  // namespace win::forms
