#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "skin_fixture.h"

namespace quellan::test {
namespace {

using win::HWND;

// The skin pixel the nine-piece composition puts at (x, y) of a w × h image: corners 4 × 5 as
// they are, the one centre column stretched sideways, the 11 middle rows stretched upwards with
// the source pixel under each destination pixel's centre.
win::POINT SkinSource(int x, int y, int w, int h) {
    const int sourceX = x < 4 ? x : (x >= w - 4 ? x - (w - 4) + 5 : 4);
    int sourceY = 0;
    if (y < 5) {
        sourceY = y;
    } else if (y >= h - 5) {
        sourceY = 16 + (y - (h - 5));
    } else {
        sourceY = 5 + (2 * (y - 5) + 1) * 11 / (2 * (h - 10));
    }
    return {sourceX, sourceY};
}

// Where the focus rectangle's dots fall; in one place so that a change in how the dots are laid
// out is mended here alone. They run round the outline from its top-right pixel, which is one,
// so they are the pixels whose x + y has that corner's parity.
bool IsFocusDot(int x, int y, const win::RECT& focus) {
    return (x + y - (focus.right - 1) - focus.top) % 2 == 0;
}

class ButtonImagesTest : public SkinTest {
protected:
    ButtonImagesTest() {
        form.Show();
        skin.SkinWindow(form.hWnd());
        ok = form.cmdOk.hWnd();
    }

    void Render(const std::string& caption) {
        win::SetWindowText(ok, caption);
        skin.DrawButtonStates(ok);
    }
    std::vector<std::uint32_t> Image(int state, int w = kButtonWidth, int h = kButtonHeight) {
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                pixels.push_back(StatePixel(ok, state, x, y));
            }
        }
        return pixels;
    }
    void ExpectBandsAndFace(int w, int h) {
        for (int state = 0; state < 4; ++state) {
            int wrong = 0;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    const win::POINT source = SkinSource(x, y, w, h);
                    if (StatePixel(ok, state, x, y) != SkinPixel(state, source.x, source.y)) {
                        ADD_FAILURE() << "state " << state << " at " << x << "," << y;
                        if (++wrong > 5) {
                            return;
                        }
                    }
                }
            }
        }
    }

    frmSkinTest form;
    HWND ok;
};

TEST_F(ButtonImagesTest, EveryStateHasTheSkinsBandsAndAStretchedFace) {
    Render("");
    ExpectBandsAndFace(kButtonWidth, kButtonHeight);
    // The face of 67 × 13 is the centre column's middle rows.
    EXPECT_EQ(StatePixel(ok, 1, 4, 5), SkinPixel(1, 4, 5));
    EXPECT_EQ(StatePixel(ok, 1, 70, 17), SkinPixel(1, 4, 15));
    EXPECT_EQ(StatePixel(ok, 1, 71, 17), SkinPixel(1, 5, 15));
    EXPECT_EQ(StatePixel(ok, 1, 70, 18), SkinPixel(1, 4, 16));
}

TEST_F(ButtonImagesTest, CaptionIsBlackExceptGreyInTheDisabledImage) {
    Render("");
    const std::vector<std::uint32_t> empty[] = {Image(0), Image(1), Image(2), Image(3)};
    Render("OK");
    for (int state = 0; state < 4; ++state) {
        const std::uint32_t ink = state == 3 ? 0x808080 : 0x000000;
        const std::vector<std::uint32_t> drawn = Image(state);
        int inked = 0;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            if (drawn[i] != empty[state][i]) {
                EXPECT_EQ(drawn[i], ink) << "state " << state << " pixel " << i;
                ++inked;
            }
        }
        EXPECT_GT(inked, 10) << "state " << state;
    }
}

