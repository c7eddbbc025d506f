#include "meter/cls_line_graph.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/gdi/gdi_objects.h"
#include "raster_graph_surface.h"

namespace quellan {
namespace {

using testing::RasterGraphSurface;

constexpr win::COLORREF kBlack = 0x000000;
constexpr win::COLORREF kGreen = 0x00FF00;
constexpr win::COLORREF kRed = 0x0000FF;
constexpr win::COLORREF kDarkCyan = 0x808000;

std::shared_ptr<SampleCollection> SamplesOf(std::size_t count, double value) {
    return std::make_shared<SampleCollection>(count, value);
}

// Set up as the statistics window sets up its graph, with the grid left to each test.
clsLineGraph GraphOn(RasterGraphSurface& surface, std::shared_ptr<SampleCollection> samples,
                     bool grid = false) {
    clsLineGraph graph;
    graph.PictureBox(&surface);
    graph.DataCollection(std::move(samples));
    graph.PicBackground(kBlack);
    graph.PicForeground(kGreen);
    graph.BorderColor(kRed);
    graph.GridColor(kDarkCyan);
    graph.GridVisible(grid);
    return graph;
}

std::string Marks(int from, int to, int width) {
    std::string row(width, '.');
    for (int x = from; x <= to && x < width; ++x) {
        row[x] = '#';
    }
    return row;
}

TEST(LineGraph, FlatSamplesDrawOneRowFromTheIndentToTheRightEdge) {
    RasterGraphSurface surface(200, 100);
    clsLineGraph graph = GraphOn(surface, SamplesOf(100, 5));
    graph.Draw();
    EXPECT_EQ(surface.Row(95, kGreen), Marks(2, 199, 200));
    EXPECT_EQ(surface.CountOf(kGreen), 198);
    EXPECT_EQ(surface.CountOf(kBlack), 200 * 100 - 198);
}

TEST(LineGraph, SampleValuesMapToRowsWithZeroBelowTheSurfaceAndHighValuesHeldAtTheTop) {
    struct Case {
        double sample;
        int row;  // -1: nothing visible
    };
    for (Case c : {Case{0, -1}, Case{50, 50}, Case{100, 0}, Case{150, 0}, Case{-20, -1}}) {
        SCOPED_TRACE(c.sample);
        RasterGraphSurface surface(200, 100);
        clsLineGraph graph = GraphOn(surface, SamplesOf(100, c.sample));
        graph.Draw();
        if (c.row < 0) {
            EXPECT_EQ(surface.CountOf(kGreen), 0);
        } else {
            EXPECT_EQ(surface.Row(c.row, kGreen), Marks(2, 199, 200));
            EXPECT_EQ(surface.CountOf(kGreen), 198);
        }
    }
}

TEST(LineGraph, DrawingTrimsTheCollectionToItsNewestHundred) {
    auto samples = SamplesOf(5, 80);
    samples->insert(samples->end(), 100, 5);
    RasterGraphSurface surface(200, 100);
    clsLineGraph graph = GraphOn(surface, samples);
    graph.Draw();
    ASSERT_EQ(samples->size(), 100u);
    EXPECT_EQ(samples->front(), 5);
    EXPECT_EQ(surface.CountOf(kGreen), 198);
    EXPECT_EQ(surface.Row(95, kGreen), Marks(2, 199, 200));
}

TEST(LineGraph, NewestSampleIsTheRightmostPoint) {
    auto samples = SamplesOf(100, 0);
    samples->back() = 50;  // x = 99 * 1 + 2 on a 100-wide surface
    RasterGraphSurface surface(100, 100);
    clsLineGraph graph = GraphOn(surface, samples);
    graph.Draw();
    EXPECT_EQ(surface.Pixel(99, 50), kBlack);  // 101 is off the surface; the rise starts at 100
    EXPECT_EQ(surface.CountOf(kGreen), 0);

    samples->back() = 0;
    (*samples)[97] = 100;  // item 98 at x = 99
    graph.Draw();
    EXPECT_EQ(surface.Pixel(99, 0), kGreen);
    EXPECT_EQ(surface.Pixel(98, 50), kGreen);  // on the rise from (98, 100)
}

TEST(LineGraph, FewerThanHundredSamplesEndTheLineAtTheLastOne) {
    auto samples = SamplesOf(10, 5);
    RasterGraphSurface surface(200, 100);
    clsLineGraph graph = GraphOn(surface, samples);
    graph.Draw();
    EXPECT_EQ(surface.Row(95, kGreen), Marks(2, 20, 200));
    EXPECT_EQ(samples->size(), 10u);
}

TEST(LineGraph, GridDrawsNineteenColumnsAndNineRowsInsideItsFrame) {
    RasterGraphSurface surface(200, 100);
    clsLineGraph graph = GraphOn(surface, nullptr, true);
    graph.Draw();
    std::string columns(200, '.');
    for (int x = 0; x < 200; x += 10) {
        columns[x] = '#';
    }
    std::string rows(100, '.');
    for (int y = 0; y < 100; y += 10) {
        rows[y] = '#';
    }
    EXPECT_EQ(surface.Row(55, kDarkCyan), columns);
    EXPECT_EQ(surface.Column(15, kDarkCyan), rows);
    // The frame's right and bottom lines fall just outside a surface without a border.
    EXPECT_EQ(surface.CountOf(kDarkCyan), 20 * 100 + 10 * 200 - 20 * 10);
}

TEST(LineGraph, LineIsDrawnOverTheGrid) {
    RasterGraphSurface surface(200, 100);
    clsLineGraph graph = GraphOn(surface, SamplesOf(100, 10), true);
    graph.Draw();
    EXPECT_EQ(surface.Row(90, kGreen), Marks(2, 199, 200));
    EXPECT_EQ(surface.Pixel(0, 90), kDarkCyan);
    EXPECT_EQ(surface.Pixel(1, 90), kDarkCyan);
}

TEST(LineGraph, BorderOfTwoWithASingleLineBorderStyleInsetsGridAndLine) {
    RasterGraphSurface surface(200, 100, kSingleLineBorderStyle);
    clsLineGraph graph = GraphOn(surface, SamplesOf(100, 5), true);
    graph.BorderSize(2);
    graph.Draw();
    // Three outlines, the outermost on the last visible row and column.
    EXPECT_EQ(surface.Row(50, kRed).substr(0, 4), "##..");
    EXPECT_EQ(surface.Row(50, kRed).substr(196), ".###");
    EXPECT_EQ(surface.Column(120, kRed).substr(0, 2), "##");
    EXPECT_EQ(surface.Column(120, kRed).substr(97), "###");
    EXPECT_EQ(surface.Pixel(0, 0), kRed);
    EXPECT_EQ(surface.Pixel(199, 99), kRed);
    EXPECT_EQ(surface.Pixel(197, 97), kRed);
    // The grid's frame starts at (2, 2), over the innermost outline there.
    EXPECT_EQ(surface.Pixel(2, 50), kDarkCyan);
    EXPECT_EQ(surface.Pixel(50, 2), kDarkCyan);
    EXPECT_EQ(surface.Pixel(3, 50), kBlack);
    // Rows scale on 96 inner pixels: 5 lies at 96 - 4.8, shown on row 91.
    EXPECT_EQ(surface.Pixel(2, 91), kGreen);
    EXPECT_EQ(surface.Pixel(150, 91), kGreen);
    EXPECT_EQ(surface.Pixel(1, 91), kRed);
    EXPECT_EQ(surface.Row(92, kGreen), std::string(200, '.'));
}

TEST(LineGraph, WithoutBorderStyleTheOuterBorderLiesOffTheSurface) {
    RasterGraphSurface surface(50, 40, kNoBorderStyle);
    clsLineGraph graph = GraphOn(surface, nullptr);
    graph.BorderSize(1);
    graph.Draw();
    // Outlines to (50, 40) and (49, 39): only the inner one shows on the right and bottom.
    EXPECT_EQ(surface.Row(20, kRed), "##" + std::string(47, '.') + "#");
    EXPECT_EQ(surface.Column(25, kRed), "##" + std::string(37, '.') + "#");
}

TEST(LineGraph, PreparesTheSurfaceForPersistentPixelDrawingInTheBackgroundColour) {
    RasterGraphSurface surface(200, 100);
    ASSERT_EQ(surface.ScaleMode(), kTwipScaleMode);
    ASSERT_FALSE(surface.AutoRedraw());
    clsLineGraph graph = GraphOn(surface, SamplesOf(100, 5));
    graph.PicBackground(0x123456);
    graph.Draw();
    EXPECT_TRUE(surface.AutoRedraw());
    EXPECT_EQ(surface.ScaleMode(), kPixelScaleMode);
    EXPECT_EQ(surface.BackColor(), 0x123456u);
    EXPECT_EQ(surface.CountOf(0x123456), 200 * 100 - 198);
    EXPECT_EQ(surface.Row(95, kGreen), Marks(2, 199, 200));
}

TEST(LineGraph, EveryDrawStartsFromAClearedSurface) {
    auto samples = SamplesOf(100, 50);
    RasterGraphSurface surface(200, 100);
    clsLineGraph graph = GraphOn(surface, samples);
    graph.Draw();
    std::fill(samples->begin(), samples->end(), 5);
    graph.Draw();
    EXPECT_EQ(surface.Row(50, kGreen), std::string(200, '.'));
    EXPECT_EQ(surface.CountOf(kGreen), 198);
}

TEST(LineGraph, WithoutSurfaceNothingHappensAndWithoutSamplesOnlyTheFrameWorkIsDrawn) {
    auto samples = SamplesOf(105, 5);
    clsLineGraph detached;
    detached.DataCollection(samples);
    detached.Draw();
    EXPECT_EQ(samples->size(), 105u);

    RasterGraphSurface surface(200, 100);
    clsLineGraph graph = GraphOn(surface, std::make_shared<SampleCollection>(), true);
    graph.Draw();
    EXPECT_EQ(surface.CountOf(kGreen), 0);
    EXPECT_EQ(surface.Pixel(10, 50), kDarkCyan);
    EXPECT_EQ(surface.Pixel(11, 51), kBlack);
}

TEST(LineGraph, DrawingReleasesEveryObjectItCreates) {
    RasterGraphSurface surface(200, 100, kSingleLineBorderStyle);
    clsLineGraph graph = GraphOn(surface, SamplesOf(100, 30), true);
    graph.BorderSize(2);
    const win::GdiObjectCounts before = win::GdiLiveObjects();
    graph.Draw();
    graph.Draw();
    EXPECT_EQ(win::GdiLiveObjects(), before);
}

}  // namespace
}  // namespace quellan
