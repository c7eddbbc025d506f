#include <gtest/gtest.h>

#include <map>

#include "platform/gdi/gdi.h"
#include "recording_window.h"

namespace win::test {
namespace {

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kWhite = 0xFFFFFF;

std::uint32_t PixelColourOf(COLORREF colour) {
    return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

// Each window fills its whole client area in its own colour on WM_PAINT.
class PaintingTest : public RecordingTest {
protected:
    PaintingTest() {
        WNDCLASS windowClass;
        windowClass.lpfnWndProc = &DefWindowProc;
        windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        windowClass.lpszClassName = "WhitePanel";
        RegisterClass(windowClass);
        onMessage = [this](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (message != WM_PAINT || !colours.contains(window)) {
                return std::nullopt;
            }
            ++paints[window];
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            lastPaintBox = paint.rcPaint;
            RECT client;
            GetClientRect(window, &client);
            HBRUSH brush = CreateSolidBrush(colours[window]);
            FillRect(dc, &client, brush);
            DeleteObject(brush);
            EndPaint(window, &paint);
            return 0;
        };
        form = Make("form", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
        colours[form] = RGB(0, 255, 0);
    }

    HWND Child(const std::string& name, RECT rect, COLORREF colour, DWORD style = 0) {
        const HWND child = Make(name, WS_CHILD | WS_VISIBLE | style, rect, form);
        colours[child] = colour;
        return child;
    }
    std::uint32_t Pixel(int x, int y) { return desktop.PresentedPixel(form, x, y); }

    HWND form;
    std::map<HWND, COLORREF> colours;
    std::map<HWND, int> paints;
    RECT lastPaintBox{};
};

TEST_F(PaintingTest, ChildrenPaintOverTheirParentAfterIt) {
    Child("a", {10, 10, 30, 30}, RGB(255, 0, 0));
    desktop.Pump();
    EXPECT_EQ(Pixel(5, 5), kGreen);
    EXPECT_EQ(Pixel(10, 10), kRed);
    EXPECT_EQ(Pixel(29, 29), kRed);
    EXPECT_EQ(Pixel(30, 30), kGreen);
}

TEST_F(PaintingTest, SiblingsClipEachOtherOnlyWhenTheyAskTo) {
    const HWND below = Child("below", {10, 10, 50, 50}, RGB(255, 0, 0), WS_CLIPSIBLINGS);
    const HWND above = Child("above", {30, 30, 70, 70}, RGB(0, 0, 255));
    // Created later, so lower in the stacking order: bring "above" up.
    SetWindowPos(above, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    desktop.Pump();
    EXPECT_EQ(Pixel(40, 40), kBlue);
    // Repainting the lower one alone leaves the upper one alone.
    InvalidateRect(below, nullptr, true);
    desktop.Pump();
    EXPECT_EQ(paints[above], 1);
    EXPECT_EQ(Pixel(40, 40), kBlue);
    EXPECT_EQ(Pixel(20, 20), kRed);

    // Without WS_CLIPSIBLINGS the lower one paints straight over.
    SetWindowLongPtr(below, GWL_STYLE, GetWindowLongPtr(below, GWL_STYLE) & ~WS_CLIPSIBLINGS);
    InvalidateRect(below, nullptr, true);
    desktop.Pump();
    EXPECT_EQ(Pixel(40, 40), kRed);
}

TEST_F(PaintingTest, PaintIsClippedToTheUpdateRegion) {
    desktop.Pump();
    const HWND child = Child("child", {0, 0, 100, 100}, RGB(255, 0, 0));
    desktop.Pump();
    colours[child] = RGB(0, 0, 255);
    const RECT part{10, 20, 30, 40};
    InvalidateRect(child, &part, false);
    desktop.Pump();
    EXPECT_EQ(lastPaintBox, part);
    EXPECT_EQ(Pixel(10, 20), kBlue);
    EXPECT_EQ(Pixel(29, 39), kBlue);
    EXPECT_EQ(Pixel(30, 39), kRed);
    EXPECT_EQ(Pixel(9, 20), kRed);
    // Validated: nothing more to paint.
    const int count = paints[child];
    desktop.Pump();
    EXPECT_EQ(paints[child], count);
}

TEST_F(PaintingTest, WindowDcDrawingGoesStraightToTheScreenAndStays) {
    const HWND child = Child("child", {10, 10, 50, 50}, RGB(255, 0, 0));
    desktop.Pump();
    const int before = paints[child];
    const GdiObjectCounts objects = GdiLiveObjects();
    // A fade step: drawn from a timer on the window DC, no invalidation.
    HDC dc = GetWindowDC(child);
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    const RECT all{0, 0, 40, 40};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ReleaseDC(child, dc);
    desktop.Pump();
    EXPECT_EQ(paints[child], before);
    EXPECT_EQ(Pixel(10, 10), kBlue);
    EXPECT_EQ(Pixel(9, 9), kGreen);
    // Another window's repaint does not bring the old look back.
    const HWND other = Child("other", {60, 60, 70, 70}, RGB(255, 0, 0));
    InvalidateRect(other, nullptr, true);
    desktop.Pump();
    EXPECT_EQ(Pixel(20, 20), kBlue);
    EXPECT_EQ(GdiLiveObjects().dcs, objects.dcs);
    EXPECT_EQ(GdiLiveObjects().brushes, objects.brushes);
    EXPECT_EQ(ReleaseDC(child, dc), 0);
}

TEST_F(PaintingTest, DefaultFrameAndBackground) {
    const HWND edit =
        Make("edit", WS_CHILD | WS_VISIBLE, {10, 10, 40, 30}, form, WS_EX_CLIENTEDGE, "WhitePanel");
    RECT client;
    GetClientRect(edit, &client);
    EXPECT_EQ(client, (RECT{0, 0, 26, 16}));
    desktop.Pump();
    const auto edge = [](int index) {
        const COLORREF c = GetSysColor(index);
        return (std::uint32_t{GetRValue(c)} << 16) | (std::uint32_t{GetGValue(c)} << 8) |
               GetBValue(c);
    };
    EXPECT_EQ(Pixel(10, 10), edge(COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(11, 11), edge(COLOR_3DDKSHADOW));
    EXPECT_EQ(Pixel(39, 29), edge(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Pixel(12, 12), kWhite);
    EXPECT_EQ(Pixel(37, 27), kWhite);
}

TEST_F(PaintingTest, PaintingReleasesEverythingItMade) {
    Child("a", {10, 10, 30, 30}, RGB(255, 0, 0));
    desktop.Pump();
    const GdiObjectCounts before = GdiLiveObjects();
    for (int i = 0; i < 3; ++i) {
        InvalidateRect(form, nullptr, true);
        desktop.Pump();
    }
    EXPECT_EQ(GdiLiveObjects(), before);
}

TEST_F(PaintingTest, OnlyTheChangedRowsOfTheDirtyPartArePresented) {
    const HWND stripe = Child("stripe", {20, 40, 60, 44}, RGB(255, 0, 0));
    desktop.Pump();
    const auto* native = desktop.Host().FindWindow(desktop.NativeOf(form));
    struct Case {
        const char* what;
        COLORREF stripeColour;
        RECT invalid;  // form coordinates
        bool presented;
        host::Rect dirty;
    };
    const Case cases[] = {
        {"a repaint giving the same pixels", RGB(255, 0, 0), {5, 6, 70, 80}, false, {}},
        {"a part that really changed", RGB(0, 0, 255), {5, 6, 70, 80}, true, {5, 40, 70, 44}},
        {"the same change drawn again", RGB(0, 0, 255), {0, 0, 100, 100}, false, {}},
        {"half the stripe", RGB(255, 0, 0), {30, 42, 90, 90}, true, {30, 42, 90, 44}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        colours[stripe] = c.stripeColour;
        const int presents = native->presentCount;
        RedrawWindow(form, &c.invalid, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        desktop.Pump();
        EXPECT_GT(paints[stripe], 0);
        EXPECT_EQ(native->presentCount, presents + (c.presented ? 1 : 0));
        if (c.presented) {
            EXPECT_EQ(native->lastDirty, c.dirty);
        }
        EXPECT_EQ(Pixel(30, 43), PixelColourOf(c.stripeColour));
        paints.clear();
    }
}

TEST_F(PaintingTest, RegionsShapeHitTestingAndDrawing) {
    const HWND round = Child("round", {0, 0, 100, 100}, RGB(255, 0, 0));
    SetWindowRgn(round, CreateEllipticRgn(0, 0, 100, 100), true);
    desktop.Pump();
    EXPECT_EQ(WindowFromPoint({50, 50}), round);
    EXPECT_EQ(WindowFromPoint({2, 2}), form);
    EXPECT_EQ(WindowFromPoint({97, 97}), form);
    EXPECT_EQ(Pixel(50, 50), kRed);
    EXPECT_EQ(Pixel(2, 2), kGreen);

    // On a top-level window the region shapes it on the desktop as well.
    SetWindowRgn(form, CreateRoundRectRgn(0, 0, 101, 101, 20, 20), true);
    desktop.Pump();
    EXPECT_EQ(desktop.Host().WindowAt({0, 0}), host::WindowId::None);
    EXPECT_EQ(desktop.Host().WindowAt({50, 0}), desktop.NativeOf(form));
    EXPECT_EQ(WindowFromPoint({0, 0}), HWND{});
    const int regions = GdiLiveObjects(GdiObjectKind::Region);
    SetWindowRgn(form, nullptr, true);
    desktop.Pump();
    // The window owned the region and deleted it.
    EXPECT_EQ(GdiLiveObjects(GdiObjectKind::Region), regions - 1);
    EXPECT_EQ(desktop.Host().WindowAt({0, 0}), desktop.NativeOf(form));
}

TEST_F(PaintingTest, MovingAChildRepaintsBothPlaces) {
    const HWND child = Child("child", {0, 0, 20, 20}, RGB(255, 0, 0));
    desktop.Pump();
    MoveWindow(child, 50, 50, 20, 20, true);
    desktop.Pump();
    EXPECT_EQ(Pixel(5, 5), kGreen);
    EXPECT_EQ(Pixel(55, 55), kRed);
}

}  // namespace
}  // namespace win::test
