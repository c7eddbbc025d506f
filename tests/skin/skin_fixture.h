#pragma once

// Skinning tests run on a fresh headless desktop with forms of their own.

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/forms/application.h"
#include "platform/forms/command_button.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/text_box.h"
#include "platform/gdi/gdi.h"
#include "platform/user/testing/headless_desktop.h"
#include "platform/user/user.h"
#include "platform/user/window_property_list.h"
#include "skin/m_skin_button.h"

namespace quellan::test {

inline constexpr int kButtonWidth = 75;
inline constexpr int kButtonHeight = 23;
inline constexpr int kTwips = 15;

// A borderless form at `left` pixels on the screen: an enabled and a disabled button of
// 75 × 23, an enabled and a disabled text box, and a picture box without an edge.
class frmSkinTest : public win::forms::Form {
public:
    explicit frmSkinTest(std::string name = "frmSkinTest", int left = 0)
        : Form(std::move(name)), left_(left) {}

    win::forms::CommandButton cmdOk{*this, "cmdOk"};
    win::forms::CommandButton cmdOff{*this, "cmdOff"};
    win::forms::TextBox txtName{*this, "txtName"};
    win::forms::TextBox txtOff{*this, "txtOff"};
    win::forms::PictureBox picPlain{*this, "picPlain"};

protected:
    void Design() override {
        SetBorderStyle(win::forms::FormBorderStyle::None);
        SetStartUpPosition(win::forms::StartUpPosition::Manual);
        SetClientSize(200 * kTwips, 100 * kTwips);
        Move(left_ * kTwips, 0);
        cmdOk.Move(10 * kTwips, 10 * kTwips, kButtonWidth * kTwips, kButtonHeight * kTwips);
        cmdOk.SetCaption("OK");
        cmdOff.Move(100 * kTwips, 10 * kTwips, kButtonWidth * kTwips, kButtonHeight * kTwips);
        cmdOff.SetCaption("Off");
        cmdOff.SetEnabled(false);
        txtName.Move(10 * kTwips, 50 * kTwips, 80 * kTwips, 20 * kTwips);
        txtOff.Move(100 * kTwips, 50 * kTwips, 80 * kTwips, 20 * kTwips);
        txtOff.SetEnabled(false);
        picPlain.Move(10 * kTwips, 75 * kTwips, 40 * kTwips, 20 * kTwips);
        picPlain.SetBorderStyle(0);
    }

private:
    int left_;
};

// 0xRRGGBB of a COLORREF.
inline std::uint32_t Rgb(win::COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// The corner pixels a 3 × 3 rounded region leaves out of a w × h button; in one place so that
// a change in how round-rectangle regions are rasterised is mended here alone.
inline std::vector<win::POINT> CutCorners(int w, int h) {
    return {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
}

inline void ExpectRoundedRegion(win::HWND button, int w, int h) {
    const win::HRGN region = win::CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(win::GetWindowRgn(button, region), win::ERROR);
    win::RECT box{};
    win::GetRgnBox(region, &box);
    EXPECT_EQ(box.right - box.left, w);
    EXPECT_EQ(box.bottom - box.top, h);
    for (const win::POINT corner : CutCorners(w, h)) {
        EXPECT_FALSE(win::PtInRegion(region, corner.x, corner.y)) << corner.x << "," << corner.y;
    }
    EXPECT_TRUE(win::PtInRegion(region, 1, 1));
    EXPECT_TRUE(win::PtInRegion(region, w - 2, h - 2));
    win::DeleteObject(region);
}

class SkinTest : public ::testing::Test {
protected:
    SkinTest() { win::forms::App().ResetForTesting(); }
    ~SkinTest() override { win::forms::App().ResetForTesting(); }

    static win::LONG_PTR Prop(win::HWND window, const std::string& name) {
        return win::GetProp(window, name);
    }
    static int PropertyCount(win::HWND window) {
        int count = 0;
        win::EnumProps(window, [&](win::HWND, std::string_view, win::LONG_PTR) {
            ++count;
            return true;
        });
        return count;
    }
    // A pixel of a button's image for `state`.
    static std::uint32_t StatePixel(win::HWND button, int state, int x, int y) {
        const auto dc = win::HDC::FromValue(
            static_cast<std::uintptr_t>(win::GetProp(button, "HDC" + std::to_string(state))));
        return Rgb(win::GetPixel(dc, x, y));
    }
    // A pixel of the shared skin, in the tile of `state`.
    static std::uint32_t SkinPixel(int state, int x, int y) {
        return Rgb(win::GetPixel(MSkinButton::Instance().SkinDc(), x, 21 * state + y));
    }
    // What the desktop shows of a form, in its client coordinates.
    std::uint32_t Shown(win::HWND form, int x, int y) const {
        return desktop.PresentedPixel(form, x, y) & 0xFFFFFF;
    }
    static bool AnyTimerRuns(win::HWND window) { return win::GetProp(window, "TIMERID") != 0; }

    win::testing::HeadlessDesktop desktop;
    MSkinButton& skin = MSkinButton::Instance();
};

}  // namespace quellan::test
