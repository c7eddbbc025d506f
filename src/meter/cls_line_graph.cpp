#include "meter/cls_line_graph.h"

namespace quellan {
namespace {

constexpr int kGridColumns = 20;
constexpr int kGridRows = 10;
// The line starts two pixels in from the left whatever the border.
constexpr double kLineIndent = 2.0;

}  // namespace

void clsLineGraph::Draw() {
    if (pictureBox_ == nullptr) {
        return;
    }
    LineGraphSurface& surface = *pictureBox_;
    if (!surface.AutoRedraw()) {
        surface.AutoRedraw(true);
    }
    surface.Cls();
    const int borderStyle = surface.BorderStyle();
    PrepareSurface(surface);
    DrawBorder(surface, borderStyle);
    DrawGrid(surface);
    DrawSamples(surface);
}

void clsLineGraph::PrepareSurface(LineGraphSurface& surface) const {
    if (surface.ScaleMode() != kPixelScaleMode) {
        surface.ScaleMode(kPixelScaleMode);
    }
    if (surface.BackColor() != picBackground_) {
        surface.BackColor(picBackground_);
    }
}

void clsLineGraph::DrawBorder(LineGraphSurface& surface, int borderStyle) const {
    if (borderSize_ < 1) {
        return;
    }
    for (int i = 0; i <= borderSize_; ++i) {
        surface.Box(i, i, surface.ScaleWidth() - (i + borderStyle),
                    surface.ScaleHeight() - (i + borderStyle), borderColor_);
    }
}

void clsLineGraph::DrawGrid(LineGraphSurface& surface) const {
    if (!gridVisible_) {
        return;
    }
    const double b = borderSize_;
    // Rectangles sharing their top-left corner: together the lines and frame of the grid.
    for (int i = 1; i <= kGridColumns; ++i) {
        surface.Box(b, b, (surface.ScaleWidth() - 2 * b) / kGridColumns * i,
                    surface.ScaleHeight() - 2 * b, gridColor_);
    }
    for (int i = 1; i <= kGridRows; ++i) {
        surface.Box(b, b, surface.ScaleWidth() - 2 * b,
                    (surface.ScaleHeight() - 2 * b) / kGridRows * i, gridColor_);
    }
}

void clsLineGraph::DrawSamples(LineGraphSurface& surface) const {
    if (!dataCollection_ || dataCollection_->empty()) {
        return;
    }
    SampleCollection& samples = *dataCollection_;
    const double b = borderSize_;
    const double y1 = (surface.ScaleHeight() - 2 * b) / kShownSamples;
    const double x1 = (surface.ScaleWidth() - 2 * b) / kShownSamples;
    while (samples.size() > static_cast<std::size_t>(kShownSamples)) {
        samples.pop_front();
    }
    double x0 = b + kLineIndent;
    double y0 = (surface.ScaleHeight() - 2 * b) - y1 * samples.front();
    for (int i = 1; i <= kShownSamples; ++i) {
        if (static_cast<std::size_t>(i) > samples.size()) {
            return;  // the line ends at the last sample there is
        }
        double x = (surface.ScaleWidth() - 2 * b) - (kShownSamples + 1 - i) * x1 + kLineIndent;
        double y = (surface.ScaleHeight() - 2 * b) - y1 * samples[i - 1];
        if (x < b) {
            x = b;
        }
        if (y < b) {
            y = b;
        }
        surface.Line(x0, y0, x, y, picForeground_);
        x0 = x;
        y0 = y;
    }
}

}  // namespace quellan
