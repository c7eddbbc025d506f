#include "tests/support/window_soak.h"

#include <algorithm>
#include <sstream>

#include "meter/frm_bandwidth.h"
#include "platform/forms/application.h"
#include "windows/frm_right.h"

namespace quellan::testing_support {
namespace {

constexpr std::int64_t kTickMs = 100;
constexpr std::uint64_t k4G = std::uint64_t{1} << 32;
// Ticks of each cycle the removable interface is there.
constexpr std::int64_t kPresentTicks = 350;

}  // namespace

std::string Describe(const HeapCounts& heap) {
    return std::to_string(heap.blocks) + " blocks / " + std::to_string(heap.bytes) + " bytes";
}

std::string Describe(const SoakCounts& counts) {
    std::ostringstream text;
    text << "gdi " << counts.gdi.Total() << " (dc " << counts.gdi.dcs << ", bitmap "
         << counts.gdi.bitmaps << ", pen " << counts.gdi.pens << ", brush " << counts.gdi.brushes
         << ", font " << counts.gdi.fonts << ", region " << counts.gdi.regions << "), windows "
         << counts.user.windows << ", timers " << counts.user.timers << ", properties "
         << counts.user.properties << ", heap " << Describe(counts.heap);
    return text.str();
}

win::MIB_IFTABLE SoakInterfaces(std::int64_t tick) {
    auto t = static_cast<std::uint64_t>(tick);
    std::int64_t phase = tick % kSoakCycle;
    win::MIB_IFTABLE rows;
    rows.push_back(win::ScriptedRow("eth0", 2, k4G - 40'000'000 + t * 123'457,
                                    k4G - 9'000'000 + t * 31'337, "Wired"));
    rows.push_back(win::ScriptedRow("ppp0", 3, (k4G - 5'000'000 + t * 54'321) % k4G,
                                    (k4G - 700'000 + t * 4'321) % k4G, "Dial-up"));
    if (phase < kPresentTicks) {
        auto p = static_cast<std::uint64_t>(phase);
        rows.push_back(win::ScriptedRow("wlan0", 4, p * 20'000, p * 3'000, "Wireless"));
    }
    return rows;
}

WindowSoak::WindowSoak(const std::filesystem::path& folder)
    : table_(std::make_shared<win::ScriptedInterfaceTable>()) {
    win::forms::App().ResetForTesting();
    desktop_.Host().SetScreen({1280, 800}, {0, 0, 1280, 770});
    table_->SetRows(SoakInterfaces(0));
    statistics_ = std::make_unique<frmBandwidth>(table_, NumericSeparators{".", ","});
    mini_ = std::make_unique<frmRight>(*statistics_, folder / "allbandwidth.dat");
    windows_.push_back(
        {"statistics window, hidden", [](WindowSoak& soak) { soak.Statistics().Load(); }, nullptr});
    windows_.push_back({"mini window", [](WindowSoak& soak) { soak.Mini().Show(); }, nullptr});
}

WindowSoak::~WindowSoak() {
    mini_.reset();
    statistics_.reset();
    win::forms::App().ResetForTesting();
}

SoakCounts WindowSoak::Counts() const {
    return {win::GdiLiveObjects(), win::UserLiveObjectCounts(), LiveHeap()};
}

SoakResult WindowSoak::Run(std::int64_t ticks, std::int64_t warmUp) {
    for (SoakWindow& window : windows_) {
        window.load(*this);
    }
    SoakResult result;
    for (std::int64_t tick = 1; tick <= ticks; ++tick) {
        table_->SetRows(SoakInterfaces(tick));
        for (SoakWindow& window : windows_) {
            if (window.everyTick) {
                window.everyTick(*this, tick);
            }
        }
        desktop_.Advance(kTickMs);
        if (tick == warmUp) {
            result.afterWarmUp = Counts();
        }
        if (tick > warmUp && tick % kSoakCycle == 0) {
            HeapCounts now = LiveHeap();
            HeapCounts& peak = tick <= warmUp + (ticks - warmUp) / 2 ? result.heapPeakFirstHalf
                                                                     : result.heapPeakSecondHalf;
            peak = {std::max(peak.blocks, now.blocks), std::max(peak.bytes, now.bytes)};
        }
    }
    result.atEnd = Counts();
    return result;
}

}  // namespace quellan::testing_support
