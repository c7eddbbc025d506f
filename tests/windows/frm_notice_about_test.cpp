#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "platform/forms/application.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"
#include "windows/frm_about.h"
#include "windows/frm_notice.h"
#include "windows/page_address.h"
#include "windows/tray_menu_link.h"

namespace quellan {
namespace {

// Stands in for the tray menu window: counts its loads.
class StandInMenu : public win::forms::Form {
public:
    StandInMenu() : Form("frmMenu") {}
    int loads = 0;

protected:
    void Design() override {
        SetCaption("Quellan");
        SetClientSize(5190, 4950);
    }
    void Form_Load() override { ++loads; }
};

class CompanionWindowTest : public ::testing::Test {
protected:
    CompanionWindowTest() {
        win::forms::App().ResetForTesting();
        desktop_.Host().SetScreen({1280, 800}, {0, 0, 1280, 770});
        desktop_.Host().SetWebViewsAvailable(true);
        menu_ = std::make_unique<StandInMenu>();
        notice_ = std::make_unique<frmNotice>();
        about_ = std::make_unique<frmAbout>();
        SetTrayMenuWindow(menu_.get());
    }
    ~CompanionWindowTest() override {
        SetTrayMenuWindow(nullptr);
        about_.reset();
        notice_.reset();
        menu_.reset();
        win::forms::App().ResetForTesting();
    }

    // The navigations of the notice window's current view.
    std::vector<std::string> Navigations() {
        const auto view = notice_->WebBrowser1.View();
        if (!view) {
            return {};
        }
        const auto* state = desktop_.Host().FindWebView(*view);
        return state ? state->navigations : std::vector<std::string>{};
    }

