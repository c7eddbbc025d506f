#include "button/render/style_paint.h"

#include "button/render/button_content.h"
#include "button/render/button_region.h"
#include "button/render/colour_functions.h"
#include "button/render/drawing_primitives.h"
#include "button/render/gradient.h"
#include "platform/gdi/gdi.h"
#include "platform/numeric/round_half_even.h"

namespace quellan {

StylePaint::StylePaint(ButtonView& v, std::int32_t drawState)
    : view(v),
      dc(v.SurfaceDC()),
      w(v.ScaleWidth()),
      h(v.ScaleHeight()),
      state(drawState),
      back(TranslateColor(v.BackColor())) {}

int StylePaint::Round(double value) {
    return static_cast<int>(numeric::RoundHalfEven(value).value_or(0));
}

void StylePaint::Content() const {
    DrawButtonContent(view, state);
}

void StylePaint::Fill(win::COLORREF colour) const {
    FillRectColor(dc, colour, Bounds());
}

void StylePaint::Frame(int x, int y, int width, int height, win::COLORREF colour) const {
    FrameRectColor(dc, x, y, width, height, colour);
}

void StylePaint::Line(int x1, int y1, int x2, int y2, win::COLORREF colour) const {
    DrawLine(dc, x1, y1, x2, y2, colour);
}

void StylePaint::Band(int x, int y, int width, int height, win::COLORREF start,
                      win::COLORREF end) const {
    DrawGradient(dc, x, y, width, height, start, end, GradientDirection::Vertical);
}

void StylePaint::SideShade(int x, int y, int width, int height, win::COLORREF start,
                           win::COLORREF end) const {
    DrawGradient(dc, x, y, width, height, start, end, GradientDirection::Horizontal);
}

void StylePaint::Corners(win::COLORREF colour) const {
    SetCornerPixels(view, colour);
}

void StylePaint::Edge(win::RECT rect, win::UINT edge) const {
    win::DrawEdge(dc, &rect, edge, win::BF_RECT);
}

void StylePaint::FocusRect(int left, int top, int right, int bottom) const {
    const win::RECT rect{left, top, right, bottom};
    win::DrawFocusRect(dc, &rect);
}

void StylePaint::Region() const {
    ApplyButtonRegion(view);
}

}  // namespace quellan
