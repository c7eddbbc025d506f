#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/host/qt/qt_host.h"
#include "platform/host/qt/web_view_fallback.h"
#include "platform/host/qt/web_view_helper_location.h"
#include "tests/platform/host/qt/support/host_fixture.h"

namespace win::host {
namespace {

using testing::HostFixture;

constexpr const char* kHelperVariable = "QUELLAN_WEB_VIEW_HELPER";
constexpr const char* kNotice = "https://notice.quellan.example/公告.html";

// Names the helper for one test and puts the variable back as it was.
class HelperNamed {
public:
    explicit HelperNamed(const std::string& path) {
        if (const char* before = std::getenv(kHelperVariable)) {
            before_ = before;
        }
        setenv(kHelperVariable, path.c_str(), 1);
    }
    ~HelperNamed() {
        if (before_) {
            setenv(kHelperVariable, before_->c_str(), 1);
        } else {
            unsetenv(kHelperVariable);
        }
    }

private:
    std::optional<std::string> before_;
};

QWidget* WidgetOf(QtHost& host, WindowId window) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (static_cast<std::uint64_t>(widget->winId()) == host.NativeWindowHandle(window)) {
            return widget;
        }
    }
    return nullptr;
}

desktop::WebViewFallback* FallbackIn(QtHost& host, WindowId window) {
    QWidget* widget = WidgetOf(host, window);
    return widget == nullptr ? nullptr : widget->findChild<desktop::WebViewFallback*>();
}

class WebViewTest : public ::testing::Test {
protected:
    WindowId OpenWindow() {
        const WindowId id = host().CreateNativeWindow({.kind = WindowKind::TopLevel,
                                                       .content = {50, 50, 620, 420},
                                                       .title = "公告",
                                                       .decorated = false,
                                                       .topmost = false,
                                                       .skipTaskbar = false,
                                                       .owner = WindowId::None});
        host().Show(id, true);
        return id;
    }
    QtHost& host() { return fixture_.Host(); }

    HostFixture fixture_;
};

TEST_F(WebViewTest, MissingHelperShowsTheAddressPaneThatFollowsTheView) {
    const HelperNamed missing("/nonexistent/quellan_web_view");
    const WindowId window = OpenWindow();
    const std::optional<WebViewId> view = host().CreateWebView(window, {0, 0, 568, 329});
    ASSERT_TRUE(view.has_value());

    desktop::WebViewFallback* pane = FallbackIn(host(), window);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->geometry(), QRect(0, 0, 568, 329));
    EXPECT_FALSE(pane->OpenButton().isEnabled()) << "nothing to open before an address";

    host().Navigate(*view, kNotice);
    EXPECT_EQ(pane->AddressText(), QString::fromUtf8(kNotice));
    EXPECT_TRUE(pane->OpenButton().isEnabled());
    const WebViewStatus state = host().WebViewState(*view).value();
    EXPECT_TRUE(state.fallback);
    EXPECT_EQ(state.address, kNotice);
    EXPECT_EQ(state.helperWindow, 0u);
    EXPECT_EQ(state.loadsFinished, 0);

    host().MoveWebView(*view, {10, 20, 210, 120});
    EXPECT_EQ(pane->geometry(), QRect(10, 20, 200, 100));
    host().SetWebViewVisible(*view, false);
    EXPECT_TRUE(pane->isHidden());
    host().SetWebViewVisible(*view, true);
    EXPECT_FALSE(pane->isHidden());

    host().DestroyWebView(*view);
    EXPECT_EQ(FallbackIn(host(), window), nullptr);
    EXPECT_FALSE(host().WebViewState(*view).has_value());
    host().DestroyNativeWindow(window);
}

TEST_F(WebViewTest, WhereWindowsCannotBeEmbeddedAnInstalledHelperIsNotStarted) {
    // The offscreen platform has no foreign windows; the helper would show nowhere.
    const HelperNamed installed("/bin/true");
    const WindowId window = OpenWindow();
    const std::optional<WebViewId> view = host().CreateWebView(window, {0, 0, 100, 80});
    ASSERT_TRUE(view.has_value());
    EXPECT_TRUE(host().WebViewState(*view)->fallback);
    EXPECT_NE(FallbackIn(host(), window), nullptr);
    host().DestroyNativeWindow(window);
}

TEST_F(WebViewTest, ViewsEndWithTheirWindowAndOnlyWithIt) {
    const HelperNamed missing("");
    const WindowId first = OpenWindow();
    const WindowId second = OpenWindow();
    const std::optional<WebViewId> inFirst = host().CreateWebView(first, {0, 0, 50, 50});
    const std::optional<WebViewId> inSecond = host().CreateWebView(second, {0, 0, 50, 50});
    ASSERT_TRUE(inFirst && inSecond);
    EXPECT_NE(*inFirst, *inSecond);

    host().DestroyNativeWindow(first);
    EXPECT_FALSE(host().WebViewState(*inFirst).has_value());
    ASSERT_TRUE(host().WebViewState(*inSecond).has_value());
    // Calls on an ended view are harmless.
    host().Navigate(*inFirst, kNotice);
    host().MoveWebView(*inFirst, {1, 1, 2, 2});
    host().SetWebViewVisible(*inFirst, false);
    host().RequestWebViewText(*inFirst);
    host().DestroyWebView(*inFirst);

    EXPECT_FALSE(host().CreateWebView(first, {0, 0, 50, 50}).has_value()) << "no such window";
    host().DestroyNativeWindow(second);
    EXPECT_FALSE(host().WebViewState(*inSecond).has_value());
}

TEST(WebViewFallbackTest, TheButtonHandsTheLatestAddressToTheOpener) {
    testing::SharedHost();  // the application object
    QWidget parent;
    std::vector<std::string> opened;
    desktop::WebViewFallback pane(parent, {0, 0, 300, 200}, [&](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    pane.OpenButton().click();
    EXPECT_TRUE(opened.empty()) << "a disabled button opens nothing";

    pane.SetAddress("http://first.example/");
    pane.SetAddress(kNotice);
    pane.OpenButton().click();
    EXPECT_EQ(opened, std::vector<std::string>{kNotice});

    pane.SetAddress("");
    EXPECT_FALSE(pane.OpenButton().isEnabled());
}

TEST(WebViewHelperLocationTest, TheVariableNamesAnExecutableFileOrNothing) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quellan-helper-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path plain = folder / "plain";
    std::ofstream(plain) << "not a program\n";
    const std::filesystem::path program = folder / "program";
    std::ofstream(program) << "#!/bin/sh\n";
    ::chmod(program.c_str(), 0755);

    {
        const HelperNamed named(program.string());
        EXPECT_EQ(desktop::WebViewHelperPath(), QString::fromStdString(program.string()));
    }
    for (const std::string& unusable :
         {plain.string(), folder.string(), std::string(), (folder / "absent").string()}) {
        const HelperNamed named(unusable);
        EXPECT_FALSE(desktop::WebViewHelperPath().has_value()) << unusable;
    }
    std::filesystem::remove_all(folder);
}

TEST(WebViewEngineTest, TheHostLeavesTheBrowserEngineToItsHelper) {
    // Linked into the host, the engine would cost every run of the program its memory.
    std::ifstream maps("/proc/self/maps");
    ASSERT_TRUE(maps.is_open());
    std::string line;
    int mapped = 0;
    while (std::getline(maps, line)) {
        EXPECT_EQ(line.find("libQt6WebEngine"), std::string::npos) << line;
        ++mapped;
    }
    EXPECT_GT(mapped, 10) << "the test reads its own mappings";
}

}  // namespace
}  // namespace win::host
