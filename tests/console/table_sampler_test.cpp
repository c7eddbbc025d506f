#include <gtest/gtest.h>

#include <memory>

#include "console/table_sampler.h"
#include "platform/net/scripted_interface_table.h"

namespace quellan::console {
namespace {

const NumericSeparators kSeparators{".", ","};

win::MIB_IFTABLE TwoInterfaces(std::uint64_t loopbackIn, std::uint64_t ethernetIn,
                               std::uint64_t out) {
    return {win::ScriptedRow("lo", 1, loopbackIn, out, "lo"),
            win::ScriptedRow("eth0", 2, ethernetIn, 0, "eth0 (virtio_net)")};
}

class TableSamplerTest : public ::testing::Test {
protected:
    std::shared_ptr<win::ScriptedInterfaceTable> table_ =
        std::make_shared<win::ScriptedInterfaceTable>(TwoInterfaces(0, 0, 0));
};

TEST_F(TableSamplerTest, LoadListsTheInterfacesAndChoosesByTheSetting) {
    TableSampler absent(table_, "", kSeparators);
    EXPECT_EQ(absent.Figures().interfaceEntries,
              (std::vector<std::string>{"lo ", "eth0 (virtio_net) "}));
    EXPECT_EQ(absent.Figures().chosenEntry, 0);
    EXPECT_EQ(absent.Figures().description, "TokenRing ");
    EXPECT_EQ(absent.Figures().graphSamples, std::vector<double>(100, 0.0));

    EXPECT_EQ(TableSampler(table_, "1", kSeparators).Figures().chosenEntry, 1);
    EXPECT_EQ(TableSampler(table_, "2", kSeparators).Figures().chosenEntry, 0);
    EXPECT_EQ(TableSampler(table_, "-1", kSeparators).Figures().chosenEntry, -1);
}

TEST_F(TableSamplerTest, FiguresAreTheWindowsLabelTexts) {
    TableSampler sampler(table_, "1", kSeparators);
    table_->SetRows(TwoInterfaces(123'000'000, 456'789, 5'000));
    sampler.Tick();
    const ConsoleFigures& first = sampler.Figures();
    EXPECT_EQ(first.description, "eth0 (virtio_net) ");
    EXPECT_EQ(first.receivedTotal, "120563 KB");
    EXPECT_EQ(first.sentTotal, "5 KB");

    table_->SetRows(TwoInterfaces(123'000'000, 456'789 + 10'240, 5'000 + 1'023));
    sampler.Tick();
    const ConsoleFigures& second = sampler.Figures();
    EXPECT_EQ(second.downloadSpeed, "10.00 KBS ");
    EXPECT_EQ(second.uploadSpeed, "1023 BS ");
    EXPECT_EQ(second.peakDownload, "下载速率: 120,563.27 Kb/S");
    EXPECT_EQ(second.averageUpload, "平均上载速率: 1.72 Kb/S");
    ASSERT_EQ(second.graphSamples.size(), 100u);
    EXPECT_EQ(second.graphSamples.back(), 30150.0);  // floor(30,145.82) + 5
}

TEST_F(TableSamplerTest, ThisRunLeavesOutTheFirstTickAndTheOneAfterAFailure) {
    TableSampler sampler(table_, "", kSeparators);
    table_->SetRows(TwoInterfaces(1'000'000, 0, 0));
    sampler.Tick();
    EXPECT_EQ(sampler.ThisRunKilobytes(), 0.0);
    table_->SetRows(TwoInterfaces(1'000'000 + 2'048, 0, 1'024));
    sampler.Tick();
    EXPECT_EQ(sampler.ThisRunKilobytes(), 3.0);

    table_->SetFailure();
    sampler.Tick();
    EXPECT_TRUE(sampler.Figures().interfaceEntries.empty());
    EXPECT_EQ(sampler.Figures().chosenEntry, -1);
    EXPECT_EQ(sampler.Figures().receivedTotal, "0 KB");
    table_->SetRows(TwoInterfaces(1'000'000 + 4'096, 0, 1'024));
    sampler.Tick();
    EXPECT_EQ(sampler.ThisRunKilobytes(), 3.0);
    EXPECT_EQ(sampler.Figures().interfaceEntries.size(), 2u);
    EXPECT_EQ(sampler.Figures().chosenEntry, 0);
}

TEST_F(TableSamplerTest, ChoiceMovesWithinTheListAndTheDescriptionFollowsAtTheTick) {
    TableSampler sampler(table_, "", kSeparators);
    sampler.Tick();
    EXPECT_EQ(sampler.Figures().description, "lo ");
    sampler.MoveChoice(+1);
    sampler.MoveChoice(+1);
    EXPECT_EQ(sampler.Figures().chosenEntry, 1);
    EXPECT_EQ(sampler.Figures().description, "lo ");
    sampler.Tick();
    EXPECT_EQ(sampler.Figures().description, "eth0 (virtio_net) ");
    sampler.MoveChoice(-5);
    EXPECT_EQ(sampler.Figures().chosenEntry, 0);

    TableSampler none(table_, "-1", kSeparators);
    none.Tick();
    EXPECT_EQ(none.Figures().description, "TokenRing ");
    none.MoveChoice(-1);
    EXPECT_EQ(none.Figures().chosenEntry, 0);
}

TEST_F(TableSamplerTest, GraphKeepsTheNewestHundredSamples) {
    TableSampler sampler(table_, "", kSeparators);
    for (int i = 0; i < 150; ++i) {
        sampler.Tick();
    }
    EXPECT_EQ(sampler.Figures().graphSamples, std::vector<double>(100, 5.0));
}

}  // namespace
}  // namespace quellan::console
