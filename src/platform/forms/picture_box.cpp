#include "platform/forms/picture_box.h"

#include <algorithm>

#include "platform/controls/picture_box.h"
#include "platform/forms/form.h"
#include "platform/forms/gdi_object.h"
#include "platform/forms/twips.h"
#include "platform/gdi/area_fill.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/lines.h"
#include "platform/gdi/pen.h"
#include "platform/gdi/pixel_access.h"
#include "platform/numeric/round_half_even.h"
#include "platform/user/user.h"

namespace win::forms {
namespace {

// A pen selected for one drawing step, the previous one put back afterwards.
class SelectedPen {
public:
    SelectedPen(HDC dc, COLORREF colour)
        : dc_(dc), pen_(CreatePen(PS_SOLID, 1, colour)), previous_(SelectObject(dc, pen_.Get())) {}
    ~SelectedPen() {
        if (previous_) {
            SelectObject(dc_, previous_);
        }
    }
    SelectedPen(const SelectedPen&) = delete;
    SelectedPen& operator=(const SelectedPen&) = delete;

private:
    HDC dc_;
    GdiObject<HPEN> pen_;
    HPEN previous_;
};

}  // namespace

PictureBox::PictureBox(Container& container, std::string name)
    : WindowedControl(container, std::move(name)) {
    ResetProperties();
}

void PictureBox::ResetProperties() {
    autoRedraw_ = false;
    borderStyle_ = 1;
    scaleMode_ = vbTwips;
    backColor_ = vbButtonFace;
    ResetFont();
}

DWORD PictureBox::ExStyle() const {
    return borderStyle_ == 1 ? WS_EX_CLIENTEDGE : 0;
}

void PictureBox::WindowCreated() {
    SendMessage(window_, PBM_SETBKCOLOR, TranslateColor(backColor_), 0);
}

void PictureBox::ReleaseControlWindow() {
    if (windowDc_ && window_) {
        ReleaseDC(window_, windowDc_);
    }
    windowDc_ = nullptr;
    WindowedControl::ReleaseControlWindow();
}

bool PictureBox::AutoRedraw() const {
    Touch();
    return autoRedraw_;
}

void PictureBox::SetAutoRedraw(bool autoRedraw) {
    Touch();
    autoRedraw_ = autoRedraw;
}

int PictureBox::BorderStyle() const {
    Touch();
    return borderStyle_;
}

void PictureBox::SetBorderStyle(int style) {
    Touch();
    if (style != 0 && style != 1) {
        return;
    }
    borderStyle_ = style;
    if (window_) {
        SetWindowLong(window_, GWL_EXSTYLE, static_cast<LONG>(ExStyle()));
        SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
}

int PictureBox::ScaleMode() const {
    Touch();
    return scaleMode_;
}

void PictureBox::SetScaleMode(int mode) {
    Touch();
    if (mode == vbPixels || mode == vbTwips) {
        scaleMode_ = mode;
    }
}

double PictureBox::ScaleWidth() const {
    Touch();
    RECT client{};
    GetClientRect(window_, &client);
    const int pixels = client.right - client.left;
    return scaleMode_ == vbPixels ? pixels : PixelsToTwips(pixels);
}

double PictureBox::ScaleHeight() const {
    Touch();
    RECT client{};
    GetClientRect(window_, &client);
    const int pixels = client.bottom - client.top;
    return scaleMode_ == vbPixels ? pixels : PixelsToTwips(pixels);
}

OLE_COLOR PictureBox::BackColor() const {
    Touch();
    return backColor_;
}

void PictureBox::SetBackColor(OLE_COLOR colour) {
    Touch();
    backColor_ = colour;
    if (window_) {
        SendMessage(window_, PBM_SETBKCOLOR, TranslateColor(colour), 0);
        DrawingChanged();
    }
}

HDC PictureBox::hDC() const {
    Touch();
    if (!window_) {
        return nullptr;
    }
    if (autoRedraw_) {
        return GetPictureBoxSurface(window_);
    }
    if (!windowDc_) {
        windowDc_ = GetDC(window_);
    }
    return windowDc_;
}

void PictureBox::Cls() {
    Touch();
    if (!window_) {
        return;
    }
    SendMessage(window_, PBM_CLEAR, 0, 0);
    DrawingChanged();
}

int PictureBox::ToPixels(double value) const {
    const double pixels = scaleMode_ == vbPixels ? value : value / kTwipsPerPixel;
    // Far outside any surface: clamp so the raster never sees an overflowing coordinate.
    auto rounded = quellan::numeric::RoundHalfEven(std::clamp(pixels, -1.0e6, 1.0e6));
    return rounded ? static_cast<int>(*rounded) : 0;
}

void PictureBox::Line(double x1, double y1, double x2, double y2, COLORREF colour) {
    HDC dc = hDC();
    if (!dc) {
        return;
    }
    const int fromX = ToPixels(x1);
    const int fromY = ToPixels(y1);
    const int toX = ToPixels(x2);
    const int toY = ToPixels(y2);
    {
        SelectedPen pen(dc, colour);
        MoveToEx(dc, fromX, fromY, nullptr);
        LineTo(dc, toX, toY);
    }
    // LineTo leaves out the last point; ours includes it.
    SetPixel(dc, toX, toY, colour);
    DrawingChanged();
}

void PictureBox::Box(double x1, double y1, double x2, double y2, COLORREF colour) {
    HDC dc = hDC();
    if (!dc) {
        return;
    }
    const int left = std::min(ToPixels(x1), ToPixels(x2));
    const int right = std::max(ToPixels(x1), ToPixels(x2));
    const int top = std::min(ToPixels(y1), ToPixels(y2));
    const int bottom = std::max(ToPixels(y1), ToPixels(y2));
    {
        SelectedPen pen(dc, colour);
        const HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
        const HBRUSH previous = SelectObject(dc, hollow.As<HBRUSH>());
        Rectangle(dc, left, top, right + 1, bottom + 1);
        SelectObject(dc, previous);
    }
    DrawingChanged();
}

void PictureBox::DrawingChanged() const {
    if (window_ && autoRedraw_) {
        InvalidateRect(window_, nullptr, false);
    }
}

}  // namespace win::forms
