#include "meter/picture_box_graph_surface.h"

#include <gtest/gtest.h>

#include <memory>

#include "meter/cls_line_graph.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/standard_controls.h"
#include "platform/gdi/gdi.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"

namespace quellan {
namespace {

constexpr char kHostClass[] = "MeterGraphHost";
constexpr win::COLORREF kGreen = 0x00FF00;
constexpr win::COLORREF kDarkCyan = 0x808000;

class PictureBoxGraphTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::InitCommonControls();
        win::WNDCLASS host;
        host.lpfnWndProc = &win::DefWindowProc;
        host.lpszClassName = kHostClass;
        win::RegisterClass(host);
        top_ = win::CreateWindowEx(0, kHostClass, "", win::WS_POPUP | win::WS_VISIBLE, 0, 0, 200,
                                   120, nullptr);
    }
    void TearDown() override {
        win::DestroyWindow(top_);
        win::UnregisterClass(kHostClass);
    }

    win::HWND Picture(win::DWORD exStyle, int width, int height) {
        return win::CreateWindowEx(exStyle, win::kPictureBoxClassName, "",
                                   win::WS_CHILD | win::WS_VISIBLE, 0, 0, width, height, top_,
                                   win::HMENU::FromValue(1));
    }

    clsLineGraph GraphOn(LineGraphSurface& surface, double sample) {
        clsLineGraph graph;
        graph.PictureBox(&surface);
        graph.DataCollection(std::make_shared<SampleCollection>(100, sample));
        graph.PicForeground(kGreen);
        graph.GridColor(kDarkCyan);
        return graph;
    }

    win::testing::HeadlessDesktop desktop_;
    win::HWND top_;
};

TEST_F(PictureBoxGraphTest, DrawsIntoThePictureBoxSurfaceAndTheDesktopShowsIt) {
    const win::HWND picture = Picture(win::WS_EX_CLIENTEDGE, 104, 54);
    PictureBoxGraphSurface surface([picture] { return picture; });
    EXPECT_EQ(surface.BorderStyle(), kSingleLineBorderStyle);
    clsLineGraph graph = GraphOn(surface, 50);
    graph.Draw();
    EXPECT_EQ(surface.ScaleMode(), kPixelScaleMode);
    EXPECT_TRUE(surface.AutoRedraw());
    ASSERT_EQ(surface.ScaleWidth(), 100);
    ASSERT_EQ(surface.ScaleHeight(), 50);

    const win::HDC drawing = win::GetPictureBoxSurface(picture);
    EXPECT_EQ(win::GetPixel(drawing, 2, 25), kGreen);
    EXPECT_EQ(win::GetPixel(drawing, 99, 25), kGreen);
    EXPECT_EQ(win::GetPixel(drawing, 1, 25), 0u);
    EXPECT_EQ(win::GetPixel(drawing, 50, 24), 0u);

    desktop_.Pump();
    // The client area starts inside the two-pixel sunken edge.
    EXPECT_EQ(desktop_.PresentedPixel(top_, 2 + 50, 2 + 25), 0x00FF00u);
    EXPECT_EQ(desktop_.PresentedPixel(top_, 2 + 50, 2 + 20), 0x000000u);
}

TEST_F(PictureBoxGraphTest, ScaleFollowsTheModeAndTheBorderFollowsTheEdge) {
    const win::HWND picture = Picture(0, 60, 30);
    PictureBoxGraphSurface surface([picture] { return picture; });
    EXPECT_EQ(surface.BorderStyle(), kNoBorderStyle);
    EXPECT_EQ(surface.ScaleMode(), kTwipScaleMode);
    EXPECT_EQ(surface.ScaleWidth(), 900);
    surface.ScaleMode(kPixelScaleMode);
    EXPECT_EQ(surface.ScaleHeight(), 30);
    surface.BackColor(0x123456);
    EXPECT_EQ(surface.BackColor(), 0x123456u);
    EXPECT_EQ(win::GetPixel(win::GetPictureBoxSurface(picture), 10, 10), 0x123456u);
}

TEST_F(PictureBoxGraphTest, RedrawingReleasesWhatItCreates) {
    const win::HWND picture = Picture(win::WS_EX_CLIENTEDGE, 104, 54);
    PictureBoxGraphSurface surface([picture] { return picture; });
    clsLineGraph graph = GraphOn(surface, 30);
    graph.GridVisible(true);
    graph.BorderSize(1);
    graph.Draw();
    desktop_.Pump();
    const win::GdiObjectCounts before = win::GdiLiveObjects();
    graph.Draw();
    desktop_.Pump();
    EXPECT_EQ(win::GdiLiveObjects(), before);
}

TEST_F(PictureBoxGraphTest, WithoutAWindowNothingIsDrawn) {
    PictureBoxGraphSurface surface([] { return win::HWND(); });
    clsLineGraph graph = GraphOn(surface, 30);
    graph.Draw();
    EXPECT_EQ(surface.ScaleWidth(), 0);
}

}  // namespace
}  // namespace quellan
