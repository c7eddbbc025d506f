#pragma once

// The line graph's surface on a form's picture box: every need maps onto a property or method.

#include "meter/line_graph_surface.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"

namespace quellan {

class FormsPictureBoxSurface : public LineGraphSurface {
public:
    explicit FormsPictureBoxSurface(win::forms::PictureBox& pictureBox) : box_(pictureBox) {}

    bool AutoRedraw() const override { return box_.AutoRedraw(); }
    void AutoRedraw(bool vData) override { box_.SetAutoRedraw(vData); }
    void Cls() override { box_.Cls(); }
    int BorderStyle() const override { return box_.BorderStyle(); }
    int ScaleMode() const override { return box_.ScaleMode(); }
    void ScaleMode(int vData) override { box_.SetScaleMode(vData); }
    double ScaleWidth() const override { return box_.ScaleWidth(); }
    double ScaleHeight() const override { return box_.ScaleHeight(); }
    win::COLORREF BackColor() const override { return box_.BackColor(); }
    void BackColor(win::COLORREF vData) override { box_.SetBackColor(vData); }
    void Line(double x1, double y1, double x2, double y2, win::COLORREF colour) override {
        box_.Line(x1, y1, x2, y2, colour);
    }
    void Box(double x1, double y1, double x2, double y2, win::COLORREF colour) override {
        box_.Box(x1, y1, x2, y2, colour);
    }

private:
    win::forms::PictureBox& box_;
};

}  // namespace quellan