TEST_F(ButtonImagesTest, ALongCaptionEndsInAnEllipsisWithinTheMargin) {
    Render("");
    const std::vector<std::uint32_t> empty = Image(0);
    const std::string caption(40, 'W');
    Render(caption);
    // The longest start of the caption that fits in the 71 pixels with "..." after it.
    const win::HDC dc = win::HDC::FromValue(static_cast<std::uintptr_t>(Prop(ok, "HDC0")));
    std::string expected;
    for (std::size_t n = caption.size(); n > 0; --n) {
        win::SIZE size{};
        const std::string candidate = caption.substr(0, n) + "...";
        win::GetTextExtentPoint32(dc, candidate, -1, &size);
        if (size.cx <= kButtonWidth - 4) {
            expected = candidate;
            break;
        }
    }
    ASSERT_FALSE(expected.empty());
    const std::vector<std::uint32_t> drawn = Image(0);
    Render(expected);
    EXPECT_EQ(drawn, Image(0));
    for (int y = 0; y < kButtonHeight; ++y) {
        for (int x : {0, 1, kButtonWidth - 2, kButtonWidth - 1}) {
            EXPECT_EQ(drawn[y * kButtonWidth + x], empty[y * kButtonWidth + x]) << x << "," << y;
        }
    }
}

TEST_F(ButtonImagesTest, AnAmpersandUnderlinesTheNextLetter) {
    Render("Open");
    const std::vector<std::uint32_t> plain = Image(0);
    Render("&Open");
    const std::vector<std::uint32_t> marked = Image(0);
    const win::HDC dc = win::HDC::FromValue(static_cast<std::uintptr_t>(Prop(ok, "HDC0")));
    win::SIZE word{}, letter{};
    win::GetTextExtentPoint32(dc, "Open", -1, &word);
    win::GetTextExtentPoint32(dc, "O", -1, &letter);
    const int left = 2 + (kButtonWidth - 4 - word.cx) / 2;
    int underlined = 0;
    for (int i = 0; i < kButtonWidth * kButtonHeight; ++i) {
        if (marked[i] != plain[i]) {
            const int x = i % kButtonWidth;
            EXPECT_EQ(marked[i], 0x000000u);
            EXPECT_GE(x, left);
            EXPECT_LT(x, left + letter.cx);
            ++underlined;
        }
    }
    EXPECT_GE(underlined, letter.cx - 1);
}

TEST_F(ButtonImagesTest, OnlyTheImagesRenderedWithTheFocusCarryTheFocusRectangle) {
    const win::RECT kFocus{2, 2, kButtonWidth - 2, kButtonHeight - 2};
    Render("");
    const std::vector<std::uint32_t> unfocused[] = {Image(0), Image(1), Image(2), Image(3)};
    win::SetFocus(ok);
    for (int state = 0; state < 4; ++state) {
        const std::vector<std::uint32_t> focused = Image(state);
        for (int x = 2; x < kButtonWidth - 2; ++x) {
            const int i = 2 * kButtonWidth + x;
            const std::uint32_t expected =
                IsFocusDot(x, 2, kFocus) ? unfocused[state][i] ^ 0xFFFFFF : unfocused[state][i];
            EXPECT_EQ(focused[i], expected) << "state " << state << " x " << x;
        }
    }
    win::SetFocus(form.txtName.hWnd());
    for (int state = 0; state < 4; ++state) {
        EXPECT_EQ(Image(state), unfocused[state]) << "state " << state;
    }
}

TEST_F(ButtonImagesTest, ResizingRendersNewImagesAndANewRegion) {
    Render("");
    const win::GdiObjectCounts objects = win::GdiLiveObjects();
    win::MoveWindow(ok, 10, 10, 100, 30, true);
    const win::HDC dc = win::HDC::FromValue(static_cast<std::uintptr_t>(Prop(ok, "HDC2")));
    EXPECT_EQ(win::GetDeviceCaps(dc, win::HORZRES), 100);
    EXPECT_EQ(win::GetDeviceCaps(dc, win::VERTRES), 30);
    ExpectBandsAndFace(100, 30);
    ExpectRoundedRegion(ok, 100, 30);
    EXPECT_EQ(win::GdiLiveObjects(), objects);
    // The images are the ones the button paints and fades with.
    desktop.Pump();
    EXPECT_EQ(Shown(form.hWnd(), 10 + 99, 10 + 28), SkinPixel(0, 8, 19));
}

}  // namespace
}  // namespace quellan::test
