// The real program on a private X desktop with a tray: it starts from the tray menu window, the
// icon's right click opens the pop-up menu, the buttons and items open their windows, "退出"
// ends it.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "meter/leading_number.h"
#include "platform/files/temporary_folder.h"
#include "tests/app/gui/child_process.h"
#include "tests/support/desktop_probe.h"

namespace quellan::gui_testing {

using namespace desktop_testing;
namespace {

constexpr int kMenuWidth = 346;  // 5190 × 4950 twips
constexpr int kMenuHeight = 330;
constexpr int kMiniWidth = 148;
constexpr int kTwipsPerPixel = 15;
// Where trayer (scripts/with-desktop.sh --tray) sits: the bottom right, 120 × 28.
constexpr ScreenRect kTrayArea{1160, 772, 1280, 800};
// The icon's face, #1d5f9e: a flat area that any scaling keeps somewhere.
constexpr std::uint32_t kIconFace = 0x1D5F9E;

struct ButtonBox {
    const char* name;
    int left, top, width, height;  // twips in the client area
    const char* opens;             // the title of the window it opens
};
constexpr ButtonBox kButtons[] = {
    {"lumbutton1", 240, 1440, 1575, 375, "Quellan详细信息"},
    {"lumbutton2", 3360, 1440, 1575, 375, "Quellan"},
    {"lumbutton3", 1680, 3000, 1815, 375, "资费查询"},
    {"lumbutton4", 3600, 70, 1455, 375, "Form1"},
};

// 0xRRGGBB.
constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>((r << 16) | (g << 8) | b);
}

// The orange gloss style over the back colour RGB(173, 209, 255), 25 pixels high, worked out
// from its drawing rules by hand. Bands split at round(25 / 2.7) = 9; each band runs from its
// start colour on its first row to its end colour on its last, channel by channel with
// truncating steps: start + i * (end - start) / (rows - 1).
//   frame: the back colour shifted by -0.34 (-86.7 per channel): (86, 122, 168);
//   upper band, rows 0..8, from avg(shift(back, +0.09), white) = (226, 244, 255) to
//     avg(shift(back, +0.07), back) = (182, 218, 255): row 1 is (221, 241, 255);
//   lower band, rows 9..24, from the back colour to shift(back, +0.03) = (181, 217, 255):
//     row 9 is (173, 209, 255), row 23 (180, 216, 255);
//   under the pointer the hot bands: the lower one starts with (255, 215, 103), orange.
constexpr std::uint32_t kFrame = Rgb(86, 122, 168);
constexpr std::uint32_t kUpperRow1 = Rgb(221, 241, 255);
constexpr std::uint32_t kUpperRow8 = Rgb(182, 218, 255);
constexpr std::uint32_t kLowerRow9 = Rgb(173, 209, 255);
constexpr std::uint32_t kLowerRow23 = Rgb(180, 216, 255);
constexpr std::uint32_t kHotLowerRow9 = Rgb(255, 215, 103);

// Twips to pixels as the forms place controls: to the nearest pixel (no halves occur here).
constexpr int Pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

struct Placed {
    std::uint64_t window;
    ScreenRect rect;
};

std::optional<Placed> ManagedWindowOfWidth(const std::string& title, int width) {
    for (std::uint64_t window : ManagedWindowsTitled(title)) {
        const auto info = InfoOf(window);
        if (info && info->viewable && info->rect.right - info->rect.left == width) {
            return Placed{window, info->rect};
        }
    }
    return std::nullopt;
}

std::optional<Placed> WaitForWindowOfWidth(const std::string& title, int width) {
    std::optional<Placed> found;
    PollUntil([&] { return (found = ManagedWindowOfWidth(title, width)).has_value(); });
    return found;
}

// Viewable windows the window manager does not manage (our pop-ups), from the root's children.
std::vector<ScreenRect> UnmanagedWindows() {
    std::vector<ScreenRect> found;
    std::istringstream lines(RunTool("xwininfo -root -children"));
    std::string line;
    const std::regex id("^\\s+(0x[0-9a-f]+) ");
    while (std::getline(lines, line)) {
        std::smatch match;
        if (!std::regex_search(line, match, id)) {
            continue;
        }
        const auto info = InfoOf(std::stoull(match[1].str(), nullptr, 16));
        if (info && info->viewable && info->overrideRedirect &&
            info->rect.right - info->rect.left > 20) {
            found.push_back(info->rect);
        }
    }
    return found;
}

// The centre of the icon's face in the tray; nullopt when the tray shows no icon of ours.
std::optional<std::pair<int, int>> IconInTray(const Screenshot& shot) {
    long sumX = 0, sumY = 0, count = 0;
    for (int y = kTrayArea.top; y < kTrayArea.bottom; ++y) {
        for (int x = kTrayArea.left; x < kTrayArea.right; ++x) {
            if (shot.Pixel(x, y) == kIconFace) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    }
    if (count < 20) {
        return std::nullopt;
    }
    return std::pair<int, int>{static_cast<int>(sumX / count), static_cast<int>(sumY / count)};
}

class TrayMenuOnDesktop : public testing_support::TemporaryFolderTest {
protected:
    std::filesystem::path TotalsFile() const { return Folder() / "allbandwidth.dat"; }

    void StartProgram() {
        program_.emplace(QUELLAN_PROGRAM, std::vector<std::string>{}, Folder(), "quellan");
        ASSERT_TRUE(program_->Started());
        ASSERT_NO_FATAL_FAILURE(WaitForMenuWindow());
    }

    void WaitForMenuWindow() {
        menu_ = WaitForWindowOfWidth("Quellan", kMenuWidth);
        ASSERT_TRUE(menu_) << program_->Errors();
    }

    // The screen point of a spot in a button, in pixels from its top-left corner.
    std::pair<int, int> InButton(const ButtonBox& button, int x, int y) const {
        return {menu_->rect.left + Pixels(button.left) + x,
                menu_->rect.top + Pixels(button.top) + y};
    }
    void ClickButton(const ButtonBox& button) const {
        const auto [x, y] =
            InButton(button, button.width / kTwipsPerPixel / 2, button.height / kTwipsPerPixel / 2);
        ClickAt(x, y);
    }

    std::optional<std::pair<int, int>> WaitForIcon() const {
        std::optional<std::pair<int, int>> icon;
        PollUntil([&] { return (icon = IconInTray(Screenshot("tray"))).has_value(); });
        return icon;
    }

    // A right click on the icon; the menu that opens at the pointer, or nullopt.
    std::optional<ScreenRect> OpenTrayMenu() const {
        const auto icon = WaitForIcon();
        if (!icon) {
            ADD_FAILURE() << "no icon in the tray";
            return std::nullopt;
        }
        RunTool("xdotool mousemove " + std::to_string(icon->first) + " " +
                std::to_string(icon->second) + " click 3");
        std::optional<ScreenRect> menu;
        PollUntil([&] {
            for (const ScreenRect& rect : UnmanagedWindows()) {
                // At the pointer; so near the screen's corner, moved to fit, over it.
                const bool atPointer = rect.left <= icon->first && icon->first <= rect.right &&
                                       rect.top <= icon->second && icon->second <= rect.bottom;
                if (atPointer) {
                    menu = rect;
                    return true;
                }
            }
            return false;
        });
        return menu;
    }

    // Clicks the item at `index` (0 for the first) of the open menu, whose six items share its
    // height but for a thin frame. A click, not keys: the keys could come before the menu has
    // taken the keyboard.
    static void ChooseItem(const ScreenRect& menu, int index) {
        const int itemHeight = (menu.bottom - menu.top) / 6;
        ClickAt((menu.left + menu.right) / 2, menu.top + itemHeight * index + itemHeight / 2);
    }

    std::optional<ChildProcess> program_;
    std::optional<Placed> menu_;
};

TEST_F(TrayMenuOnDesktop, AtStartTheMenuWindowIsCentredWithItsButtonsTheMiniWindowAndTheIcon) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    EXPECT_EQ(menu_->rect.bottom - menu_->rect.top, kMenuHeight);
    // Centred with its frame: the frame's extents around the content, the whole on the screen's
    // centre.
    std::string extents;
    ASSERT_TRUE(PollUntil([&] {
        extents = PropertiesOf(menu_->window, "_NET_FRAME_EXTENTS");
        return extents.find(" = ") != std::string::npos;
    }));
    int left = 0, right = 0, top = 0, bottom = 0;
    char comma = 0;
    std::istringstream(extents.substr(extents.find(" = ") + 3)) >> left >> comma >> right >>
        comma >> top >> comma >> bottom;
    const int centreX = (menu_->rect.left - left + menu_->rect.right + right) / 2;
    const int centreY = (menu_->rect.top - top + menu_->rect.bottom + bottom) / 2;
    EXPECT_LE(std::abs(centreX - 640), 2) << extents;
    EXPECT_LE(std::abs(centreY - 400), 2) << extents;
    const std::string states = PropertiesOf(menu_->window, "_NET_WM_STATE");
    EXPECT_NE(states.find("_NET_WM_STATE_SKIP_TASKBAR"), std::string::npos) << states;

    const auto mini = WaitForWindowOfWidth("Quellan", kMiniWidth);
    ASSERT_TRUE(mini) << "no mini window";
    const ScreenRect work = WorkArea();
    EXPECT_EQ(mini->rect.right, work.right);
    EXPECT_LT(mini->rect.bottom, work.bottom);
    EXPECT_GT(mini->rect.bottom, work.bottom - 40);
    EXPECT_TRUE(WaitForIcon()) << "no icon in the tray";

    // Each button in its normal look, then under the pointer.
    RunTool("xdotool mousemove 5 5");
    struct Probe {
        int x, y;
        std::uint32_t colour;
    };
    const Probe normal[] = {{0, 12, kFrame},    {2, 1, kUpperRow1},   {2, 8, kUpperRow8},
                            {2, 9, kLowerRow9}, {2, 23, kLowerRow23}, {3, 24, kFrame}};
    for (const ButtonBox& button : kButtons) {
        SCOPED_TRACE(button.name);
        const int width = Pixels(button.width);
        std::vector<Probe> probes(std::begin(normal), std::end(normal));
        probes.push_back({width - 1, 12, kFrame});
        probes.push_back({width - 3, 9, kLowerRow9});
        bool drawn = PollUntil([&] {
            const Screenshot shot("tray-menu-window");
            return std::all_of(probes.begin(), probes.end(), [&](const Probe& p) {
                const auto [x, y] = InButton(button, p.x, p.y);
                return shot.Pixel(x, y) == p.colour;
            });
        });
        if (!drawn) {
            const Screenshot shot("tray-menu-window");
            for (const Probe& p : probes) {
                const auto [x, y] = InButton(button, p.x, p.y);
                EXPECT_EQ(shot.Pixel(x, y), p.colour) << p.x << "," << p.y;
            }
        }
        const auto [hx, hy] = InButton(button, width / 2, 12);
        RunTool("xdotool mousemove " + std::to_string(hx) + " " + std::to_string(hy));
        EXPECT_TRUE(PollUntil([&] {
            const auto [x, y] = InButton(button, 2, 9);
            return Screenshot("tray-menu-window-hot").Pixel(x, y) == kHotLowerRow9;
        })) << "not orange under the pointer";
        RunTool("xdotool mousemove 5 5");
    }
    EXPECT_TRUE(program_->Running());
}

TEST_F(TrayMenuOnDesktop, TheIconsRightClickOpensTheSixItemMenuAndAboutReplacesTheMenuWindow) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    const auto opened = OpenTrayMenu();
    ASSERT_TRUE(opened) << "no menu at the pointer";
    Screenshot("tray-pop-up-menu");
    const int height = opened->bottom - opened->top;
    // Six items of the same height and a thin frame.
    EXPECT_GT(height, 6 * 14);
    EXPECT_LT(height, 6 * 30);

