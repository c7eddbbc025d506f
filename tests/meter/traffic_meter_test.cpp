#include "meter/traffic_meter.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace quellan {
namespace {

const NumericSeparators kChinese{".", ","};

SnapshotTotals Good(std::uint64_t received, std::uint64_t sent) {
    return {received, sent, false};
}
SnapshotTotals Failed() {
    return {0, 0, true};
}

// The meter's part of one tick, in the tick's order, without the window around it.
void Tick(TrafficMeter& meter, const SnapshotTotals& snapshot) {
    meter.TakeTotals(snapshot);
    meter.CompareWithPrevious();
    meter.UpdateAverages();
    meter.KeepTotalsAsPrevious();
}

class TrafficMeterTest : public testing::Test {
protected:
    TrafficMeter meter{kChinese};
};

TEST_F(TrafficMeterTest, FirstTickJumpsByTheWholeTotals) {
    Tick(meter, Good(1'000'000, 3000));
    EXPECT_EQ(meter.ReceivedDifference(), 1'000'000);
    EXPECT_EQ(meter.PeakDownload(), 1'000'000.0);
    EXPECT_EQ(meter.AverageDownload(), 500'000.0);
    EXPECT_EQ(meter.DownloadSpeedCaption(), "976.56 KBS ");
    EXPECT_EQ(meter.UploadSpeedCaption(), "2.93 KBS ");
}

TEST_F(TrafficMeterTest, TenKilobyteTickWithItsPeakAndAverage) {
    Tick(meter, Good(1'000'000, 0));
    ASSERT_EQ(meter.ClearPeaks(), PeakClearing::KeepClearing);
    Tick(meter, Good(1'010'240, 0));

    EXPECT_EQ(meter.ReceivedDifference(), 10240);
    EXPECT_EQ(meter.DownloadSpeedCaption(), "10.00 KBS ");
    EXPECT_EQ(meter.PeakDownload(), 10240.0);
    EXPECT_EQ(meter.PeakDownloadCaption(), "下载速率: 10.00 Kb/S");
    EXPECT_EQ(meter.AverageDownload(), (10240.0 + 500'000.0) / 2);
    EXPECT_EQ(meter.AverageDownloadCaption(), "平均下载速率: 249.14 Kb/S");
    EXPECT_EQ(meter.GraphSample(), 254.0);
    EXPECT_EQ(meter.ReceivedTotalCaption(), "987 KB");
}

TEST_F(TrafficMeterTest, PeakKeepsTheLargestDifferenceUntilCleared) {
    Tick(meter, Good(1'000'000, 0));
    Tick(meter, Good(1'010'240, 0));
    EXPECT_EQ(meter.PeakDownload(), 1'000'000.0);
}

TEST_F(TrafficMeterTest, BytesFormBelowOneKilobyte) {
    Tick(meter, Good(5000, 7000));
    Tick(meter, Good(6023, 8024));
    EXPECT_EQ(meter.DownloadSpeedCaption(), "1023 BS ");
    EXPECT_EQ(meter.UploadSpeedCaption(), "1.00 KBS ");
    Tick(meter, Good(6023, 8024));
    EXPECT_EQ(meter.DownloadSpeedCaption(), "0 BS ");
}

TEST_F(TrafficMeterTest, NegativeDifferenceLowersTheAverageButNeverThePeak) {
    Tick(meter, Good(5000, 0));
    meter.ClearPeaks();
    Tick(meter, Good(3000, 0));
    EXPECT_EQ(meter.ReceivedDifference(), -2000);
    EXPECT_EQ(meter.DownloadSpeedCaption(), "-2000 BS ");
    EXPECT_EQ(meter.PeakDownload(), 0.0);
    EXPECT_EQ(meter.AverageDownload(), (-2000.0 + 2500.0) / 2);
    EXPECT_EQ(meter.ThisRun().received, 0u);
}

TEST_F(TrafficMeterTest, TotalsInWholeKilobytes) {
    Tick(meter, Good(123'456'789, 3'000'000'000));
    EXPECT_EQ(meter.ReceivedTotalCaption(), "120563 KB");
    EXPECT_EQ(meter.SentTotalCaption(), "2929688 KB");  // above 2^31, never negative
}

TEST_F(TrafficMeterTest, DifferenceBeyondTheSignedRangeStaysZero) {
    Tick(meter, Good(std::numeric_limits<std::uint64_t>::max(), 0));
    EXPECT_EQ(meter.ReceivedDifference(), 0);
    EXPECT_EQ(meter.PeakDownload(), 0.0);
}

TEST_F(TrafficMeterTest, PeakClearingStopsForGoodAtAZeroDownloadPeak) {
    Tick(meter, Good(0, 5000));
    EXPECT_EQ(meter.ClearPeaks(), PeakClearing::StopForGood);
    EXPECT_EQ(meter.PeakUpload(), 5000.0);  // only the download peak is looked at

    Tick(meter, Good(4000, 9000));
    EXPECT_EQ(meter.ClearPeaks(), PeakClearing::KeepClearing);
    EXPECT_EQ(meter.PeakDownload(), 0.0);
    EXPECT_EQ(meter.PeakUpload(), 0.0);
}

TEST_F(TrafficMeterTest, AveragesAreNeverCleared) {
    Tick(meter, Good(4096, 2048));
    meter.ClearPeaks();
    EXPECT_EQ(meter.AverageDownload(), 2048.0);
    EXPECT_EQ(meter.AverageUploadCaption(), "平均上载速率: 1.00 Kb/S");
}

TEST_F(TrafficMeterTest, RunTrafficLeavesOutTheFirstTick) {
    Tick(meter, Good(1'000'000, 2'000'000));
    EXPECT_EQ(meter.ThisRun().received, 0u);
    Tick(meter, Good(1'000'500, 2'000'600));
    EXPECT_EQ(meter.ThisRun().received, 500u);
    EXPECT_EQ(meter.ThisRun().sent, 600u);
    Tick(meter, Good(1'001'524, 2'001'624));
    EXPECT_EQ(meter.ThisRunKilobytes(), (1524.0 + 1624.0) / 1024);
}

TEST_F(TrafficMeterTest, FailedSnapshotBetweenGoodOnes) {
    Tick(meter, Good(1000, 2000));
    Tick(meter, Good(1500, 2600));
    Tick(meter, Failed());
    EXPECT_EQ(meter.ReceivedDifference(), -1500);
    EXPECT_EQ(meter.DownloadSpeedCaption(), "-1500 BS ");
    EXPECT_EQ(meter.ReceivedTotalCaption(), "0 KB");

    Tick(meter, Good(1700, 2700));  // against zero again: a jump in the figures, not traffic
    EXPECT_EQ(meter.ReceivedDifference(), 1700);
    Tick(meter, Good(1800, 2750));

    EXPECT_EQ(meter.ThisRun().received, 500u + 100u);
    EXPECT_EQ(meter.ThisRun().sent, 600u + 50u);
}

TEST_F(TrafficMeterTest, FailedSnapshotCountsAsZeroWhateverItCarries) {
    Tick(meter, Good(1000, 1000));
    Tick(meter, {900'000, 900'000, true});
    EXPECT_EQ(meter.ReceivedTotal(), 0u);
    EXPECT_EQ(meter.ReceivedDifference(), -1000);
    EXPECT_EQ(meter.ThisRun().received, 0u);
}

TEST_F(TrafficMeterTest, FiguresFollowTheCallOrderOfTheTick) {
    // Timer1 may run in the tick's yield after the peaks were raised.
    meter.TakeTotals(Good(8192, 0));
    meter.CompareWithPrevious();
    meter.ClearPeaks();
    meter.UpdateAverages();
    EXPECT_EQ(meter.PeakDownloadCaption(), "下载速率: 0.00 Kb/S");
    EXPECT_EQ(meter.AverageDownloadCaption(), "平均下载速率: 4.00 Kb/S");
}

TEST(TotalsOfSnapshot, ReaderTotalsBecomeCounters) {
    SnapshotTotals totals = TotalsOfSnapshot(3'000'000'000.0, 18446744073709549568.0, 2);
    EXPECT_FALSE(totals.failed);
    EXPECT_EQ(totals.received, 3'000'000'000u);
    EXPECT_EQ(totals.sent, 18446744073709549568u);

    totals = TotalsOfSnapshot(1e30, -5.0, 1);
    EXPECT_EQ(totals.received, std::numeric_limits<std::uint64_t>::max());
    EXPECT_EQ(totals.sent, 0u);
    EXPECT_EQ(TotalsOfSnapshot(std::numeric_limits<double>::quiet_NaN(), 2.5, 1).received, 0u);
    EXPECT_EQ(TotalsOfSnapshot(0.0, 2.5, 1).sent, 2u);
}

TEST(TotalsOfSnapshot, SnapshotWithoutInterfacesIsAFailedOne) {
    SnapshotTotals totals = TotalsOfSnapshot(1000.0, 2000.0, 0);
    EXPECT_TRUE(totals.failed);
    EXPECT_EQ(totals.received, 0u);
    EXPECT_EQ(totals.sent, 0u);
}

TEST(TrafficMeterLocale, LabelsUseTheLocaleSeparators) {
    TrafficMeter meter(NumericSeparators{",", "."});
    Tick(meter, Good(2'560'000'000, 1536));
    EXPECT_EQ(meter.PeakDownloadCaption(), "下载速率: 2.500.000,00 Kb/S");
    EXPECT_EQ(meter.UploadSpeedCaption(), "1,50 KBS ");
    EXPECT_EQ(meter.GraphSample(), 1'250'005.0);
}

}  // namespace
}  // namespace quellan
