#pragma once

// A scrolling line graph of the newest 100 numbers of a collection, scaled 0 at the bottom to
// 100 at the top, over a background, an optional border and an optional 20 × 10 grid. The graph
// owns neither the surface nor the collection; drawing trims the collection to 100 samples, which
// is what makes the data scroll.

#include <cstdint>
#include <deque>
#include <memory>
#include <utility>

#include "meter/line_graph_surface.h"
#include "platform/gdi/win_types.h"

namespace quellan {

// Oldest first; the graph's item i is element i - 1.
using SampleCollection = std::deque<double>;

// How many samples the graph shows, and so how many the statistics window keeps.
inline constexpr int kShownSamples = 100;

class clsLineGraph {
public:
    void GridColor(win::COLORREF vData) { gridColor_ = vData; }
    win::COLORREF GridColor() const { return gridColor_; }
    void GridVisible(bool vData) { gridVisible_ = vData; }
    bool GridVisible() const { return gridVisible_; }
    void BorderColor(win::COLORREF vData) { borderColor_ = vData; }
    win::COLORREF BorderColor() const { return borderColor_; }
    // Border width in pixels, and the inset of grid and data.
    void BorderSize(std::int16_t vData) { borderSize_ = vData; }
    std::int16_t BorderSize() const { return borderSize_; }
    void PicForeground(win::COLORREF vData) { picForeground_ = vData; }
    win::COLORREF PicForeground() const { return picForeground_; }
    void PicBackground(win::COLORREF vData) { picBackground_ = vData; }
    win::COLORREF PicBackground() const { return picBackground_; }
    void DataCollection(std::shared_ptr<SampleCollection> vData) {
        dataCollection_ = std::move(vData);
    }
    const std::shared_ptr<SampleCollection>& DataCollection() const { return dataCollection_; }
    void PictureBox(LineGraphSurface* vData) { pictureBox_ = vData; }
    LineGraphSurface* PictureBox() const { return pictureBox_; }

    // Redraws everything from a cleared surface. Without a surface nothing happens; without
    // samples the drawing ends after the grid; with fewer than 100 samples the line ends at the
    // last one.
    void Draw();

private:
    void PrepareSurface(LineGraphSurface& surface) const;
    void DrawBorder(LineGraphSurface& surface, int borderStyle) const;
    void DrawGrid(LineGraphSurface& surface) const;
    void DrawSamples(LineGraphSurface& surface) const;

    LineGraphSurface* pictureBox_ = nullptr;
    std::shared_ptr<SampleCollection> dataCollection_;
    win::COLORREF picBackground_ = 0;
    win::COLORREF picForeground_ = 0;
    std::int16_t borderSize_ = 0;
    win::COLORREF borderColor_ = 0;
    bool gridVisible_ = false;
    win::COLORREF gridColor_ = 0;
};

}  // namespace quellan
