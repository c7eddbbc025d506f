// The meter's share of one sampling tick: the arithmetic, the eight label texts and the graph
// sample. The whole tick has 0.5 ms for 5 interfaces; this part should be a small fraction.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "meter/leading_number.h"
#include "meter/traffic_meter.h"

namespace {

void MeterTickWithLabels(benchmark::State& state) {
    quellan::TrafficMeter meter(quellan::NumericSeparators{".", ","});
    std::uint64_t received = 3'000'000'000;
    std::uint64_t sent = 1'000'000'000;
    for (auto _ : state) {
        received += 123'457;
        sent += 4'321;
        meter.TakeTotals({received, sent, false});
        meter.CompareWithPrevious();
        std::string recv = meter.ReceivedTotalCaption();
        std::string sentCaption = meter.SentTotalCaption();
        meter.UpdateAverages();
        std::string peaks = meter.PeakDownloadCaption() + meter.PeakUploadCaption();
        std::string averages = meter.AverageDownloadCaption() + meter.AverageUploadCaption();
        double sample = meter.GraphSample();
        std::string speeds = meter.DownloadSpeedCaption() + meter.UploadSpeedCaption();
        meter.KeepTotalsAsPrevious();
        benchmark::DoNotOptimize(recv);
        benchmark::DoNotOptimize(sentCaption);
        benchmark::DoNotOptimize(peaks);
        benchmark::DoNotOptimize(averages);
        benchmark::DoNotOptimize(sample);
        benchmark::DoNotOptimize(speeds);
    }
}
BENCHMARK(MeterTickWithLabels);

// The mini window reads both total captions back every 100 ms.
void LeadingNumberOfTotalCaption(benchmark::State& state) {
    std::string caption = "2929688 KB";
    for (auto _ : state) {
        benchmark::DoNotOptimize(quellan::LeadingNumber(caption));
    }
}
BENCHMARK(LeadingNumberOfTotalCaption);

}  // namespace

BENCHMARK_MAIN();
