#pragma once

// The line graph's surface on a picture box window: its persistent memory bitmap is drawn on
// directly and the window is invalidated, so repaints copy the drawing without redrawing it.
// Coordinates are pixels or twips as the scale mode says.

#include <functional>

#include "meter/line_graph_surface.h"
#include "platform/user/user_types.h"

namespace quellan {

class PictureBoxGraphSurface : public LineGraphSurface {
public:
    // `window` names the picture box's window as it is now (it changes with every load).
    explicit PictureBoxGraphSurface(std::function<win::HWND()> window);

    bool AutoRedraw() const override { return autoRedraw_; }
    void AutoRedraw(bool vData) override { autoRedraw_ = vData; }
    void Cls() override;
    // 1 when the window has the sunken single-line edge.
    int BorderStyle() const override;
    int ScaleMode() const override { return scaleMode_; }
    void ScaleMode(int vData) override { scaleMode_ = vData; }
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    win::COLORREF BackColor() const override;
    void BackColor(win::COLORREF vData) override;
    void Line(double x1, double y1, double x2, double y2, win::COLORREF colour) override;
    void Box(double x1, double y1, double x2, double y2, win::COLORREF colour) override;

private:
    double UnitsPerPixel() const;
    win::RECT ClientRect() const;

    std::function<win::HWND()> window_;
    bool autoRedraw_ = false;
    int scaleMode_ = kTwipScaleMode;
};

}  // namespace quellan
