#include <cstdint>

#include <gtest/gtest.h>

#include "forms_fixture.h"
#include "platform/forms/form.h"
#include "platform/user/user.h"

namespace win::forms::testing {
namespace {

PictureRef SolidIcon(int size, std::uint32_t argb) {
    png::PngImage image;
    image.width = size;
    image.height = size;
    image.bitsPerPixel = 32;
    image.pixels.assign(static_cast<std::size_t>(size * size), argb);
    return StdPicture::FromImage(image, PictureType::Icon);
}

class frmIcon : public Form {
public:
    frmIcon() : Form("frmIcon") {}
    PictureRef designIcon = SolidIcon(32, 0xFF00FF00);

protected:
    void Design() override { SetIcon(designIcon); }
};

class FormIcon : public FormsTest {
protected:
    const host::headless::HeadlessWindow* Native(HWND window) {
        return desktop.Host().FindWindow(desktop.NativeOf(window));
    }
};

TEST_F(FormIcon, TheDesktopGetsTheIconWhenTheWindowIsMadeAndWhenItChanges) {
    frmIcon form;
    form.Show();
    const HWND window = form.hWnd();
    const auto handle = static_cast<LRESULT>(form.designIcon->Handle().Value());
    EXPECT_EQ(SendMessage(window, WM_GETICON, ICON_BIG, 0), handle);
    EXPECT_EQ(SendMessage(window, WM_GETICON, ICON_SMALL, 0), handle);
    ASSERT_TRUE(Native(window));
    EXPECT_EQ(Native(window)->iconSize.width, 32);
    ASSERT_FALSE(Native(window)->icon.empty());
    EXPECT_EQ(Native(window)->icon.front() & 0xFFFFFF, 0x00FF00u);

    // The form keeps the picture alive: dropping ours leaves its handle good.
    PictureRef replacement = SolidIcon(16, 0xFFFF0000);
    const auto replacementHandle = static_cast<LRESULT>(replacement->Handle().Value());
    form.SetIcon(std::move(replacement));
    EXPECT_EQ(SendMessage(window, WM_GETICON, ICON_BIG, 0), replacementHandle);
    EXPECT_EQ(Native(window)->iconSize.width, 16);
    EXPECT_EQ(Native(window)->icon.front() & 0xFFFFFF, 0xFF0000u);
    EXPECT_TRUE(form.Icon());

    // A load afresh gives the new window the design's icon again.
    form.Unload();
    form.Show();
    EXPECT_EQ(SendMessage(form.hWnd(), WM_GETICON, ICON_BIG, 0), handle);
    EXPECT_EQ(Native(form.hWnd())->iconSize.width, 32);
}

}  // namespace
}  // namespace win::forms::testing
