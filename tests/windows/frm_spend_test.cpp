#include "windows/frm_spend.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>

#include "meter/leading_number.h"
#include "platform/files/temporary_folder.h"
#include "platform/forms/application.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"

namespace quellan {
namespace {

class TariffWindowTest : public testing_support::TemporaryFolderTest {
protected:
    TariffWindowTest() {
        win::forms::App().ResetForTesting();
        desktop_.Host().SetScreen({1280, 800}, {0, 0, 1280, 770});
    }
    ~TariffWindowTest() override {
        window_.reset();
        win::forms::App().ResetForTesting();
    }

    std::filesystem::path TotalsFile() const { return Folder() / "allbandwidth.dat"; }

    frmSpend& Window() {
        if (!window_) {
            window_ = std::make_unique<frmSpend>(TotalsFile());
        }
        return *window_;
    }

    // The terms typed, then "计  算".
    void Calculate(const std::string& allowance, const std::string& price, const std::string& fee) {
        Window().Text1.SetText(allowance);
        Window().Text2.SetText(price);
        Window().Text3.SetText(fee);
        Window().frmSpend_lumbutton1_Click();
    }

    win::testing::HeadlessDesktop desktop_;
    std::unique_ptr<frmSpend> window_;
};

// Plain decimal text as number-to-text writes it: what every computed box must hold.
bool IsPlainNumber(const std::string& text) {
    std::size_t at = text.starts_with('-') ? 1 : 0;
    const std::size_t digits = text.find_first_not_of("0123456789", at);
    if (digits == at) {
        return false;
    }
    if (digits == std::string::npos) {
        return true;
    }
    return text[digits] == '.' && digits + 1 < text.size() &&
           text.find_first_not_of("0123456789", digits + 1) == std::string::npos;
}

TEST_F(TariffWindowTest, CalculationInItsFiveSteps) {
    struct Case {
        const char* name;
        std::optional<std::string> totalsFile;
        std::string allowance, price, fee;
        std::string megabytesAllowed, megabytesUsed, excess, due;
    };
    const Case cases[] = {
        {"over the allowance", "2097152\r\n", "1", "0.1", "50", "1024", "2048", "1024", "152.4"},
        {"under it: the fee as typed", "512000\r\n", "1", "0.1", "50", "1024", "500", "-524", "50"},
        {"no input, no file", std::nullopt, "", "", "", "0", "0", "0", "0"},
        {"an allowance of 1.5 GB", std::nullopt, "1.5", "", "", "1536", "0", "-1536", ""},
        {"exactly at it: the fee as a number", "2097152\r\n", "2", "0.1", "50元", "2048", "2048",
         "0", "50"},
        {"under it: trailing words kept", "2097152\r\n", "5", "0.1", "50元/月", "5120", "2048",
         "-3072", "50元/月"},
        {"over it: trailing words read as 50", "2097152\r\n", "1", "0.1", "50 元", "1024", "2048",
         "1024", "152.4"},
        {"a fraction of a megabyte reads back exactly", "1000\r\n", "", "2", "1", "0", "0.9765625",
         "0.9765625", "2.953125"},
        {"only the first line of the file", "3072\r\n999999999\r\n", "", "1", "0", "0", "3", "3",
         "3"},
        {"an empty file", "", "1", "1", "8", "1024", "0", "-1024", "8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(TotalsFile());
        if (c.totalsFile) {
            WriteFile(TotalsFile(), *c.totalsFile);
        }
        Window().Unload();
        Calculate(c.allowance, c.price, c.fee);
        EXPECT_EQ(Window().Text5.Text(), c.megabytesAllowed);
        EXPECT_EQ(Window().Text7.Text(), c.megabytesUsed);
        EXPECT_EQ(Window().Text8.Text(), c.excess);
        EXPECT_EQ(Window().Text6.Text(), c.due);
    }
}

TEST_F(TariffWindowTest, UnreadableTotalsFileReadsAsNothingStored) {
    std::filesystem::create_directory(TotalsFile());
    Calculate("1", "0.1", "50");
    EXPECT_EQ(Window().Text4.Text(), "");
    EXPECT_EQ(Window().Text7.Text(), "0");
    EXPECT_EQ(Window().Text6.Text(), "50");
}

TEST_F(TariffWindowTest, HostileInputNeverWritesANonFiniteFigure) {
    const std::string manyDigits(5000, '9');
    const std::string manyLetters(5000, 'x');
    const std::string hugeFraction = "0." + std::string(4000, '0') + "1";
    struct Case {
        std::string totals, allowance, price, fee;
    };
    const Case cases[] = {
        {"1e999", "1e999", "1e999", "1e999"},
        {"1e308", "1e306", "1e308", "1e308"},
        {"-1e308", "1e308", "-1e308", "-1e308"},
        {"-0", "-0", "-0", "-0"},
        {manyDigits, manyDigits, manyDigits, manyDigits},
        {manyLetters, manyLetters, manyLetters, manyLetters},
        {"1e300", "", "1e300", "1e300"},
        {hugeFraction, hugeFraction, hugeFraction, hugeFraction},
        {"nan", "inf", "-inf", "infinity"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.allowance.substr(0, 20));
        WriteFile(TotalsFile(), c.totals + "\r\n");
        Window().Unload();
        Calculate(c.allowance, c.price, c.fee);
        for (const win::forms::TextBox* box : {&Window().Text5, &Window().Text7, &Window().Text8}) {
            EXPECT_TRUE(IsPlainNumber(box->Text())) << box->Name() << ": " << box->Text();
            EXPECT_TRUE(std::isfinite(LeadingNumber(box->Text())));
        }
        const std::string due = Window().Text6.Text();
        EXPECT_TRUE(IsPlainNumber(due) || due == Window().Text3.Text()) << due.substr(0, 40);
    }
}

TEST_F(TariffWindowTest, BorderlessCentredWindowOffTheTaskbar) {
    Window().Show();
    const win::HWND window = Window().hWnd();
    win::RECT client{};
    win::GetClientRect(window, &client);
    EXPECT_EQ(client, (win::RECT{0, 0, 291, 351}));
    win::RECT outer{};
    win::GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, (1280 - 291) / 2);
    EXPECT_EQ(outer.top, (800 - 351) / 2);
    const auto style = static_cast<win::DWORD>(win::GetWindowLong(window, win::GWL_STYLE));
    const auto exStyle = static_cast<win::DWORD>(win::GetWindowLong(window, win::GWL_EXSTYLE));
    EXPECT_EQ(style & win::WS_CAPTION, 0u);
    EXPECT_EQ(style & (win::WS_MINIMIZEBOX | win::WS_MAXIMIZEBOX), 0u);
    EXPECT_NE(exStyle & win::WS_EX_TOOLWINDOW, 0u);
    EXPECT_EQ(Window().Caption(), "资费查询");
    ASSERT_TRUE(Window().Picture());
    EXPECT_EQ(Window().Picture()->PixelWidth(), 400);
    EXPECT_EQ(Window().Picture()->PixelHeight(), 350);
    ASSERT_TRUE(Window().Image1.Picture());
    EXPECT_EQ(Window().Image1.Picture()->PixelWidth(), 32);
    EXPECT_EQ(Window().Label1.Caption(), "Quellan资费查询");
    EXPECT_EQ(Window().Label1.ForeColor(), 0x00FFFFFFu);
    EXPECT_FALSE(Window().Text5.Visible());
    EXPECT_FALSE(Window().Text8.Visible());
}

TEST_F(TariffWindowTest, TheButtonKeepsItsDesignInTheFormsStore) {
    Window().Show();
    const lumbutton& button = Window().lumbutton1;
    EXPECT_EQ(button.ButtonStyle(), StyleOrangeGloss);
    EXPECT_EQ(button.BackColor(), 0x00FFD1ADu);
    EXPECT_EQ(button.Caption(), "计  算");
    ASSERT_TRUE(button.Font());
    EXPECT_EQ(button.Font()->Name(), "Tahoma");
    EXPECT_DOUBLE_EQ(button.Font()->Size(), 8.25);
    const win::forms::PropertyBag& store = Window().PropertyStore("lumbutton1");
    EXPECT_EQ(store.ReadProperty<std::int32_t>("ButtonStyle", 0), 8);
    EXPECT_EQ(store.ReadProperty<std::int32_t>("BackColor", 0), 0x00FFD1AD);
}

TEST_F(TariffWindowTest, AClickOnTheButtonCalculates) {
    WriteFile(TotalsFile(), "2097152\r\n");
    Window().Show();
    Window().Text1.SetText("1");
    Window().Text2.SetText("0.1");
    Window().Text3.SetText("50");
    desktop_.Pump();
    win::RECT button{};
    win::GetWindowRect(Window().lumbutton1.hWnd(), &button);
    desktop_.Host().Click({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    desktop_.Pump();
    EXPECT_EQ(Window().Text6.Text(), "152.4");
}

TEST_F(TariffWindowTest, MinimizedWindowComesBackWhenShownAgain) {
    Window().Show();
    desktop_.Pump();
    Window().Text1.SetText("3");
    Window().Command1.PerformClick();
    desktop_.Pump();
    EXPECT_TRUE(win::IsIconic(Window().hWnd()));
    EXPECT_EQ(Window().WindowState(), win::forms::vbMinimized);
    EXPECT_TRUE(Window().IsLoaded()) << "minimized, not closed";
    const auto* native = desktop_.Host().FindWindow(desktop_.NativeOf(Window().hWnd()));
    ASSERT_NE(native, nullptr);
    EXPECT_TRUE(native->minimized);
    EXPECT_NE(win::GetActiveWindow(), Window().hWnd());
    Window().Show();
    desktop_.Pump();
    EXPECT_FALSE(win::IsIconic(Window().hWnd()));
    EXPECT_FALSE(native->minimized);
    EXPECT_EQ(win::GetActiveWindow(), Window().hWnd());
    EXPECT_EQ(Window().Text1.Text(), "3") << "the same window, restored";
}

TEST_F(TariffWindowTest, XEndsTheProgramWithoutTouchingTheTotalsFile) {
    WriteFile(TotalsFile(), "777\r\n");
    Window().Show();
    Window().Command3.PerformClick();  // no action
    EXPECT_FALSE(win::forms::App().Ended());
    Window().Command2.PerformClick();
    EXPECT_TRUE(win::forms::App().Ended());
    EXPECT_EQ(ReadFile(TotalsFile()), "777\r\n");
}

TEST_F(TariffWindowTest, PaintingReleasesWhatItCreates) {
    Window().Show();
    desktop_.Pump();
    const win::GdiObjectCounts before = win::GdiLiveObjects();
    Calculate("1", "0.1", "50");
    win::InvalidateRect(Window().hWnd(), nullptr, true);
    desktop_.Pump();
    EXPECT_EQ(win::GdiLiveObjects(), before);
}

}  // namespace
}  // namespace quellan
