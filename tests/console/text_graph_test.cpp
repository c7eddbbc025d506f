#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "console/terminal_text.h"
#include "console/text_graph.h"

namespace quellan::console {
namespace {

std::string Repeat(const std::string& cell, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) {
        result += cell;
    }
    return result;
}

TEST(TextGraph, IdleSamplesLieOnTheBottomAndNothingIsBlank) {
    std::vector<double> idle(100, 5.0);
    EXPECT_EQ(TextGraph(idle, 120), Repeat("▁", 100));
    std::vector<double> zeros(100, 0.0);
    EXPECT_EQ(TextGraph(zeros, 120), Repeat(" ", 100));
}

TEST(TextGraph, FixedScaleFromZeroToAHundredHeldAtTheTop) {
    std::vector<double> samples = {
        -3.0, 12.5, 50.0, 99.0, 100.0, 150.0, std::numeric_limits<double>::quiet_NaN()};
    EXPECT_EQ(TextGraph(samples, 80), " ▁▄███ ");
}

TEST(TextGraph, NarrowTerminalKeepsEveryBurstAndTheWidth) {
    std::vector<double> samples(100, 5.0);
    samples[37] = 100.0;
    std::string graph = TextGraph(samples, 30);
    EXPECT_EQ(DisplayWidth(graph), 30);
    EXPECT_NE(graph.find("█"), std::string::npos);
    EXPECT_EQ(TextGraph(samples, 0), "");
    EXPECT_EQ(TextGraph({}, 40), "");
}

TEST(TextGraph, OldestSampleOnTheLeft) {
    std::vector<double> samples(100, 5.0);
    samples.back() = 100.0;
    std::string graph = TextGraph(samples, 100);
    EXPECT_EQ(graph.rfind("█"), graph.size() - std::string("█").size());
}

}  // namespace
}  // namespace quellan::console
