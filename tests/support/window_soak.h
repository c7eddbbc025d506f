#pragma once

// The program's real windows on the headless desktop, run for many ticks of its virtual clock
// over an interface table whose counters grow, pass 2^32, wrap, vanish and come back. What the
// run holds (drawing objects, windows, timers, properties, heap) is taken after a warm-up and at
// the end: a run that gives back all it takes holds the same at both.
//
// The windows come from a list: each entry loads its window and may act on it every tick, so a
// window or control added later (hovered, clicked) joins the soak by adding an entry.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/gdi_objects.h"
#include "platform/net/scripted_interface_table.h"
#include "platform/user/live_objects.h"
#include "platform/user/testing/headless_desktop.h"
#include "tests/support/heap_counts.h"

namespace quellan {
class frmBandwidth;
class frmRight;
}  // namespace quellan

namespace quellan::testing_support {

struct SoakCounts {
    win::GdiObjectCounts gdi;
    win::UserLiveObjects user;
    HeapCounts heap;

    bool operator==(const SoakCounts&) const = default;
};

std::string Describe(const SoakCounts& counts);
std::string Describe(const HeapCounts& heap);

class WindowSoak;

struct SoakWindow {
    std::string name;
    std::function<void(WindowSoak&)> load;
    // Called before each tick with the tick's number; may be empty.
    std::function<void(WindowSoak&, std::int64_t tick)> everyTick;
};

struct SoakResult {
    SoakCounts afterWarmUp;
    SoakCounts atEnd;
    // The most the heap held at the cycles' ends in the first and in the second half of the run
    // after the warm-up: caches may hold a block more or less from one moment to the next, but a
    // leak makes the second half hold more.
    HeapCounts heapPeakFirstHalf;
    HeapCounts heapPeakSecondHalf;
};

// The interface table at a tick: one interface whose 64-bit counters grow past 2^32, one whose
// 32-bit-style counters wrap back through 0, and one that is removed for part of every cycle and
// comes back with fresh counters. The cycle is kSoakCycle ticks long.
inline constexpr std::int64_t kSoakCycle = 500;
win::MIB_IFTABLE SoakInterfaces(std::int64_t tick);

class WindowSoak {
public:
    // The totals file lives in `folder`.
    explicit WindowSoak(const std::filesystem::path& folder);
    ~WindowSoak();
    WindowSoak(const WindowSoak&) = delete;
    WindowSoak& operator=(const WindowSoak&) = delete;

    // The statistics window (hidden) and the mini window (shown) to begin with.
    std::vector<SoakWindow>& Windows() { return windows_; }

    // Loads every window, runs `ticks` ticks (a multiple of kSoakCycle, as is `warmUp`) and
    // takes the counts after `warmUp` ticks and at the end.
    SoakResult Run(std::int64_t ticks, std::int64_t warmUp = 1000);

    win::testing::HeadlessDesktop& Desktop() { return desktop_; }
    frmBandwidth& Statistics() { return *statistics_; }
    frmRight& Mini() { return *mini_; }

private:
    SoakCounts Counts() const;

    win::testing::HeadlessDesktop desktop_;
    std::shared_ptr<win::ScriptedInterfaceTable> table_;
    std::unique_ptr<frmBandwidth> statistics_;
    std::unique_ptr<frmRight> mini_;
    std::vector<SoakWindow> windows_;
};

}  // namespace quellan::testing_support
