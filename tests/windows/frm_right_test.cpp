#include "windows/frm_right.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "meter/leading_number.h"
#include "platform/files/temporary_folder.h"
#include "platform/forms/application.h"
#include "platform/gdi/png/png_codec.h"
#include "platform/net/scripted_interface_table.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"
#include "windows/frm_right_artwork.h"
#include "windows/module_top.h"

namespace quellan {
namespace {

using win::ScriptedRow;

constexpr std::uint64_t kKilobyte = 1024;

class MiniWindowTest : public testing_support::TemporaryFolderTest {
protected:
    MiniWindowTest() {
        win::forms::App().ResetForTesting();
        desktop_.Host().SetScreen({1280, 800}, {0, 0, 1280, 770});
        Counters(0, 0);
    }
    ~MiniWindowTest() override {
        right_.reset();
        statistics_.reset();
        win::forms::App().ResetForTesting();
    }

    std::filesystem::path TotalsFile() const { return Folder() / "allbandwidth.dat"; }

    frmRight& Window() {
        if (!right_) {
            statistics_ = std::make_unique<frmBandwidth>(table_, NumericSeparators{".", ","});
            right_ = std::make_unique<frmRight>(*statistics_, TotalsFile());
            right_->ShowSaveFailure = [this](const std::string& message) {
                failures_.push_back(message);
            };
        }
        return *right_;
    }
    frmBandwidth& Statistics() {
        Window();
        return *statistics_;
    }
    void Counters(std::uint64_t received, std::uint64_t sent) {
        table_->SetRows({ScriptedRow("eth0", 2, received, sent, "ABC")});
    }
    // Both windows tick every 100 ms; a little more lets the mini window copy the last tick.
    void Ticks(int count) { desktop_.Advance(100 * count + 50); }

