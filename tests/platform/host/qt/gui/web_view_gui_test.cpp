#include <gtest/gtest.h>

#include <signal.h>

#include <cstdlib>
#include <iostream>

#include "tests/platform/host/qt/gui/local_http_server.h"
#include "tests/platform/host/qt/support/host_fixture.h"
#include "tests/support/desktop_probe.h"
#include "tests/support/started_processes.h"

namespace win::host {
namespace {

using desktop_testing::RunTool;
using testing::HostFixture;

constexpr std::uint32_t kBlue = 0x000000FF;
// The page's background, unlike anything else on the desktop.
constexpr std::uint32_t kPageYellow = 0x00FFCC00;
constexpr const char* kPageText = "本周公告：流量统计服务正常 7391";
constexpr const char* kPageTitle = "Quellan 公告";
constexpr Rect kWindowContent{100, 100, 600, 460};
constexpr Rect kViewBounds{20, 30, 420, 290};
// Starting the browser engine on a loaded two-core machine under a virtual display is slow.
constexpr int kLoadMs = 120000;

const QByteArray kPage = QByteArray("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>") +
                         kPageTitle +
                         "</title></head>"
                         "<body style=\"margin:0;background:#ffcc00;font:20px sans-serif\">"
                         "<p style=\"margin:8px\">" +
                         kPageText + "</p></body></html>";

// The helper built with this test, unless the caller names another.
const bool kHelperNamed = [] {
    setenv("QUELLAN_WEB_VIEW_HELPER", QUELLAN_TEST_WEB_VIEW_HELPER, 0);
    return true;
}();

class WebViewGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop_testing::TagStartedProcesses();
        ASSERT_TRUE(server_.Listening());
        window_ = host().CreateNativeWindow({.kind = WindowKind::TopLevel,
                                             .content = kWindowContent,
                                             .title = "公告",
                                             .decorated = false,
                                             .topmost = false,
                                             .skipTaskbar = false,
                                             .owner = WindowId::None});
        const Size size{kWindowContent.Width(), kWindowContent.Height()};
        pixels_ = HostFixture::Solid(size, kBlue);
        host().Present(window_, {pixels_.data(), size.width, size.height, size.width},
                       {0, 0, size.width, size.height});
        host().Show(window_, true);
        ASSERT_TRUE(fixture_.PumpUntil([&] {
            return RunTool("xwininfo -id " +
                           desktop_testing::HexWindow(host().NativeWindowHandle(window_)))
                       .find("IsViewable") != std::string::npos;
        }));
    }

    void TearDown() override {
        if (window_ != WindowId::None) {
            host().DestroyNativeWindow(window_);
        }
        // The helper goes with its view: neither it nor its engine's processes stay behind.
        fixture_.PumpFor(200);
        EXPECT_EQ(desktop_testing::ProcessesLeftAfter(std::chrono::seconds(15),
                                                      [this] { fixture_.PumpFor(10); }),
                  std::vector<std::string>{});
    }

    // A view whose helper is `path` instead of the one built alongside.
    std::optional<WebViewId> CreateWithHelper(const char* path) {
        const std::string kept = std::getenv("QUELLAN_WEB_VIEW_HELPER");
        setenv("QUELLAN_WEB_VIEW_HELPER", path, 1);
        std::optional<WebViewId> view = host().CreateWebView(window_, kViewBounds);
        setenv("QUELLAN_WEB_VIEW_HELPER", kept.c_str(), 1);
        return view;
    }

    WebViewStatus State(WebViewId view) { return host().WebViewState(view).value(); }

    // The screen pixel at a point of the window's content.
    static std::uint32_t At(const desktop_testing::Screenshot& shot, int x, int y) {
        return shot.Pixel(kWindowContent.left + x, kWindowContent.top + y);
    }

    static int CountOf(const desktop_testing::Screenshot& shot, Rect area, std::uint32_t colour) {
        int count = 0;
        for (int y = area.top; y < area.bottom; y += 4) {
            for (int x = area.left; x < area.right; x += 4) {
                count += At(shot, x, y) == colour;
            }
        }
        return count;
    }

    static int Samples(Rect area) { return ((area.Width() + 3) / 4) * ((area.Height() + 3) / 4); }

    // Saves the screenshot as `shotName`.png.
    void ExpectFallbackWithAddress(WebViewId view, const std::string& why,
                                   const std::string& shotName) {
        std::cout << "[ web view ] no page here (" << why << "); checking the address pane\n";
        const WebViewStatus state = State(view);
        EXPECT_TRUE(state.fallback);
        EXPECT_EQ(state.address, server_.Address());
        fixture_.PumpFor(500);
        const desktop_testing::Screenshot shot(shotName);
        EXPECT_EQ(CountOf(shot, kViewBounds, kBlue), 0) << "the pane covers the view's rectangle";
    }

    QtHost& host() { return fixture_.Host(); }

    HostFixture fixture_;
    testing::LocalHttpServer server_{"/notice.html", kPage};
    WindowId window_ = WindowId::None;
    std::vector<std::uint32_t> pixels_;
};

