#include "raster_graph_surface.h"

#include <string>

#include "meter/surface_drawing.h"
#include "platform/gdi/gdi.h"

namespace quellan::testing {
namespace {

constexpr double kTwipsPerPixel = 15.0;

}  // namespace

RasterGraphSurface::RasterGraphSurface(int width, int height, int borderStyle)
    : width_(width),
      height_(height),
      borderStyle_(borderStyle),
      dc_(win::CreateCompatibleDC(win::HDC())),
      bitmap_(win::CreateCompatibleBitmap(dc_, width, height)),
      previousBitmap_(win::SelectObject(dc_, bitmap_)) {
    Cls();
}

RasterGraphSurface::~RasterGraphSurface() {
    win::SelectObject(dc_, previousBitmap_);
    win::DeleteObject(bitmap_);
    win::DeleteDC(dc_);
}

void RasterGraphSurface::Cls() {
    win::HBRUSH brush = win::CreateSolidBrush(backColor_);
    win::RECT all{0, 0, width_, height_};
    win::FillRect(dc_, &all, brush);
    win::DeleteObject(brush);
}

double RasterGraphSurface::ScaleWidth() const {
    return width_ * UnitsPerPixel();
}

double RasterGraphSurface::ScaleHeight() const {
    return height_ * UnitsPerPixel();
}

void RasterGraphSurface::BackColor(win::COLORREF vData) {
    backColor_ = vData;
    Cls();
}

double RasterGraphSurface::UnitsPerPixel() const {
    return scaleMode_ == kTwipScaleMode ? kTwipsPerPixel : 1.0;
}

void RasterGraphSurface::Line(double x1, double y1, double x2, double y2, win::COLORREF colour) {
    DrawSurfaceLine(dc_, {x1, y1}, {x2, y2}, UnitsPerPixel(), colour);
}

void RasterGraphSurface::Box(double x1, double y1, double x2, double y2, win::COLORREF colour) {
    DrawSurfaceBox(dc_, {x1, y1}, {x2, y2}, UnitsPerPixel(), colour);
}

win::COLORREF RasterGraphSurface::Pixel(int x, int y) const {
    return win::GetPixel(dc_, x, y);
}

std::string RasterGraphSurface::Row(int y, win::COLORREF colour, char mark) const {
    std::string row;
    for (int x = 0; x < width_; ++x) {
        row += Pixel(x, y) == colour ? mark : '.';
    }
    return row;
}

std::string RasterGraphSurface::Column(int x, win::COLORREF colour, char mark) const {
    std::string column;
    for (int y = 0; y < height_; ++y) {
        column += Pixel(x, y) == colour ? mark : '.';
    }
    return column;
}

int RasterGraphSurface::CountOf(win::COLORREF colour) const {
    int count = 0;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            count += Pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

}  // namespace quellan::testing
