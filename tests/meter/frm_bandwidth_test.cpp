#include "meter/frm_bandwidth.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/forms/application.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/net/scripted_interface_table.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"

namespace quellan {
namespace {

using win::ScriptedRow;

// Settings live under a private config folder for each test.
class PrivateSettings {
public:
    PrivateSettings() {
        std::random_device random;
        root_ = std::filesystem::temp_directory_path() /
                ("quellan-meter-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(root_ / "Quellan");
        const char* previous = std::getenv("XDG_CONFIG_HOME");
        if (previous != nullptr) {
            previous_ = previous;
        }
        setenv("XDG_CONFIG_HOME", root_.c_str(), 1);
    }
    ~PrivateSettings() {
        if (previous_) {
            setenv("XDG_CONFIG_HOME", previous_->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    PrivateSettings(const PrivateSettings&) = delete;
    PrivateSettings& operator=(const PrivateSettings&) = delete;

    void StoreConnection(const std::string& text) const {
        std::ofstream(root_ / "Quellan" / "settings.ini")
            << "[Setting]\nConnection=" << text << "\n";
    }

private:
    std::filesystem::path root_;
    std::optional<std::string> previous_;
};

class BandwidthWindowTest : public ::testing::Test {
protected:
    BandwidthWindowTest() { win::forms::App().ResetForTesting(); }

    frmBandwidth& Window(NumericSeparators separators = {".", ","}) {
        window_ = std::make_unique<frmBandwidth>(table_, std::move(separators));
        return *window_;
    }
    void TwoAdapters(std::uint64_t received, std::uint64_t sent = 0) {
        table_->SetRows({ScriptedRow("eth0", 2, received, sent, "ABC"),
                         ScriptedRow("wlan0", 3, 0, 0, "Wireless")});
    }
    // The tick re-arms its timer at its end, so ticks come 100 ms apart.
    void Ticks(int count) { desktop_.Advance(100 * count); }

    win::testing::HeadlessDesktop desktop_;
    PrivateSettings settings_;
    std::shared_ptr<win::ScriptedInterfaceTable> table_ =
        std::make_shared<win::ScriptedInterfaceTable>();
    std::unique_ptr<frmBandwidth> window_;
};

TEST_F(BandwidthWindowTest, BeforeTheFirstTickTheDesignCaptionsShowAndTheListIsFilled) {
    TwoAdapters(1'000'000);
    frmBandwidth& window = Window();
    window.Load();
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(window.Caption(), "Quellan详细信息");
    EXPECT_EQ(window.lblType.Caption(), "TokenRing ");
    EXPECT_EQ(window.lblDownloadSpeedTop.Caption(), "下载速率:");
    EXPECT_EQ(window.Label2.Caption(), " 接收字节:");
    ASSERT_EQ(window.cboConnectionType.ListCount(), 2);
    EXPECT_EQ(window.cboConnectionType.List(0), "ABC ");
    EXPECT_EQ(window.cboConnectionType.List(1), "Wireless ");
    EXPECT_EQ(window.cboConnectionType.ListIndex(), 0);
    EXPECT_EQ(*window.Samples(), SampleCollection(100, 0.0));
    EXPECT_EQ(window.lblRecv.Font()->Name(), "Arial");
    EXPECT_DOUBLE_EQ(window.lblRecv.Font()->Size(), 8.25);
    EXPECT_TRUE(window.cboConnectionType.Font()->Bold());
}

TEST_F(BandwidthWindowTest, ControlsSitAtTheirPixelPositions) {
    TwoAdapters(0);
    frmBandwidth& window = Window();
    window.Show();
    win::RECT client;
    ASSERT_TRUE(win::GetClientRect(window.hWnd(), &client));
    EXPECT_EQ(client, (win::RECT{0, 0, 382, 383}));
    EXPECT_EQ(window.PIC1.PixelRect(), (win::RECT{0, 0, 379, 117}));
    EXPECT_EQ(window.Frame2.PixelRect(), (win::RECT{0, 114, 380, 265}));
    EXPECT_EQ(window.lblUploadSpeedTop.Left(), 75);
    EXPECT_EQ(window.Label6.PixelRect(), (win::RECT{4, 72, 365, 89}));
    EXPECT_EQ(window.cboConnectionType.PixelRect(), (win::RECT{4, 88, 368, 110}));
    EXPECT_EQ(window.lblType.PixelRect(), (win::RECT{72, 112, 358, 143}));
    EXPECT_EQ(window.Frame3.PixelRect(), (win::RECT{0, 264, 380, 382}));
    EXPECT_EQ(window.lblRecv.PixelRect(), (win::RECT{101, 15, 211, 38}));
    EXPECT_EQ(window.lblUSpeed.PixelRect(), (win::RECT{101, 87, 211, 110}));
}

TEST_F(BandwidthWindowTest, TheDesktopShowsTheGraphAndTheValueLabels) {
    TwoAdapters(0);
    frmBandwidth& window = Window();
    window.Show();
    Ticks(1);
    desktop_.Pump();
    const win::HWND hwnd = window.hWnd();
    // Inside the picture box's sunken edge: the grid's left line, then black.
    EXPECT_EQ(desktop_.PresentedPixel(hwnd, 2, 60), 0x008080u);
    EXPECT_EQ(desktop_.PresentedPixel(hwnd, 12, 7), 0x000000u);
    EXPECT_EQ(desktop_.PresentedPixel(hwnd, 381, 50), 0xF0F0F0u);
    const win::RECT recv = window.lblRecv.PixelRect();
    const win::RECT frame = window.Frame3.PixelRect();
    EXPECT_EQ(desktop_.PresentedPixel(hwnd, frame.left + recv.right - 3, frame.top + recv.top + 2),
              0xFFFFFFu);
}

TEST_F(BandwidthWindowTest, ATickReleasesEveryDrawingObjectItCreates) {
    TwoAdapters(1'000'000);
    frmBandwidth& window = Window();
    window.Show();
    Ticks(1);
    desktop_.Pump();
    const win::GdiObjectCounts before = win::GdiLiveObjects();
    TwoAdapters(2'000'000);
    Ticks(3);
    desktop_.Pump();
    EXPECT_EQ(win::GdiLiveObjects(), before);
}

TEST_F(BandwidthWindowTest, TicksWriteTheFiguresOfConsecutiveTotals) {
    TwoAdapters(1'000'000, 123'456'789);
    frmBandwidth& window = Window();
    window.Load();
    Ticks(1);
    EXPECT_EQ(window.lblType.Caption(), "ABC ");
    EXPECT_EQ(window.lblRecv.Caption(), "977 KB");  // 976.5625
    EXPECT_EQ(window.lblSent.Caption(), "120563 KB");
    EXPECT_EQ(window.lblDownloadSpeedTop.Caption(), "下载速率: 976.56 Kb/S");
    EXPECT_EQ(window.lblDownloadSpeedAverage.Caption(), "平均下载速率: 488.28 Kb/S");

    TwoAdapters(1'010'240, 123'456'789);
    Ticks(1);
    EXPECT_EQ(window.lblDSpeed.Caption(), "10.00 KBS ");
    EXPECT_EQ(window.lblUSpeed.Caption(), "0 BS ");
    EXPECT_EQ(window.lblDownloadSpeedTop.Caption(), "下载速率: 976.56 Kb/S");
    EXPECT_EQ(window.lblDownloadSpeedAverage.Caption(), "平均下载速率: 249.14 Kb/S");
    // One sample per tick, the newest last: 249.14 gives 254.
    ASSERT_EQ(window.Samples()->size(), 100u);
    EXPECT_EQ(window.Samples()->back(), 254.0);
    EXPECT_EQ((*window.Samples())[98], 493.0);
    EXPECT_DOUBLE_EQ(window.ThisRunKilobytes(), 10.0);
}

TEST_F(BandwidthWindowTest, AFailedSnapshotEmptiesTheListAndIsLeftOutOfThisRunsTraffic) {
    TwoAdapters(1'000'000);
    frmBandwidth& window = Window();
    window.Load();
    Ticks(1);
    TwoAdapters(1'010'240);
    Ticks(1);
    table_->SetFailure();
    Ticks(1);
    EXPECT_EQ(window.lblDSpeed.Caption(), "-1010240 BS ");
    EXPECT_EQ(window.cboConnectionType.ListCount(), 0);
    EXPECT_EQ(window.lblType.Caption(), "ABC ");  // nothing to describe
    TwoAdapters(1'020'480);
    Ticks(1);
    EXPECT_EQ(window.cboConnectionType.ListCount(), 2);
    EXPECT_EQ(window.lblDSpeed.Caption(), "996.56 KBS ");  // the whole total again
    EXPECT_DOUBLE_EQ(window.ThisRunKilobytes(), 10.0);
    TwoAdapters(1'030'720);
    Ticks(1);
    EXPECT_DOUBLE_EQ(window.ThisRunKilobytes(), 20.0);
}

TEST_F(BandwidthWindowTest, TheStoredConnectionChoosesTheEntry) {
    struct Case {
        std::optional<std::string> stored;
        int entry;
    };
    const std::vector<Case> cases = {{std::nullopt, 0}, {"1", 1},   {"2", 0},   {"-1", -1},
                                     {"abc", 0},        {" 1x", 1}, {"0.5", 0}, {"1.5", 0}};
    TwoAdapters(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.value_or("(absent)"));
        if (c.stored) {
            settings_.StoreConnection(*c.stored);
        }
        frmBandwidth& window = Window();
        window.Load();
        EXPECT_EQ(window.cboConnectionType.ListIndex(), c.entry);
        window.Unload();
    }
}

TEST_F(BandwidthWindowTest, WithNothingSelectedTheTypeKeepsItsDesignCaption) {
    settings_.StoreConnection("-1");
    TwoAdapters(1'000'000);
    frmBandwidth& window = Window();
    window.Load();
    Ticks(3);
    EXPECT_EQ(window.lblType.Caption(), "TokenRing ");
    EXPECT_EQ(window.lblRecv.Caption(), "977 KB");
}

TEST_F(BandwidthWindowTest, AGrowingTableRebuildsTheListAndTakesTheStoredChoiceAgain) {
    settings_.StoreConnection("1");
    TwoAdapters(0);
    frmBandwidth& window = Window();
    window.Load();
    window.cboConnectionType.SetListIndex(0);
    // A tick reads once for its sample and once to compare the count with the list.
    int reads = table_->ReadCount();
    Ticks(1);
    EXPECT_EQ(window.cboConnectionType.ListIndex(), 0);  // an unchanged count keeps the list
    EXPECT_EQ(table_->ReadCount() - reads, 2);

    table_->SetRows({ScriptedRow("eth0", 2, 0, 0, "ABC"), ScriptedRow("wlan0", 3, 0, 0, "Wireless"),
                     ScriptedRow("tun0", 4, 0, 0, "Tunnel")});
    reads = table_->ReadCount();
    Ticks(1);
    // A rebuild reads afresh for each of its three entries.
    EXPECT_EQ(table_->ReadCount() - reads, 2 + 3);
    ASSERT_EQ(window.cboConnectionType.ListCount(), 3);
    EXPECT_EQ(window.cboConnectionType.List(2), "Tunnel ");
    EXPECT_EQ(window.cboConnectionType.ListIndex(), 1);
    // The description follows the choice at the next tick.
    EXPECT_EQ(window.lblType.Caption(), "ABC ");
    Ticks(1);
    EXPECT_EQ(window.lblType.Caption(), "Wireless ");
}

TEST_F(BandwidthWindowTest, PeaksAreClearedEveryTwoSecondsUntilOneFindsNothingToClear) {
    TwoAdapters(1'000'000);
    frmBandwidth& window = Window();
    window.Load();
    desktop_.Advance(1950);
    EXPECT_EQ(window.Meter().PeakDownload(), 1'000'000.0);
    desktop_.Advance(100);
    EXPECT_EQ(window.Meter().PeakDownload(), 0.0);
    EXPECT_TRUE(window.Timer1.Enabled());
    desktop_.Advance(2000);  // the table stood still: nothing to clear
    EXPECT_FALSE(window.Timer1.Enabled());

    TwoAdapters(1'010'240);
    desktop_.Advance(4000);
    EXPECT_EQ(window.Meter().PeakDownload(), 10240.0);
}

TEST_F(BandwidthWindowTest, SamplingRunsWhileTheWindowIsHidden) {
    TwoAdapters(0);
    frmBandwidth& window = Window();
    window.Load();
    const int readsAfterLoad = table_->ReadCount();
    for (std::uint64_t i = 1; i <= 10; ++i) {
        TwoAdapters(i * 10240);
        Ticks(1);
    }
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(window.lblRecv.Caption(), "100 KB");
    EXPECT_EQ(window.lblDSpeed.Caption(), "10.00 KBS ");
    EXPECT_EQ(table_->ReadCount() - readsAfterLoad, 10 * 2);
}

TEST_F(BandwidthWindowTest, ClosingKeepsTheMeterAndTheNextLoadAddsOneZeroSample) {
    TwoAdapters(1'000'000);
    frmBandwidth& window = Window();
    window.Show();
    Ticks(2);
    const double average = window.Meter().AverageDownload();
    win::SendMessage(window.hWnd(), win::WM_CLOSE, 0, 0);
    ASSERT_FALSE(window.IsLoaded());
    Ticks(5);  // no sampling while unloaded
    EXPECT_EQ(window.Meter().AverageDownload(), average);

    // Reading a total, as the mini window does, loads the window again, hidden.
    EXPECT_EQ(window.lblRecv.Caption(), "Label1");
    EXPECT_TRUE(window.IsLoaded());
    EXPECT_FALSE(window.Visible());
    ASSERT_EQ(window.Samples()->size(), 101u);
    EXPECT_EQ(window.Samples()->back(), 0.0);

    TwoAdapters(1'010'240);
    Ticks(1);
    EXPECT_EQ(window.Samples()->size(), 100u);
    EXPECT_EQ(window.lblDSpeed.Caption(), "10.00 KBS ");  // against the total before closing
    EXPECT_EQ(window.Meter().AverageDownload(), (10240 + average) / 2);
}

TEST_F(BandwidthWindowTest, LabelsUseTheLocalesSeparators) {
    TwoAdapters(1'000'000'000);
    frmBandwidth& window = Window({",", "."});
    window.Load();
    Ticks(1);
    EXPECT_EQ(window.lblDownloadSpeedTop.Caption(), "下载速率: 976.562,50 Kb/S");
    TwoAdapters(1'000'010'240);
    Ticks(1);
    EXPECT_EQ(window.lblDSpeed.Caption(), "10,00 KBS ");
    // 250005120 bytes: shown as 244.145,62, read back through the same separators.
    EXPECT_EQ(window.Samples()->back(), 244150.0);
}

// Reads the scripted table, first running what a test armed for the next read.
class HookedTable : public win::InterfaceTable {
public:
    explicit HookedTable(std::shared_ptr<win::ScriptedInterfaceTable> inner)
        : inner_(std::move(inner)) {}
    std::optional<win::MIB_IFTABLE> GetIfTable() override {
        if (auto hook = std::exchange(nextRead_, nullptr)) {
            hook();
        }
        return inner_->GetIfTable();
    }
    void BeforeNextRead(std::function<void()> hook) { nextRead_ = std::move(hook); }

private:
    std::shared_ptr<win::ScriptedInterfaceTable> inner_;
    std::function<void()> nextRead_;
};

// A window whose posted message runs a test's action from the message loop.
class LoopProbe {
public:
    LoopProbe() {
        win::WNDCLASS windowClass;
        windowClass.lpfnWndProc = &LoopProbe::Procedure;
        windowClass.lpszClassName = kClassName;
        win::RegisterClass(windowClass);
        window_ = win::CreateWindowEx(0, kClassName, "", win::WS_POPUP, 0, 0, 1, 1, nullptr);
    }
    ~LoopProbe() {
        win::DestroyWindow(window_);
        win::UnregisterClass(kClassName);
        Action() = nullptr;
    }
    LoopProbe(const LoopProbe&) = delete;
    LoopProbe& operator=(const LoopProbe&) = delete;

    void Post(std::function<void()> action) {
        Action() = std::move(action);
        win::PostMessage(window_, kRun, 0, 0);
    }

private:
    static constexpr char kClassName[] = "MeterLoopProbe";
    static constexpr win::UINT kRun = win::WM_USER + 7;
    static std::function<void()>& Action() {
        static std::function<void()> action;
        return action;
    }
    static win::LRESULT Procedure(win::HWND window, win::UINT message, win::WPARAM wParam,
                                  win::LPARAM lParam) {
        if (message == kRun && Action()) {
            std::exchange(Action(), nullptr)();
            return 0;
        }
        return win::DefWindowProc(window, message, wParam, lParam);
    }

    win::HWND window_;
};

class BandwidthTickYieldTest : public BandwidthWindowTest {
protected:
    void SetUp() override {
        hooked_ = std::make_shared<HookedTable>(table_);
        window_ = std::make_unique<frmBandwidth>(hooked_, NumericSeparators{".", ","});
        TwoAdapters(1'000'000);
        window_->Load();
        Ticks(1);
        TwoAdapters(2'048'000);
    }
    // At the next tick's first read, posts `action` so the tick's yield runs it.
    void DuringNextTick(std::function<void()> action) {
        hooked_->BeforeNextRead([this, action] { probe_.Post(action); });
    }

    std::shared_ptr<HookedTable> hooked_;
    LoopProbe probe_;
};

TEST_F(BandwidthTickYieldTest, OtherWorkRunsInsideTheTickWhileTheLabelsShowThePreviousTick) {
    std::vector<std::string> seen;
    DuringNextTick([&] { seen.push_back(window_->lblRecv.Caption()); });
    Ticks(1);
    EXPECT_EQ(seen, std::vector<std::string>{"977 KB"});
    EXPECT_EQ(window_->lblRecv.Caption(), "2000 KB");
}

TEST_F(BandwidthTickYieldTest, TheProgramEndingInsideATickStopsIt) {
    const std::size_t samples = window_->Samples()->size();
    DuringNextTick([] { win::forms::App().End(); });
    Ticks(1);
    EXPECT_EQ(window_->Meter().PeakDownload(), 1'000'000.0);
    EXPECT_EQ(window_->Samples()->size(), samples);
    EXPECT_FALSE(window_->IsLoaded());
}

}  // namespace
}  // namespace quellan