TEST_F(WebViewGuiTest, PageFromALocalServerShowsInsideOurWindowAndEndsWithIt) {
    const std::optional<WebViewId> view = host().CreateWebView(window_, kViewBounds);
    ASSERT_TRUE(view.has_value());
    host().Navigate(*view, server_.Address());

    const bool loaded = fixture_.PumpUntil(
        [&] { return State(*view).loadsFinished > 0 || State(*view).fallback; }, kLoadMs);
    ASSERT_TRUE(loaded) << "neither a load report nor the fallback";
    if (State(*view).fallback) {
        ExpectFallbackWithAddress(
            *view, server_.PageRequests() == 0 ? "it did not start" : "it ended early",
            "web-view-fallback");
        return;
    }

    WebViewStatus state = State(*view);
    EXPECT_TRUE(state.lastLoadOk);
    EXPECT_EQ(state.title, kPageTitle);
    EXPECT_GE(server_.PageRequests(), 1);
    ASSERT_NE(state.helperWindow, 0u);

    host().RequestWebViewText(*view);
    ASSERT_TRUE(fixture_.PumpUntil([&] { return State(*view).pageText.has_value(); }));
    EXPECT_NE(State(*view).pageText->find(kPageText), std::string::npos) << *State(*view).pageText;

    // The engine draws a moment after the load ends.
    Rect inner{kViewBounds.left + 4, kViewBounds.top + 4, kViewBounds.right - 4,
               kViewBounds.bottom - 4};
    fixture_.PumpUntil(
        [&] {
            return CountOf(desktop_testing::Screenshot("web-view"), inner, kPageYellow) >
                   Samples(inner) * 3 / 4;
        },
        20000);
    const desktop_testing::Screenshot shot("web-view");
    EXPECT_GT(CountOf(shot, inner, kPageYellow), Samples(inner) * 3 / 4)
        << "the embedded area shows the page";
    EXPECT_EQ(At(shot, kViewBounds.left - 5, kViewBounds.top + 50), kBlue);
    EXPECT_EQ(At(shot, kViewBounds.right + 5, kViewBounds.top + 50), kBlue);
    EXPECT_EQ(At(shot, kViewBounds.left + 50, kViewBounds.bottom + 5), kBlue);

    // Moved and resized, the page follows; hidden, our own pixels show again.
    const Rect moved{200, 200, 480, 340};
    host().MoveWebView(*view, moved);
    fixture_.PumpUntil(
        [&] {
            const desktop_testing::Screenshot shot("web-view-moved");
            return At(shot, moved.right - 6, moved.bottom - 6) == kPageYellow &&
                   At(shot, kViewBounds.left + 6, kViewBounds.top + 6) == kBlue;
        },
        20000);
    const desktop_testing::Screenshot movedShot("web-view-moved");
    EXPECT_EQ(At(movedShot, moved.left + 6, moved.top + 40), kPageYellow);
    EXPECT_EQ(At(movedShot, moved.right - 6, moved.bottom - 6), kPageYellow);
    EXPECT_EQ(At(movedShot, kViewBounds.left + 6, kViewBounds.top + 6), kBlue);

    host().SetWebViewVisible(*view, false);
    fixture_.PumpFor(500);
    EXPECT_EQ(CountOf(desktop_testing::Screenshot("web-view-hidden"), moved, kPageYellow), 0);

    // Ending our window ends the view and its helper, whose window goes with it.
    const std::string helperWindow = desktop_testing::HexWindow(state.helperWindow);
    host().DestroyNativeWindow(window_);
    window_ = WindowId::None;
    EXPECT_FALSE(host().WebViewState(*view).has_value());
    EXPECT_TRUE(fixture_.PumpUntil(
        [&] {
            return RunTool("xwininfo -id " + helperWindow).find("IsViewable") ==
                       std::string::npos &&
                   RunTool("xwininfo -id " + helperWindow).find("Map State") == std::string::npos;
        },
        15000))
        << "the helper's window outlived ours";
}

TEST_F(WebViewGuiTest, HelperThatDiesGivesWayToTheAddressPane) {
    const std::optional<WebViewId> view = host().CreateWebView(window_, kViewBounds);
    ASSERT_TRUE(view.has_value());
    host().Navigate(*view, server_.Address());
    ASSERT_TRUE(fixture_.PumpUntil(
        [&] { return State(*view).loadsFinished > 0 || State(*view).fallback; }, kLoadMs));
    if (State(*view).fallback) {
        GTEST_SKIP() << "the helper does not run here; the other tests check the address pane";
    }
    // Qt names the owning process on each of its windows.
    const std::string owner = RunTool(
        "xprop -id " + desktop_testing::HexWindow(State(*view).helperWindow) + " _NET_WM_PID");
    const std::size_t equals = owner.find("= ");
    ASSERT_NE(equals, std::string::npos) << owner;
    const pid_t helper = static_cast<pid_t>(std::stol(owner.substr(equals + 2)));
    ASSERT_GT(helper, 1);
    ASSERT_EQ(::kill(helper, SIGKILL), 0);

    ASSERT_TRUE(fixture_.PumpUntil([&] { return State(*view).fallback; }));
    EXPECT_EQ(State(*view).helperWindow, 0u);
    ExpectFallbackWithAddress(*view, "the helper was killed", "web-view-helper-died");
}

TEST_F(WebViewGuiTest, MissingHelperShowsTheAddressPane) {
    const std::optional<WebViewId> view = CreateWithHelper("/nonexistent/quellan_web_view");
    ASSERT_TRUE(view.has_value());
    host().Navigate(*view, server_.Address());
    ExpectFallbackWithAddress(*view, "no helper at the named path", "web-view-no-helper");
}

TEST_F(WebViewGuiTest, HelperThatEndsAtOnceGivesWayToTheAddressPane) {
    const std::optional<WebViewId> view = CreateWithHelper("/bin/true");
    ASSERT_TRUE(view.has_value());
    host().Navigate(*view, server_.Address());
    ASSERT_TRUE(fixture_.PumpUntil([&] { return State(*view).fallback; }));
    ExpectFallbackWithAddress(*view, "the helper ended without a window", "web-view-helper-ended");
}

}  // namespace
}  // namespace win::host
