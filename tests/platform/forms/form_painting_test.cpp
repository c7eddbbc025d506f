#include <cstdint>

#include <gtest/gtest.h>

#include "forms_fixture.h"
#include "platform/forms/form.h"
#include "platform/forms/frame.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/twips.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pixel_access.h"
#include "platform/user/user.h"

namespace win::forms::testing {
namespace {

constexpr std::uint32_t kRed = 0xFF0000;  // as presented: 0x00RRGGBB
constexpr std::uint32_t kWhite = 0xFFFFFF;

PictureRef SolidPicture(int width, int height, std::uint32_t argb, PictureType type) {
    png::PngImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = 32;
    image.pixels.assign(static_cast<std::size_t>(width * height), argb);
    return StdPicture::FromImage(image, type);
}

class frmPainted : public Form {
public:
    frmPainted() : Form("frmPainted") {}

    Label lblClear{*this, "lblClear"};
    Label lblWhite{*this, "lblWhite"};
    Image imgIcon{*this, "imgIcon"};
    Frame fraBox{*this, "fraBox"};
    Label lblInside{fraBox, "lblInside"};

protected:
    void Design() override {
        SetBorderStyle(FormBorderStyle::None);
        SetStartUpPosition(StartUpPosition::Manual);
        SetClientSize(3000, 3000);
        SetPicture(SolidPicture(200, 200, 0xFFFF0000, PictureType::Bitmap));
        lblClear.Move(150, 150, 1500, 300);
        lblClear.SetBackStyle(BackStyle::Transparent);
        lblClear.SetForeColor(0x00000000);
        lblClear.SetCaption("WWWW");
        lblWhite.Move(150, 600, 1500, 300);
        lblWhite.SetBackColor(0x00FFFFFF);
        lblWhite.SetCaption("");
        imgIcon.Move(150, 1050, 0, 0);
        // Half of the icon is see-through.
        png::PngImage icon;
        icon.width = 4;
        icon.height = 1;
        icon.pixels = {0xFF0000FF, 0xFF0000FF, 0x000000FF, 0x000000FF};
        imgIcon.SetPicture(StdPicture::FromImage(icon, PictureType::Icon));
        fraBox.Move(1500, 1500, 1200, 1200);
        lblInside.Move(150, 150, 300, 300);
        lblInside.SetBackColor(0x00FFFFFF);
    }
};

class FormPainting : public FormsTest {
protected:
    // What the desktop shows, without the byte a blend may leave above the colour.
    std::uint32_t Colour(HWND window, int x, int y) const {
        return desktop.PresentedPixel(window, x, y) & 0xFFFFFF;
    }
};

TEST_F(FormPainting, LabelsAndImagesArePaintedOverTheBackgroundPicture) {
    frmPainted form;
    form.Show();
    desktop.Pump();
    const HWND window = form.hWnd();
    // Outside every control: the picture.
    EXPECT_EQ(Colour(window, 190, 190), kRed);
    // A transparent label shows the picture between its letters and its colour in them.
    bool foundText = false;
    for (int x = 10; x < 110 && !foundText; ++x) {
        for (int y = 10; y < 30 && !foundText; ++y) {
            foundText = Colour(window, x, y) == 0x000000;
        }
    }
    EXPECT_TRUE(foundText);
    EXPECT_EQ(Colour(window, 105, 25), kRed);
    // An opaque label covers the picture with its background.
    EXPECT_EQ(Colour(window, 50, 50), kWhite);
    // The icon blends by its alpha; the image took the picture's size.
    EXPECT_EQ(form.imgIcon.Width(), 60);
    EXPECT_EQ(Colour(window, 10, 70), 0x0000FF);
    EXPECT_EQ(Colour(window, 13, 70), kRed);
}

TEST_F(FormPainting, ControlsInAFrameUseTheFramesCoordinates) {
    frmPainted form;
    form.Show();
    desktop.Pump();
    RECT frame;
    GetWindowRect(form.fraBox.hWnd(), &frame);
    POINT origin{0, 0};
    ClientToScreen(form.hWnd(), &origin);
    EXPECT_EQ(frame.left - origin.x, 100);
    EXPECT_EQ(frame.top - origin.y, 100);
    POINT inside{15, 15};
    ClientToScreen(form.fraBox.hWnd(), &inside);
    ScreenToClient(form.hWnd(), &inside);
    EXPECT_EQ(Colour(form.hWnd(), inside.x, inside.y), kWhite);
}

TEST_F(FormPainting, ChangingACaptionRepaintsAndReleasesWhatItDrewWith) {
    frmPainted form;
    form.Show();
    desktop.Pump();
    const GdiObjectCounts before = GdiLiveObjects();
    form.lblWhite.SetBackColor(0x000000FF);
    desktop.Pump();
    EXPECT_EQ(Colour(form.hWnd(), 50, 50), kRed);
    EXPECT_EQ(GdiLiveObjects(), before);
}

TEST_F(FormPainting, AutoSizeFitsTheLabelToItsText) {
    frmPainted form;
    form.Load();
    form.lblClear.SetAutoSize(true);
    const int oneWord = form.lblClear.Width();
    EXPECT_GT(oneWord, 0);
    EXPECT_EQ(oneWord % kTwipsPerPixel, 0);
    form.lblClear.SetCaption("WWWWWWWW");
    EXPECT_GT(form.lblClear.Width(), oneWord);
    const int narrow = form.lblClear.Width();
    form.lblClear.Font()->SetSize(20);
    EXPECT_GT(form.lblClear.Width(), narrow);
}

class frmGraph : public Form {
public:
    frmGraph() : Form("frmGraph") {}
    PictureBox PIC1{*this, "PIC1"};

protected:
    void Design() override {
        SetClientSize(3000, 3000);
        PIC1.Move(0, 0, 1500, 1500);
        PIC1.SetBorderStyle(0);
        PIC1.SetAutoRedraw(true);
    }
};

TEST_F(FormPainting, APictureBoxKeepsLinesAndBoxesWithBothEndPoints) {
    frmGraph form;
    form.Show();
    form.PIC1.SetScaleMode(vbPixels);
    EXPECT_EQ(form.PIC1.ScaleWidth(), 100);
    form.PIC1.SetBackColor(0x00000000);
    form.PIC1.Cls();
    // 2.5 rounds to 2 and 3.5 to 4: halves go to the even pixel.
    form.PIC1.Line(2.5, 10, 3.5, 10, 0x0000FF00);
    form.PIC1.Box(20, 20, 30, 25, 0x000000FF);
    HDC dc = form.PIC1.hDC();
    EXPECT_EQ(GetPixel(dc, 1, 10), 0x00000000u);
    EXPECT_EQ(GetPixel(dc, 2, 10), 0x0000FF00u);
    EXPECT_EQ(GetPixel(dc, 4, 10), 0x0000FF00u);
    EXPECT_EQ(GetPixel(dc, 5, 10), 0x00000000u);
    EXPECT_EQ(GetPixel(dc, 30, 25), 0x000000FFu);
    EXPECT_EQ(GetPixel(dc, 25, 22), 0x00000000u);
    // Twips: 15 to the pixel.
    form.PIC1.SetScaleMode(vbTwips);
    EXPECT_EQ(form.PIC1.ScaleHeight(), 1500);
    form.PIC1.Line(600, 600, 600, 600, 0x00FFFFFF);
    EXPECT_EQ(GetPixel(dc, 40, 40), 0x00FFFFFFu);
    // The drawing survives a repaint of the window.
    desktop.Pump();
    InvalidateRect(form.hWnd(), nullptr, true);
    desktop.Pump();
    POINT probe{30, 25};
    MapWindowPoints(form.PIC1.hWnd(), form.hWnd(), &probe, 1);
    EXPECT_EQ(Colour(form.hWnd(), probe.x, probe.y), kRed);
}

}  // namespace
}  // namespace win::forms::testing
