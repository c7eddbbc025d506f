// The notice window on a private X desktop with the desktop host: the shipped notice page shows
// inside it, and the web view's helper goes when the window does.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <thread>

#include "platform/forms/application.h"
#include "platform/forms/services.h"
#include "platform/host/qt/qt_host.h"
#include "platform/user/desktop.h"
#include "tests/support/desktop_probe.h"
#include "tests/support/started_processes.h"
#include "windows/frm_about.h"
#include "windows/frm_notice.h"
#include "windows/frm_spend.h"
#include "windows/page_address.h"

namespace quellan {
namespace {

using namespace std::chrono_literals;

// Starting the browser engine on a loaded two-core machine under a virtual display is slow.
constexpr auto kLoadPatience = 120s;
// The page's header band, #1f4e79.
constexpr std::uint32_t kHeaderBlue = 0x001F4E79;

class NoticeWindowOnDesktop : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        desktop_testing::TagStartedProcesses();
        setenv("QUELLAN_WEB_VIEW_HELPER", QUELLAN_TEST_WEB_VIEW_HELPER, 0);
        static int argc = 1;
        static char name[] = "notice_window_gui_test";
        static char* argv[] = {name, nullptr};
        host_ = new win::host::QtHost(argc, argv);
        win::AttachHost(*host_);
    }
    static void TearDownTestSuite() {
        win::DetachHost();
        delete host_;
        host_ = nullptr;
    }

    // Runs the program's loop until `done` holds or `patience` has passed.
    static bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds patience) {
        const auto deadline = std::chrono::steady_clock::now() + patience;
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            win::forms::DoEvents();
            std::this_thread::sleep_for(20ms);
        }
        return true;
    }

    win::host::WebViewStatus State() {
        return host_->WebViewState(*notice_.WebBrowser1.View()).value();
    }

    static win::host::QtHost* host_;
    frmNotice notice_;
};

win::host::QtHost* NoticeWindowOnDesktop::host_ = nullptr;

TEST_F(NoticeWindowOnDesktop, TheShippedNoticePageShowsInsideTheWindow) {
    notice_.Show();
    ASSERT_TRUE(notice_.WebBrowser1.View().has_value());
    EXPECT_EQ(State().address, ShippedPageAddress(kNoticePage));
    ASSERT_TRUE(
        PumpUntil([&] { return State().loadsFinished > 0 || State().fallback; }, kLoadPatience))
        << "neither the page nor the address pane";

    const std::optional<std::uint64_t> window = desktop_testing::WaitForManagedWindow("Form1");
    ASSERT_TRUE(window.has_value());
    if (State().fallback) {
        // Where the helper cannot run, the address pane names the page instead.
        std::cout << "[ notice ] the web view helper does not run here; the address pane shows\n";
        EXPECT_EQ(State().address, ShippedPageAddress(kNoticePage));
    } else {
        EXPECT_TRUE(State().lastLoadOk);
        EXPECT_EQ(State().title, "Quellan 公告");
        host_->RequestWebViewText(*notice_.WebBrowser1.View());
        ASSERT_TRUE(PumpUntil([&] { return State().pageText.has_value(); }, 20s));
        for (const char* text : {"本版更新", "资费计算器按每月限定流量", "使用提示"}) {
            EXPECT_NE(State().pageText->find(text), std::string::npos) << text;
        }
        // The page's header band, where the window's web view is.
        const auto info = desktop_testing::InfoOf(*window);
        ASSERT_TRUE(info.has_value());
        const int x = info->rect.left + 284;
        const int y = info->rect.top + 12;
        PumpUntil([&] { return desktop_testing::Screenshot("notice").Pixel(x, y) == kHeaderBlue; },
                  20s);
        EXPECT_EQ(desktop_testing::Screenshot("notice").Pixel(x, y), kHeaderBlue);
    }

    notice_.Unload();
    PumpUntil([] { return false; }, 300ms);
    EXPECT_EQ(desktop_testing::ProcessesLeftAfter(15s, [] { win::forms::DoEvents(); }),
              std::vector<std::string>{})
        << "the web view's helper outlived the window";
}

// The distinct colours in a part of the screen.
std::size_t ColoursIn(const desktop_testing::Screenshot& shot, desktop_testing::ScreenRect area) {
    std::vector<std::uint32_t> pixels = shot.Area(area);
    std::sort(pixels.begin(), pixels.end());
    return static_cast<std::size_t>(std::unique(pixels.begin(), pixels.end()) - pixels.begin());
}

TEST_F(NoticeWindowOnDesktop, EveryWindowsButtonShowsItsCaption) {
    frmSpend spend;
    frmAbout about;
    struct Case {
        const char* title;
        win::forms::Form* window;
        lumbutton* button;
    };
    const Case cases[] = {
        {"资费查询", &spend, &spend.lumbutton1},
        {"关于", &about, &about.lumbutton1},
        {"Form1", &notice_, &notice_.lumbutton1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        c.window->Show();
        const std::optional<std::uint64_t> window = desktop_testing::WaitForManagedWindow(c.title);
        ASSERT_TRUE(window.has_value());
        PumpUntil([] { return false; }, 1500ms);
        const auto info = desktop_testing::InfoOf(*window);
        ASSERT_TRUE(info.has_value());
        const win::RECT button = c.button->PixelRect();
        const desktop_testing::ScreenRect area{
            info->rect.left + button.left + 4, info->rect.top + button.top + 4,
            info->rect.left + button.right - 4, info->rect.top + button.bottom - 4};
        const desktop_testing::Screenshot shot(std::string("button-") + c.window->Name());
        // A caption in an antialiased font brings many shades; a plain face has one or two.
        EXPECT_GT(ColoursIn(shot, area), 4u);
        c.window->Unload();
    }
}

}  // namespace
}  // namespace quellan
