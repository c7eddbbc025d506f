#pragma once

// A line-graph surface over a memory DC and bitmap, for pixel probes.

#include <string>

#include "meter/line_graph_surface.h"
#include "platform/gdi/gdi_handle.h"

namespace quellan::testing {

class RasterGraphSurface : public LineGraphSurface {
public:
    RasterGraphSurface(int width, int height, int borderStyle = kNoBorderStyle);
    ~RasterGraphSurface() override;
    RasterGraphSurface(const RasterGraphSurface&) = delete;
    RasterGraphSurface& operator=(const RasterGraphSurface&) = delete;

    bool AutoRedraw() const override { return autoRedraw_; }
    void AutoRedraw(bool vData) override { autoRedraw_ = vData; }
    void Cls() override;
    int BorderStyle() const override { return borderStyle_; }
    int ScaleMode() const override { return scaleMode_; }
    void ScaleMode(int vData) override { scaleMode_ = vData; }
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    win::COLORREF BackColor() const override { return backColor_; }
    // Erases the drawing, as on a picture box.
    void BackColor(win::COLORREF vData) override;
    void Line(double x1, double y1, double x2, double y2, win::COLORREF colour) override;
    void Box(double x1, double y1, double x2, double y2, win::COLORREF colour) override;

    // COLORREF of the pixel; CLR_INVALID outside.
    win::COLORREF Pixel(int x, int y) const;
    // One row: `mark` where the pixel is `colour`, '.' elsewhere.
    std::string Row(int y, win::COLORREF colour, char mark = '#') const;
    std::string Column(int x, win::COLORREF colour, char mark = '#') const;
    int CountOf(win::COLORREF colour) const;

private:
    double UnitsPerPixel() const;

    int width_;
    int height_;
    int borderStyle_;
    win::HDC dc_;
    win::HBITMAP bitmap_;
    win::HBITMAP previousBitmap_;
    bool autoRedraw_ = false;
    int scaleMode_ = kTwipScaleMode;
    win::COLORREF backColor_ = 0x00FFFFFF;
};

}  // namespace quellan::testing
