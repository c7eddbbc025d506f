#include "meter/picture_box_graph_surface.h"

#include <utility>

#include "meter/surface_drawing.h"
#include "platform/controls/picture_box.h"
#include "platform/user/user.h"

namespace quellan {
namespace {

constexpr double kTwipsPerPixel = 15.0;

}  // namespace

PictureBoxGraphSurface::PictureBoxGraphSurface(std::function<win::HWND()> window)
    : window_(std::move(window)) {}

void PictureBoxGraphSurface::Cls() {
    win::SendMessage(window_(), win::PBM_CLEAR, 0, 0);
}

int PictureBoxGraphSurface::BorderStyle() const {
    const auto exStyle = win::GetWindowLongPtr(window_(), win::GWL_EXSTYLE);
    return (exStyle & win::WS_EX_CLIENTEDGE) != 0 ? kSingleLineBorderStyle : kNoBorderStyle;
}

double PictureBoxGraphSurface::UnitsPerPixel() const {
    return scaleMode_ == kTwipScaleMode ? kTwipsPerPixel : 1.0;
}

win::RECT PictureBoxGraphSurface::ClientRect() const {
    win::RECT client;
    win::GetClientRect(window_(), &client);
    return client;
}

double PictureBoxGraphSurface::ScaleWidth() const {
    return ClientRect().right * UnitsPerPixel();
}

double PictureBoxGraphSurface::ScaleHeight() const {
    return ClientRect().bottom * UnitsPerPixel();
}

win::COLORREF PictureBoxGraphSurface::BackColor() const {
    return static_cast<win::COLORREF>(win::SendMessage(window_(), win::PBM_GETBKCOLOR, 0, 0));
}

void PictureBoxGraphSurface::BackColor(win::COLORREF vData) {
    win::SendMessage(window_(), win::PBM_SETBKCOLOR, vData, 0);
}

void PictureBoxGraphSurface::Line(double x1, double y1, double x2, double y2,
                                  win::COLORREF colour) {
    const win::HWND window = window_();
    if (win::HDC surface = win::GetPictureBoxSurface(window)) {
        DrawSurfaceLine(surface, {x1, y1}, {x2, y2}, UnitsPerPixel(), colour);
        win::InvalidateRect(window, nullptr, false);
    }
}

void PictureBoxGraphSurface::Box(double x1, double y1, double x2, double y2, win::COLORREF colour) {
    const win::HWND window = window_();
    if (win::HDC surface = win::GetPictureBoxSurface(window)) {
        DrawSurfaceBox(surface, {x1, y1}, {x2, y2}, UnitsPerPixel(), colour);
        win::InvalidateRect(window, nullptr, false);
    }
}

}  // namespace quellan
