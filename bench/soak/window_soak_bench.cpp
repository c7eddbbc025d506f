// A million ticks of the real windows on the headless desktop. Reports the time per tick and
// the counts after the first thousand ticks and at the end; fails when they differ.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <random>
#include <string>

#include "tests/support/window_soak.h"

namespace {

using quellan::testing_support::Describe;
using quellan::testing_support::SoakResult;
using quellan::testing_support::WindowSoak;

constexpr std::int64_t kTicks = 1'000'000;

void BM_WindowSoak(benchmark::State& state) {
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("quellan-soak-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(folder);
    for (auto _ : state) {
        WindowSoak soak(folder);
        SoakResult result = soak.Run(kTicks);
        std::cerr << "after 1000 ticks: " << Describe(result.afterWarmUp) << "\n"
                  << "after " << kTicks << " ticks: " << Describe(result.atEnd) << "\n"
                  << "heap peak, first half: " << Describe(result.heapPeakFirstHalf)
                  << "; second half: " << Describe(result.heapPeakSecondHalf) << "\n";
        if (!(result.atEnd.gdi == result.afterWarmUp.gdi) ||
            !(result.atEnd.user == result.afterWarmUp.user) ||
            result.heapPeakSecondHalf.blocks > result.heapPeakFirstHalf.blocks ||
            result.heapPeakSecondHalf.bytes > result.heapPeakFirstHalf.bytes) {
            state.SkipWithError("the soak ended holding more than after its warm-up");
        }
        state.counters["heap_blocks_growth"] =
            static_cast<double>(result.atEnd.heap.blocks - result.afterWarmUp.heap.blocks);
        state.counters["gdi_growth"] =
            static_cast<double>(result.atEnd.gdi.Total() - result.afterWarmUp.gdi.Total());
    }
    state.counters["ticks_per_second"] =
        benchmark::Counter(static_cast<double>(kTicks), benchmark::Counter::kIsRate);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WindowSoak)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
