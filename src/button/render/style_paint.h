#pragma once

// What every style renderer works with during one paint: the view, its surface and size, the
// draw state, and short forms of the primitives in the surface's coordinates.

#include <cstdint>

#include "button/render/button_view.h"
#include "platform/gdi/win_types.h"

namespace quellan {

class StylePaint {
public:
    StylePaint(ButtonView& view, std::int32_t drawState);

    ButtonView& view;
    const win::HDC dc;
    const int w;
    const int h;
    const std::int32_t state;
    // TranslateColor(BackColor).
    const win::COLORREF back;

    win::RECT Bounds() const { return win::RECT{0, 0, w, h}; }
    bool Disabled() const { return !view.Enabled(); }
    bool Checked() const { return view.Mode() != 0 && view.Value(); }
    bool FocusOrDefault() const { return view.HasFocus() || view.DisplayAsDefault(); }
    // round(value), halves to even.
    static int Round(double value);

    void Content() const;
    void Fill(win::COLORREF colour) const;
    void Frame(int x, int y, int width, int height, win::COLORREF colour) const;
    void Line(int x1, int y1, int x2, int y2, win::COLORREF colour) const;
    void Band(int x, int y, int width, int height, win::COLORREF start,
              win::COLORREF end) const;  // vertical
    void SideShade(int x, int y, int width, int height, win::COLORREF start,
                   win::COLORREF end) const;  // horizontal
    void Corners(win::COLORREF colour) const;
    void Edge(win::RECT rect, win::UINT edge) const;
    void FocusRect(int left, int top, int right, int bottom) const;
    void Region() const;
};

}  // namespace quellan