    ChooseItem(*opened, 4);  // "关于"
    EXPECT_TRUE(WaitForManagedWindow("关于")) << program_->Errors();
    EXPECT_TRUE(PollUntil([] { return !ManagedWindowOfWidth("Quellan", kMenuWidth); }))
        << "the menu window is still there";
    Screenshot("about-window");
    EXPECT_TRUE(program_->Running());
}

TEST_F(TrayMenuOnDesktop, EachButtonOpensItsWindowAndTheMenuWindowGoes) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    for (const ButtonBox& button : kButtons) {
        SCOPED_TRACE(button.name);
        ClickButton(button);
        EXPECT_TRUE(PollUntil([] { return !ManagedWindowOfWidth("Quellan", kMenuWidth); }))
            << "the menu window is still there";
        EXPECT_TRUE(WaitForManagedWindow(button.opens)) << program_->Errors();
        Screenshot(std::string("opened-by-") + button.name);
        // Back through the tray: "显示目录".
        const auto trayMenu = OpenTrayMenu();
        ASSERT_TRUE(trayMenu);
        ChooseItem(*trayMenu, 0);
        ASSERT_NO_FATAL_FAILURE(WaitForMenuWindow());
    }
}

// The desktop's minimise takes the menu window away and the tray's "显示目录" brings the same
// window back; the tariff window's "_" minimises it until its button shows it again.
TEST_F(TrayMenuOnDesktop, MinimisedWindowsComeBackWhenShown) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    const std::uint64_t menuWindow = menu_->window;
    RunTool("xdotool windowminimize " + HexWindow(menuWindow));
    EXPECT_TRUE(PollUntil([] { return !ManagedWindowOfWidth("Quellan", kMenuWidth); }));
    auto trayMenu = OpenTrayMenu();
    ASSERT_TRUE(trayMenu);
    ChooseItem(*trayMenu, 0);
    ASSERT_NO_FATAL_FAILURE(WaitForMenuWindow());
    EXPECT_EQ(menu_->window, menuWindow) << "the same window, brought back";

    const ButtonBox& tariffButton = kButtons[2];
    ClickButton(tariffButton);
    const auto tariff = WaitForManagedWindow(tariffButton.opens);
    ASSERT_TRUE(tariff) << program_->Errors();
    const auto placed = InfoOf(*tariff);
    ASSERT_TRUE(placed);
    // "_": 3480, 120, 255 x 255 twips in the borderless window.
    ClickAt(placed->rect.left + Pixels(3480) + 8, placed->rect.top + Pixels(120) + 8);
    EXPECT_TRUE(PollUntil([&] {
        const auto info = InfoOf(*tariff);
        return info && !info->viewable;
    })) << "the tariff window is still shown";
    EXPECT_TRUE(program_->Running());
    trayMenu = OpenTrayMenu();
    ASSERT_TRUE(trayMenu);
    ChooseItem(*trayMenu, 0);
    ASSERT_NO_FATAL_FAILURE(WaitForMenuWindow());
    ClickButton(tariffButton);
    EXPECT_EQ(WaitForManagedWindow(tariffButton.opens), tariff) << "the same window, brought back";
    Screenshot("tariff-window-back");
}

TEST_F(TrayMenuOnDesktop, EndSavesTheTotalEndsTheProgramAndTakesTheIconAway) {
    WriteFile(TotalsFile(), "1000\r\n");
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    const auto trayMenu = OpenTrayMenu();
    ASSERT_TRUE(trayMenu);
    ChooseItem(*trayMenu, 5);  // "退出"
    EXPECT_EQ(program_->WaitForExit(kPatience), std::optional<int>(0)) << program_->Errors();
    const std::string saved = ReadFile(TotalsFile());
    EXPECT_TRUE(std::regex_match(saved, std::regex("[0-9]+\r\n"))) << saved;
    EXPECT_GE(LeadingNumber(saved), 1000.0);
    EXPECT_FALSE(IconInTray(Screenshot("after-end"))) << "the icon is still in the tray";
    EXPECT_TRUE(ManagedWindowsTitled("Quellan").empty());
}

}  // namespace
}  // namespace quellan::gui_testing