    win::testing::HeadlessDesktop desktop_;
    std::unique_ptr<StandInMenu> menu_;
    std::unique_ptr<frmNotice> notice_;
    std::unique_ptr<frmAbout> about_;
};

TEST_F(CompanionWindowTest, EveryLoadOfTheNoticeWindowNavigatesToTheShippedPage) {
    const std::string page = ShippedPageAddress(kNoticePage);
    ASSERT_TRUE(page.starts_with("file:///")) << page;
    ASSERT_TRUE(page.ends_with("/pages/notice.html")) << page;

    std::optional<win::host::WebViewId> previous;
    for (int load = 1; load <= 2; ++load) {
        SCOPED_TRACE(load);
        notice_->Show();
        ASSERT_TRUE(notice_->WebBrowser1.View().has_value());
        EXPECT_NE(notice_->WebBrowser1.View(), previous) << "a new view for a new load";
        EXPECT_EQ(Navigations(), std::vector<std::string>{page});
        const auto* state = desktop_.Host().FindWebView(*notice_->WebBrowser1.View());
        EXPECT_EQ(state->bounds, (win::host::Rect{0, 0, 568, 329}));
        previous = notice_->WebBrowser1.View();
        // Back to the tray menu window, which brings the notice window again.
        notice_->frmNotice_lumbutton1_Click();
        EXPECT_FALSE(notice_->IsLoaded());
        EXPECT_EQ(desktop_.Host().FindWebView(*previous), nullptr) << "the view went with it";
    }
}

TEST_F(CompanionWindowTest, WithoutWebViewsTheNoticeWindowStillWorks) {
    desktop_.Host().SetWebViewsAvailable(false);
    notice_->Show();
    EXPECT_FALSE(notice_->WebBrowser1.HasView());
    EXPECT_EQ(notice_->WebBrowser1.LocationURL(), ShippedPageAddress(kNoticePage));
    notice_->frmNotice_lumbutton1_Click();
    EXPECT_EQ(menu_->loads, 1);
}

TEST_F(CompanionWindowTest, TheButtonShowsTheTrayMenuWindowThenUnloadsItsOwn) {
    struct Case {
        const char* name;
        win::forms::Form* window;
        std::function<void()> click;
    };
    const Case cases[] = {
        {"notice", notice_.get(), [this] { notice_->frmNotice_lumbutton1_Click(); }},
        {"about", about_.get(), [this] { about_->frmAbout_lumbutton1_Click(); }},
    };
    int loads = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Unloaded, the tray menu window comes back through its load; loaded, it is just shown.
        for (bool menuLoaded : {false, true}) {
            if (!menuLoaded) {
                menu_->Unload();
            }
            c.window->Show();
            c.click();
            loads += menuLoaded ? 0 : 1;
            EXPECT_EQ(menu_->loads, loads);
            EXPECT_TRUE(menu_->Visible());
            EXPECT_FALSE(c.window->IsLoaded());
        }
    }
}

TEST_F(CompanionWindowTest, AClickOnTheAboutWindowsButtonGoesBack) {
    about_->Show();
    desktop_.Pump();
    win::RECT button{};
    win::GetWindowRect(about_->lumbutton1.hWnd(), &button);
    desktop_.Host().Click({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    desktop_.Pump();
    EXPECT_EQ(menu_->loads, 1);
    EXPECT_FALSE(about_->IsLoaded());
}

TEST_F(CompanionWindowTest, WindowsAndButtonsAsDesigned) {
    about_->Show();
    notice_->Show();
    desktop_.Pump();
    struct Case {
        const char* name;
        win::forms::Form* window;
        const lumbutton* button;
        win::RECT client;
        bool caption;
        bool taskbar;
        std::int32_t storedStyle;
        // The headless desktop has no theme, so the themed style falls back.
        std::int32_t shownStyle;
        std::optional<win::OLE_COLOR> backColor;
        const char* text;
    };
    const Case cases[] = {
        {"notice",
         notice_.get(),
         &notice_->lumbutton1,
         {0, 0, 569, 357},
         true,
         true,
         StyleSystemTheme,
         StyleRoundedGradient,
         std::nullopt,
         "返回主菜单"},
        {"about",
         about_.get(),
         &about_->lumbutton1,
         {0, 0, 298, 135},
         false,
         false,
         StyleSoftGloss,
         StyleSoftGloss,
         0x00FFD1AD,
         "确 定"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const win::HWND window = c.window->hWnd();
        win::RECT client{};
        win::GetClientRect(window, &client);
        EXPECT_EQ(client, c.client);
        const auto style = static_cast<win::DWORD>(win::GetWindowLong(window, win::GWL_STYLE));
        const auto exStyle = static_cast<win::DWORD>(win::GetWindowLong(window, win::GWL_EXSTYLE));
        EXPECT_EQ((style & win::WS_CAPTION) == win::WS_CAPTION, c.caption);
        EXPECT_EQ(style & (win::WS_MINIMIZEBOX | win::WS_MAXIMIZEBOX), 0u);
        EXPECT_EQ((exStyle & win::WS_EX_TOOLWINDOW) == 0, c.taskbar);
        EXPECT_FALSE(c.window->Icon());
        EXPECT_EQ(
            c.window->PropertyStore("lumbutton1").ReadProperty<std::int32_t>("ButtonStyle", 0),
            c.storedStyle);
        EXPECT_EQ(c.button->ButtonStyle(), c.shownStyle);
        if (c.backColor) {
            EXPECT_EQ(c.button->BackColor(), *c.backColor);
        }
        EXPECT_EQ(c.button->Caption(), c.text);
        ASSERT_TRUE(c.button->Font());
        EXPECT_EQ(c.button->Font()->Name(), "Tahoma");
    }
    EXPECT_EQ(notice_->Caption(), "Form1");
    EXPECT_EQ(about_->Caption(), "关于");
    win::RECT outer{};
    win::GetWindowRect(about_->hWnd(), &outer);
    EXPECT_EQ(outer.left, (1280 - 298) / 2);
    ASSERT_TRUE(about_->Picture());
    EXPECT_EQ(about_->Picture()->PixelWidth(), 300);
    EXPECT_EQ(about_->Picture()->PixelHeight(), 150);
}

TEST_F(CompanionWindowTest, LoadsAndUnloadsLeaveNoDrawingObjectBehind) {
    about_->Show();
    notice_->Show();
    desktop_.Pump();
    about_->Unload();
    notice_->Unload();
    desktop_.Pump();
    const win::GdiObjectCounts before = win::GdiLiveObjects();
    for (int round = 0; round < 2; ++round) {
        about_->Show();
        notice_->Show();
        desktop_.Pump();
        about_->Unload();
        notice_->Unload();
        desktop_.Pump();
    }
    EXPECT_EQ(win::GdiLiveObjects(), before);
}

TEST(PageAddressTest, FileAddressesEscapeEverythingButPlainPathCharacters) {
    struct Case {
        const char* path;
        const char* address;
    };
    const Case cases[] = {
        {"/usr/share/quellan/pages/notice.html", "file:///usr/share/quellan/pages/notice.html"},
        {"/tmp/a b/公告.html", "file:///tmp/a%20b/%E5%85%AC%E5%91%8A.html"},
        {"/tmp/100%#?&'\"/x", "file:///tmp/100%25%23%3F%26%27%22/x"},
        {"/tmp/./x/../notice.html", "file:///tmp/notice.html"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileAddress(c.path), c.address);
    }
    EXPECT_EQ(ShippedPageAddress("pages/absent.html"), "about:blank");
}

TEST(ShippedPagesTest, ChinesePagesWithoutScriptsOrRemoteResources) {
    for (std::string_view page : {kNoticePage, kHomePage}) {
        SCOPED_TRACE(page);
        const auto file = win::files::FindShippedData(page);
        ASSERT_TRUE(file.has_value());
        std::ifstream in(*file, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        EXPECT_NE(text.find("<meta charset=\"utf-8\">"), std::string::npos);
        EXPECT_NE(text.find("Quellan"), std::string::npos);
        EXPECT_NE(text.find("流量"), std::string::npos);
        for (const char* forbidden :
             {"<script", "http:", "https:", "src=", "url(", "@import", "<link", "<iframe", "<img",
              "on"
              "load="}) {
            EXPECT_EQ(text.find(forbidden), std::string::npos) << forbidden;
        }
    }
}

}  // namespace
}  // namespace quellan
