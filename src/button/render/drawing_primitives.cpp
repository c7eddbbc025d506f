#include "button/render/drawing_primitives.h"

#include "platform/gdi/gdi.h"

namespace quellan {

void DrawLine(win::HDC dc, int x1, int y1, int x2, int y2, win::COLORREF colour) {
    const win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, colour);
    const win::HPEN previous = win::SelectObject(dc, pen);
    win::MoveToEx(dc, x1, y1, nullptr);
    win::LineTo(dc, x2, y2);
    if (previous) {
        win::SelectObject(dc, previous);
    }
    win::DeleteObject(pen);
}

void FrameRectColor(win::HDC dc, int x, int y, int w, int h, win::COLORREF colour) {
    const win::HBRUSH brush = win::CreateSolidBrush(colour);
    const win::RECT rect{x, y, x + w, y + h};
    win::FrameRect(dc, &rect, brush);
    win::DeleteObject(brush);
}

void FillRectColor(win::HDC dc, win::COLORREF colour, const win::RECT& rect) {
    const win::HBRUSH brush = win::CreateSolidBrush(colour);
    win::FillRect(dc, &rect, brush);
    win::DeleteObject(brush);
}

void SetCornerPixels(const ButtonView& view, win::COLORREF colour) {
    const win::HDC dc = view.SurfaceDC();
    const int w = view.ScaleWidth();
    const int h = view.ScaleHeight();
    win::SetPixel(dc, 1, 1, colour);
    win::SetPixel(dc, 1, h - 2, colour);
    win::SetPixel(dc, w - 2, 1, colour);
    win::SetPixel(dc, w - 2, h - 2, colour);
}

}  // namespace quellan
