#include "raster_graph_surface.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/numeric/round_half_even.h"

namespace quellan::testing {
namespace {

constexpr double kTwipsPerPixel = 15.0;

int PixelOf(double value) {
    // Far outside any test surface; keeps the raster's integers in range.
    return static_cast<int>(
        std::clamp<std::int64_t>(numeric::RoundHalfEven(value).value_or(-100000), -100000, 100000));
}

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

double RasterGraphSurface::ToPixels(double value) const {
    return scaleMode_ == kTwipScaleMode ? value / kTwipsPerPixel : value;
}

double RasterGraphSurface::ScaleWidth() const {
    return scaleMode_ == kTwipScaleMode ? width_ * kTwipsPerPixel : width_;
}

double RasterGraphSurface::ScaleHeight() const {
    return scaleMode_ == kTwipScaleMode ? height_ * kTwipsPerPixel : height_;
}

void RasterGraphSurface::BackColor(win::COLORREF vData) {
    backColor_ = vData;
    Cls();
}

void RasterGraphSurface::PixelLine(int x1, int y1, int x2, int y2, win::COLORREF colour) {
    win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, colour);
    win::HPEN previous = win::SelectObject(dc_, pen);
    win::MoveToEx(dc_, x1, y1, nullptr);
    win::LineTo(dc_, x2, y2);
    win::SetPixel(dc_, x2, y2, colour);
    win::SelectObject(dc_, previous);
    win::DeleteObject(pen);
}

void RasterGraphSurface::Line(double x1, double y1, double x2, double y2, win::COLORREF colour) {
    PixelLine(PixelOf(ToPixels(x1)), PixelOf(ToPixels(y1)), PixelOf(ToPixels(x2)),
              PixelOf(ToPixels(y2)), colour);
}

void RasterGraphSurface::Box(double x1, double y1, double x2, double y2, win::COLORREF colour) {
    const int left = PixelOf(ToPixels(x1));
    const int top = PixelOf(ToPixels(y1));
    const int right = PixelOf(ToPixels(x2));
    const int bottom = PixelOf(ToPixels(y2));
    PixelLine(left, top, right, top, colour);
    PixelLine(right, top, right, bottom, colour);
    PixelLine(right, bottom, left, bottom, colour);
    PixelLine(left, bottom, left, top, colour);
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