    win::testing::HeadlessDesktop desktop_;
    std::shared_ptr<win::ScriptedInterfaceTable> table_ =
        std::make_shared<win::ScriptedInterfaceTable>();
    std::unique_ptr<frmBandwidth> statistics_;
    std::unique_ptr<frmRight> right_;
    std::vector<std::string> failures_;
};

TEST_F(MiniWindowTest, BorderlessTopmostWindowAtTheBottomRightOfTheWorkArea) {
    Window().Show();
    win::HWND window = Window().hWnd();
    win::RECT outer{};
    win::GetWindowRect(window, &outer);
    // Right edge on the work area's; bottom 370 twips (24.67 pixels) above its bottom.
    EXPECT_EQ(outer, (win::RECT{1132, 605, 1280, 745}));
    win::RECT client{};
    win::GetClientRect(window, &client);
    EXPECT_EQ(client, (win::RECT{0, 0, 148, 140}));
    auto style = static_cast<win::DWORD>(win::GetWindowLong(window, win::GWL_STYLE));
    auto exStyle = static_cast<win::DWORD>(win::GetWindowLong(window, win::GWL_EXSTYLE));
    EXPECT_EQ(style & win::WS_CAPTION, 0u);
    EXPECT_NE(exStyle & win::WS_EX_TOPMOST, 0u);
    EXPECT_NE(exStyle & win::WS_EX_TOOLWINDOW, 0u);  // off the taskbar
    EXPECT_EQ(Window().Caption(), "Quellan");
}

TEST_F(MiniWindowTest, DesignedControlsAndArtwork) {
    frmRight& window = Window();
    EXPECT_EQ(window.Label3.Caption(), "Quellan");
    EXPECT_EQ(window.Label3.Font()->Name(), "SimSun");
    EXPECT_EQ(window.Label3.Font()->Size(), 10.5);
    EXPECT_EQ(window.Label1.Caption(), "接收字节：");
    EXPECT_EQ(window.Label2.Caption(), "发送字节：");
    EXPECT_EQ(window.Command1.Caption(), "查看菜单");
    EXPECT_EQ(window.Command2.Caption(), "X");
    EXPECT_EQ(window.Command3.Caption(), "_");
    // The two hidden figures lie beyond the client area.
    EXPECT_GT(window.Text3.Left(), window.ScaleWidth());
    EXPECT_GT(window.Text4.Left(), window.ScaleWidth());
    EXPECT_EQ(window.Timer1.Interval(), 100);
    EXPECT_EQ(window.Timer2.Interval(), 100);
    ASSERT_TRUE(window.Picture());
    EXPECT_EQ(window.Picture()->PixelWidth(), 148);
    EXPECT_EQ(window.Picture()->PixelHeight(), 140);
    ASSERT_TRUE(window.Image1.Picture());
    EXPECT_EQ(window.Image1.Picture()->PixelWidth(), 16);
    EXPECT_EQ(window.Image1.Picture()->Type(), win::forms::PictureType::Icon);
}

TEST_F(MiniWindowTest, BackgroundShowsBetweenTheControls) {
    Window().Show();
    desktop_.Pump();
    win::png::PngReadResult background = win::png::DecodePng(FrmRightBackgroundPng());
    ASSERT_TRUE(background);
    for (auto [x, y] : {std::pair{100, 2}, std::pair{145, 70}, std::pair{5, 130}}) {
        std::uint32_t expected =
            background.image->pixels[static_cast<std::size_t>(y * 148 + x)] & 0x00FFFFFF;
        EXPECT_EQ(desktop_.PresentedPixel(Window().hWnd(), x, y), expected) << x << "," << y;
    }
}

TEST_F(MiniWindowTest, LoadKeepsTheTotalsFilesFirstLine) {
    WriteFile(TotalsFile(), "12 34\r\nignored\r\n");
    // The single-line box may drop the line end; the first line is what counts.
    EXPECT_TRUE(Window().Text4.Text().starts_with("12 34")) << Window().Text4.Text();
    EXPECT_EQ(LeadingNumber(Window().Text4.Text()), 1234.0);
    EXPECT_EQ(Window().Text4.Text().find("ignored"), std::string::npos);
    Window().Unload();
    WriteFile(TotalsFile(), "");
    EXPECT_EQ(Window().Text4.Text(), "");  // read afresh at each load
    Window().Unload();
    std::filesystem::remove(TotalsFile());
    EXPECT_EQ(Window().Text4.Text(), "");
}

TEST_F(MiniWindowTest, FirstTickCreatesTheHiddenStatisticsWindowAndCopiesItsTotals) {
    Counters(1234 * kKilobyte, 56 * kKilobyte);
    Window().Show();
    EXPECT_FALSE(Statistics().IsLoaded());
    Ticks(1);
    EXPECT_TRUE(Statistics().IsLoaded());
    EXPECT_FALSE(Statistics().Visible());
    Ticks(2);
    EXPECT_EQ(Window().Text1.Text(), "1234 KB");
    EXPECT_EQ(Window().Text2.Text(), "56 KB");
}

TEST_F(MiniWindowTest, XAddsThisRunsTrafficToTheStoredTotalAndEnds) {
    WriteFile(TotalsFile(), "1000\r\n");
    Counters(5'000'000, 70'000);
    Window().Show();
    Ticks(3);
    Counters(5'000'000 + 1234 * kKilobyte, 70'000 + 56 * kKilobyte);
    Ticks(2);
    // This run's traffic, not the totals since the system started.
    EXPECT_EQ(Window().Text3.Text(), " 1290");
    Window().Command2.PerformClick();
    EXPECT_EQ(ReadFile(TotalsFile()), "2290\r\n");
    EXPECT_TRUE(win::forms::App().Ended());
    EXPECT_TRUE(failures_.empty());
}

TEST_F(MiniWindowTest, StoredFractionIsKeptAndExtraLinesDropped) {
    WriteFile(TotalsFile(), "1.5\r\n777\r\n");
    Window().Show();
    Ticks(2);
    Window().Command2.PerformClick();
    EXPECT_EQ(ReadFile(TotalsFile()), "1.5\r\n");
}

TEST_F(MiniWindowTest, OddFilesLoadAndXWritesOneCleanLine) {
    for (std::string contents : {std::string("1e999\r\n"), std::string("abc\r\n"),
                                 std::string("\x01\xff\x00 7", 5), std::string("-500")}) {
        win::forms::App().ResetForTesting();
        right_.reset();
        statistics_.reset();
        WriteFile(TotalsFile(), contents);
        Window().Show();
        Ticks(1);
        Window().Command2.PerformClick();
        std::string written = ReadFile(TotalsFile());
        EXPECT_EQ(written, contents == "-500" ? "-500\r\n" : "0\r\n") << contents;
    }
}

TEST_F(MiniWindowTest, ClickOnXOnTheScreenSaves) {
    Window().Show();
    Ticks(2);
    win::RECT outer{};
    win::GetWindowRect(Window().hWnd(), &outer);
    // "X" lies at 128 ... 145, 8 ... 25 in the client area.
    desktop_.Host().Click({outer.left + 136, outer.top + 16});
    EXPECT_TRUE(win::forms::App().Ended());
    EXPECT_EQ(ReadFile(TotalsFile()), "0\r\n");
}

TEST_F(MiniWindowTest, HiddenWindowGoesOnCountingAndSavesTheLatestFigures) {
    WriteFile(TotalsFile(), "10\r\n");
    Counters(100 * kKilobyte, 0);
    Window().Show();
    Ticks(2);
    Window().Command3.PerformClick();
    EXPECT_FALSE(Window().Visible());
    EXPECT_TRUE(Window().IsLoaded());
    Counters(300 * kKilobyte, 0);
    Ticks(3);
    EXPECT_EQ(Window().Text1.Text(), "300 KB");
    EXPECT_EQ(Window().Text3.Text(), " 200");
    Window().Show();
    Window().Command2.PerformClick();
    EXPECT_EQ(ReadFile(TotalsFile()), "210\r\n");
}

TEST_F(MiniWindowTest, RunTrafficSurvivesAFailedSnapshotAndAStatisticsReload) {
    Counters(100 * kKilobyte, 0);
    Window().Show();
    Ticks(2);
    Counters(150 * kKilobyte, 0);
    Ticks(2);
    table_->SetFailure();
    Ticks(2);
    Counters(170 * kKilobyte, 0);  // the jump back from 0 is no traffic of this run
    Ticks(2);
    EXPECT_EQ(Window().Text3.Text(), " 50");
    Statistics().Unload();
    Counters(180 * kKilobyte, 0);
    Ticks(3);
    EXPECT_TRUE(Statistics().IsLoaded());
    EXPECT_FALSE(Statistics().Visible());
    EXPECT_EQ(Window().Text3.Text(), " 60");
}

TEST_F(MiniWindowTest, FailedSaveIsToldAndTheProgramKeepsRunning) {
    std::filesystem::create_directory(TotalsFile());
    Counters(100 * kKilobyte, 0);
    Window().Show();
    Ticks(2);
    Window().Command2.PerformClick();
    ASSERT_EQ(failures_.size(), 1u);
    EXPECT_TRUE(failures_[0].starts_with("无法保存流量累计文件")) << failures_[0];
    EXPECT_NE(failures_[0].find("allbandwidth.dat"), std::string::npos);
    EXPECT_FALSE(win::forms::App().Ended());
    EXPECT_TRUE(Window().Visible());
    Counters(200 * kKilobyte, 0);
    Ticks(2);
    EXPECT_EQ(Window().Text1.Text(), "200 KB");

    // Once the folder is free again the next "X" saves.
    std::filesystem::remove(TotalsFile());
    Window().Command2.PerformClick();
    EXPECT_TRUE(win::forms::App().Ended());
    EXPECT_EQ(ReadFile(TotalsFile()), "100\r\n");
}

TEST_F(MiniWindowTest, MenuButtonShowsTheMenuWindowOnceThereIsOne) {
    Window().Show();
    Window().Command1.PerformClick();
    EXPECT_TRUE(Window().Visible());  // nothing to show yet
    int shown = 0;
    Window().ShowMenuWindow = [&shown] { ++shown; };
    Window().Command1.PerformClick();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(Window().IsLoaded());
}

TEST(ModuleTop, SetTopMostMovesTheWindowIntoAndOutOfTheTopmostBand) {
    win::testing::HeadlessDesktop desktop;
    win::WNDCLASS windowClass;
    windowClass.lpfnWndProc = win::DefWindowProc;
    windowClass.lpszClassName = "ModuleTopTest";
    win::RegisterClass(windowClass);
    win::HWND window = win::CreateWindowEx(0, "ModuleTopTest", "", win::WS_POPUP, 10, 20, 30, 40,
                                           nullptr, nullptr, nullptr);
    auto topmost = [window] {
        return (static_cast<win::DWORD>(win::GetWindowLong(window, win::GWL_EXSTYLE)) &
                win::WS_EX_TOPMOST) != 0;
    };
    EXPECT_EQ(ModuleTop::SetTopMost(window, true), 1);
    EXPECT_TRUE(topmost());
    win::RECT rect{};
    win::GetWindowRect(window, &rect);
    EXPECT_EQ(rect, (win::RECT{10, 20, 40, 60}));
    EXPECT_EQ(ModuleTop::SetTopMost(window, false), 0);
    EXPECT_FALSE(topmost());
    win::DestroyWindow(window);
}

}  // namespace
}  // namespace quellan
