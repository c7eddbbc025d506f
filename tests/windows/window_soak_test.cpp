// The real windows over ten thousand ticks of changing interfaces hold no more at the end than
// after the first thousand.

#include <gtest/gtest.h>

#include <string>

#include "meter/frm_bandwidth.h"
#include "platform/files/temporary_folder.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/user/live_objects.h"
#include "platform/user/user.h"
#include "tests/support/window_soak.h"
#include "windows/frm_right.h"

namespace quellan::testing_support {
namespace {

constexpr std::int64_t kTicks = 10'000;
// The text engine's and the windows' caches hold a block more or less from tick to tick.
constexpr std::int64_t kHeapJitterBlocks = 2;

class WindowSoakTest : public TemporaryFolderTest {};

TEST_F(WindowSoakTest, TenThousandTicksGiveBackAllTheyTake) {
    WindowSoak soak(Folder());
    SoakResult result = soak.Run(kTicks);
    const std::string figures = "after warm-up: " + Describe(result.afterWarmUp) +
                                "\nat the end:    " + Describe(result.atEnd) +
                                "\nheap peaks:    " + Describe(result.heapPeakFirstHalf) +
                                " then " + Describe(result.heapPeakSecondHalf);
    EXPECT_EQ(result.atEnd.gdi, result.afterWarmUp.gdi) << figures;
    EXPECT_EQ(result.atEnd.user, result.afterWarmUp.user) << figures;
    EXPECT_LE(result.heapPeakSecondHalf.blocks, result.heapPeakFirstHalf.blocks) << figures;
    EXPECT_LE(result.heapPeakSecondHalf.bytes, result.heapPeakFirstHalf.bytes) << figures;
    EXPECT_NEAR(result.atEnd.heap.blocks, result.afterWarmUp.heap.blocks, kHeapJitterBlocks)
        << figures;
    // The run did what a soak is for: both windows exist, the mini window shows and draws.
    EXPECT_EQ(result.atEnd.user.windows, result.afterWarmUp.user.windows);
    EXPECT_GE(result.atEnd.user.windows, 2);
    EXPECT_GE(result.atEnd.user.timers, 2);
    EXPECT_TRUE(win::IsWindowVisible(soak.Mini().hWnd()));
    EXPECT_FALSE(win::IsWindowVisible(soak.Statistics().hWnd()));
}

// Building the windows, running them and tearing them down again leaves nothing behind: the
// second and third rounds end holding what the first ended holding.
TEST_F(WindowSoakTest, BuiltAndTornDownAgainTheWindowsLeaveNothingBehind) {
    auto round = [&] {
        {
            WindowSoak soak(Folder());
            soak.Run(kSoakCycle, kSoakCycle);
        }
        return SoakCounts{win::GdiLiveObjects(), win::UserLiveObjectCounts(), LiveHeap()};
    };
    const SoakCounts first = round();
    for (int i = 0; i < 2; ++i) {
        const SoakCounts again = round();
        const std::string figures = "first: " + Describe(first) + "\nagain: " + Describe(again);
        EXPECT_EQ(again.gdi, first.gdi) << figures;
        EXPECT_EQ(again.user, first.user) << figures;
        EXPECT_NEAR(again.heap.blocks, first.heap.blocks, kHeapJitterBlocks) << figures;
    }
}

TEST(SoakInterfaces, CountersPassAndWrapAtFourGigabytesAndOneInterfaceComesAndGoes) {
    constexpr std::uint64_t k4G = std::uint64_t{1} << 32;
    bool passed = false;
    bool wrapped = false;
    bool removed = false;
    bool returned = false;
    win::MIB_IFTABLE previous = SoakInterfaces(0);
    for (std::int64_t tick = 1; tick <= 2 * kSoakCycle; ++tick) {
        win::MIB_IFTABLE rows = SoakInterfaces(tick);
        passed = passed || (previous[0].InOctets < k4G && rows[0].InOctets >= k4G);
        wrapped = wrapped || rows[1].InOctets < previous[1].InOctets;
        removed = removed || rows.size() < previous.size();
        returned = returned || rows.size() > previous.size();
        previous = rows;
    }
    EXPECT_TRUE(passed);
    EXPECT_TRUE(wrapped);
    EXPECT_TRUE(removed);
    EXPECT_TRUE(returned);
    EXPECT_EQ(SoakInterfaces(kSoakCycle).size(), SoakInterfaces(0).size());
}

}  // namespace
}  // namespace quellan::testing_support
